#include "shell/instance_channel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <cerrno>

namespace purso {
namespace {

constexpr int kTimeoutMs = 2000;

// A folder of this user's that no one else may enter or change, and not a
// link someone could point elsewhere.
bool IsPrivateFolder(const QString& path) {
  struct stat info {};
  const QByteArray native = QFile::encodeName(path);
  return !path.isEmpty() && ::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

QString PrivateFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (IsPrivateFolder(runtime)) return runtime;
  const QString own = QDir::tempPath() + QStringLiteral("/tolva-purso-") + QString::number(::getuid());
  const QByteArray native = QFile::encodeName(own);
  if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return {};
  // Made by someone else, or opened to others: not a place to talk through.
  return IsPrivateFolder(own) ? own : QString();
}

// Whether the process at the other end of a connected local socket runs as this user.
bool PeerIsThisUser(qintptr descriptor) {
  struct ucred peer {};
  socklen_t size = sizeof peer;
  return descriptor >= 0 && ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         peer.uid == ::getuid();
}

}  // namespace

CInstanceChannel::CInstanceChannel(QObject* parent) : QObject(parent) {
  connect(&server_, &QLocalServer::newConnection, this, &CInstanceChannel::OnConnection);
}

QString CInstanceChannel::Name() {
  const QString folder = PrivateFolder();
  if (folder.isEmpty()) return {};
  QString name = folder + QStringLiteral("/tolva-purso");
  const QString instance = qEnvironmentVariable("PURSO_INSTANCE");
  if (!instance.isEmpty()) name += QLatin1Char('-') + instance;
  return name;
}

bool CInstanceChannel::HandOver(const QStringList& files) {
  const QString name = Name();
  if (name.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kTimeoutMs) || !PeerIsThisUser(socket.socketDescriptor())) return false;
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
  const QString name = Name();
  if (name.isEmpty()) return false;
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (server_.listen(name)) return true;
  // A socket left by a program that crashed answers nobody, and anything
  // else of that name in this user's own folder is stale too; take it over.
  QLocalSocket probe;
  probe.connectToServer(name);
  if (probe.waitForConnected(200)) return false;
  QLocalServer::removeServer(name);
  return server_.listen(name);
}

void CInstanceChannel::OnConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    if (!PeerIsThisUser(socket->socketDescriptor())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
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
