#include "app/SingleCopy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include "settings/SafeFile.h"

namespace {

// Sent by a later start, answered by the running copy; never translated.
constexpr const char* RaiseRequest = "raise\n";
constexpr const char* RaiseAnswer = "ok\n";

// Beside the player's other sockets; named after the folder, whose path may
// be too long for a socket's own.
QString SocketPath(const QString& folder) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir(folder).absolutePath().toUtf8(), QCryptographicHash::Sha256).toHex();
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) {
        runtime = QDir::tempPath();
    }
    return runtime + "/brisko-" + QString::fromLatin1(hash.left(16)) + ".socket";
}

}  // namespace

TSingleCopy::TSingleCopy(const QString& folder)
    : Lock(folder + "/running.lock"), ServerName(SocketPath(folder)) {
    MakePrivateFolder(folder);
    // Held as long as the copy runs: only a dead holder makes it stale.
    Lock.setStaleLockTime(0);
}

TSingleCopy::~TSingleCopy() = default;

TSingleCopy::TStart TSingleCopy::Claim(int wait) {
    if (Lock.tryLock(0)) {
        Server = std::make_unique<QLocalServer>();
        Server->setSocketOptions(QLocalServer::UserAccessOption);
        QLocalServer::removeServer(ServerName);  // left by a copy that was killed
        Server->listen(ServerName);
        QObject::connect(Server.get(), &QLocalServer::newConnection, Server.get(), [this] {
            while (QLocalSocket* socket = Server->nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                    if (!socket->canReadLine() || socket->readLine() != RaiseRequest) {
                        return;
                    }
                    if (OnRaise) {
                        OnRaise();
                    }
                    socket->write(RaiseAnswer);
                    socket->flush();
                });
            }
        });
        return TStart::First;
    }
    QLocalSocket socket;
    socket.connectToServer(ServerName);
    if (socket.waitForConnected(wait) && socket.write(RaiseRequest) > 0 && socket.waitForBytesWritten(wait)) {
        while (!socket.canReadLine() && socket.waitForReadyRead(wait)) {
        }
        if (socket.canReadLine() && socket.readLine() == RaiseAnswer) {
            return TStart::Raised;
        }
    }
    return TStart::Unkept;
}
