#include "vexa/CommandServer.h"

#include <QLocalSocket>

namespace vexa {

CommandServer::CommandServer(QObject* parent) : QObject(parent) {
    // Only this user's programs may talk to the companion.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &CommandServer::accept);
}

CommandServer::Start CommandServer::listen(const QString& name) {
    // Asked first: a private socket is put in place by a rename, which would take the
    // name from a companion that listens on it.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(300)) {
        probe.disconnectFromServer();
        return Start::AnotherIsListening;
    }
    QLocalServer::removeServer(name);
    return server_.listen(name) ? Start::Listening : Start::Failed;
}

void CommandServer::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto take = [this, socket] {
            while (socket->canReadLine()) {
                QByteArray line = socket->readLine();
                line.chop(1);
                emit commandReceived(line);
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, take);
        connect(socket, &QLocalSocket::disconnected, this, [socket, take] {
            take();
            socket->deleteLater();
        });
        take();
    }
}

} // namespace vexa
