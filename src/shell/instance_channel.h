// CInstanceChannel: hands files to a program that already runs.
//
// When the desktop opens an account file while the program runs, the new
// process passes the file to the running one and ends, so each account is
// open once and in one window. The channel is a local socket that only this
// user can reach: it lies in the user's runtime folder ($XDG_RUNTIME_DIR),
// or else in a folder of the temporary folder made for this user alone, and
// only when that folder is the user's own and closed to everyone else; both
// ends also check that the other end is the same user. Where no such folder
// can be had, there is no channel and every start opens its files itself.
// PURSO_INSTANCE, when set, is part of the name, so tests keep to themselves.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace purso {

class CInstanceChannel final : public QObject {
  Q_OBJECT

 public:
  explicit CInstanceChannel(QObject* parent = nullptr);

  // Sends files to a running program of this user; true only when one
  // confirmed that it took them. On false the caller opens them itself.
  static bool HandOver(const QStringList& files);

  // Starts listening for files from later processes; false when another
  // program listens already or the socket cannot be made.
  bool Listen();

  // The socket's path; empty when no private folder can be had.
  static QString Name();

 signals:
  void FilesReceived(const QStringList& files);

 private:
  void OnConnection();

  QLocalServer server_;
};

}  // namespace purso
