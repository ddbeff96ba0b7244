#include "shell/instance_channel.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>

#include <unistd.h>

namespace purso {
namespace {

constexpr int kTimeoutMs = 2000;

}  // namespace

CInstanceChannel::CInstanceChannel(QObject* parent) : QObject(parent) {
  connect(&server_, &QLocalServer::newConnection, this, &CInstanceChannel::OnConnection);
}

QString CInstanceChannel::Name() {
  QString name = QStringLiteral("tolva-purso-") + QString::number(::getuid());
  const QString instance = qEnvironmentVariable("PURSO_INSTANCE");
  if (!instance.isEmpty()) name += QLatin1Char('-') + instance;
  return name;
}

bool CInstanceChannel::HandOver(const QStringList& files) {
  QLocalSocket socket;
  socket.connectToServer(Name());
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  QStringList absolute;
  for (const QString& file : files) absolute << QFileInfo(file).absoluteFilePath();
  QByteArray message;
  QDataStream out(&message, QIODevice::WriteOnly);
  out << absolute;
  socket.write(message);
  if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
  // The running program answers once it has the files.
  return socket.waitForReadyRead(kTimeoutMs) && socket.readAll() == "ok";
}

bool CInstanceChannel::Listen() {
  if (server_.listen(Name())) return true;
  // A socket left by a program that crashed answers nobody; take it over.
  QLocalSocket probe;
  probe.connectToServer(Name());
  if (probe.waitForConnected(200)) return false;
  QLocalServer::removeServer(Name());
  return server_.listen(Name());
}

void CInstanceChannel::OnConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    QPointer<QLocalSocket> guarded(socket);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, guarded] {
      if (!guarded) return;
      // The list may arrive in pieces; read it once it is whole.
      QDataStream stream(guarded.data());
      stream.startTransaction();
      QStringList files;
      stream >> files;
      if (!stream.commitTransaction()) return;
      guarded->write("ok");
      guarded->flush();
      emit FilesReceived(files);
    });
  }
}

}  // namespace purso
