#include "app/single_instance.h"

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>

namespace veka {

namespace {
constexpr char kOpen[] = "OPEN ";
constexpr char kAnswer[] = "OK\n";
}  // namespace

TSingleInstance::TSingleInstance(QObject* parent) : QObject(parent) {}
TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::ServerName() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) return runtime + QStringLiteral("/Veka_Mutex");
    return QDir::tempPath() + QStringLiteral("/Veka_Mutex-") + QString::number(getuid());
}

QByteArray TSingleInstance::HandOverMessage(const QByteArray& fileName) {
    QByteArray name = fileName.left(kMaxNameBytes);
    name.replace('\n', ' ');  // one line per message
    return QByteArray(kOpen) + name + '\n';
}

TSingleInstance::TResult TSingleInstance::Start(const QByteArray& fileName) {
    const QString name = ServerName();
    {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(kAnswerTimeoutMs)) {
            socket.write(HandOverMessage(fileName));
            socket.flush();
            QElapsedTimer timer;
            timer.start();
            // The first instance answers once it has taken the name.
            while (!socket.canReadLine() && timer.elapsed() < kAnswerTimeoutMs)
                if (!socket.waitForReadyRead(int(kAnswerTimeoutMs - timer.elapsed()))) break;
            return socket.canReadLine() && socket.readLine() == kAnswer ? HandedOver : NoAnswer;
        }
        if (socket.error() != QLocalSocket::ServerNotFoundError &&
            socket.error() != QLocalSocket::ConnectionRefusedError)
            return NoAnswer;
    }
    // Nobody listens: a socket file left by a crashed instance is removed first.
    QLocalServer::removeServer(name);
    Server_ = new QLocalServer(this);
    Server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!Server_->listen(name)) return First;  // still a working program; only hand-over is lost
    connect(Server_, &QLocalServer::newConnection, this, &TSingleInstance::Accept);
    return First;
}

void TSingleInstance::Accept() {
    while (QLocalSocket* socket = Server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                // A peer that sends more than a name without a line end is not ours.
                if (socket->bytesAvailable() > kMaxNameBytes + 16) socket->abort();
                return;
            }
            QByteArray line = socket->readLine(kMaxNameBytes + 16);
            if (line.endsWith('\n')) line.chop(1);
            socket->write(kAnswer);
            socket->flush();
            socket->disconnectFromServer();
            if (!line.startsWith(kOpen)) return;
            emit Activate(QString::fromLocal8Bit(line.mid(int(sizeof kOpen) - 1).left(kMaxNameBytes)));
        });
    }
}

}  // namespace veka
