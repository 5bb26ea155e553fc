#include "vexa/CommandServer.h"

#include "services/CompanionLink.h"

#include <QLocalSocket>

#include <unistd.h>

namespace vexa {

namespace {
bool fromThisUser(const QLocalSocket& socket) {
    qint64 pid = 0;
    unsigned uid = 0;
    return ui::peerOf(socket.socketDescriptor(), &pid, &uid) && uid == ::geteuid();
}
} // namespace

CommandServer::CommandServer(QObject* parent) : QObject(parent) {
    // Only this user's programs may talk to the companion.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &CommandServer::accept);
    // The server closes itself when it cannot accept (no descriptors left); nothing tells
    // of it but isListening().
    listenCheck_.setInterval(kListenCheckMs);
    connect(&listenCheck_, &QTimer::timeout, this, &CommandServer::keepListening);
}

CommandServer::Start CommandServer::listen(const QString& name) {
    // Asked first: a private socket is put in place by a rename, which would take the
    // name from a companion that listens on it.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(300)) {
        const bool ours = fromThisUser(probe);
        probe.abort();
        return ours ? Start::AnotherIsListening : Start::TakenByStranger;
    }
    QLocalServer::removeServer(name);
    if (!server_.listen(name)) return Start::Failed;
    name_ = name;
    listenCheck_.start();
    return Start::Listening;
}

void CommandServer::keepListening() {
    if (server_.isListening()) return;
    switch (listen(name_)) {
    case Start::Listening:
    case Start::Failed: // tried again at the next check
        break;
    case Start::AnotherIsListening:
        listenCheck_.stop();
        emit channelLost(QStringLiteral("another companion listens on %1 now").arg(name_));
        break;
    case Start::TakenByStranger:
        listenCheck_.stop();
        emit channelLost(QStringLiteral("another user's program listens on %1 now").arg(name_));
        break;
    }
}

void CommandServer::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        // Beyond the few it serves, or from another user: closed at once, so that no
        // crowd of idle connections can use up the descriptors it needs to go on.
        if (connections_ >= kMaxConnections || !fromThisUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        serve(socket);
    }
}

void CommandServer::serve(QLocalSocket* socket) {
    ++connections_;
    connect(socket, &QObject::destroyed, this, [this] { --connections_; });
    auto take = [this, socket] {
        while (socket->canReadLine()) {
            QByteArray line = socket->readLine();
            line.chop(1);
            emit commandReceived(line);
        }
        if (socket->bytesAvailable() > kMaxLine) socket->abort();
    };
    connect(socket, &QLocalSocket::readyRead, this, take);
    connect(socket, &QLocalSocket::disconnected, this, [socket, take] {
        take();
        socket->deleteLater();
    });
    // A connection gets a short while for its line; one that stays idle is dropped.
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    deadline->start(kConnectionMs);
    take();
}

} // namespace vexa
