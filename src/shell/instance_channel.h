// CInstanceChannel: hands files to a program that already runs.
//
// When the desktop opens an account file while the program runs, the new
// process passes the file to the running one and ends, so each account is
// open once and in one window. The channel is a local socket named after the
// user (and PURSO_INSTANCE, when set, so tests keep to themselves).
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace purso {

class CInstanceChannel final : public QObject {
  Q_OBJECT

 public:
  explicit CInstanceChannel(QObject* parent = nullptr);

  // Sends files to a running program; true when one took them.
  static bool HandOver(const QStringList& files);

  // Starts listening for files from later processes; false when another
  // program listens already or the socket cannot be made.
  bool Listen();

 signals:
  void FilesReceived(const QStringList& files);

 private:
  static QString Name();
  void OnConnection();

  QLocalServer server_;
};

}  // namespace purso
