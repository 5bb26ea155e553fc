#pragma once
// A program of this user that listens on the companion's channel in its place (here:
// this test process) and keeps every byte it is sent. receivedBeforeMark() tells what
// came before a mark the test sends itself: connections are taken in the order they
// came, so whatever the program sent before is in by then.

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <QTest>

namespace qor::test {

class Squatter {
public:
    explicit Squatter(const QString& name) {
        listening_ = server_.listen(name);
        QObject::connect(&server_, &QLocalServer::newConnection, [this] {
            while (QLocalSocket* s = server_.nextPendingConnection()) {
                QObject::connect(s, &QLocalSocket::readyRead,
                                 [this, s] { bytes_ += s->readAll(); });
                QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
                bytes_ += s->readAll();
            }
        });
    }
    bool listening() const { return listening_; }
    QByteArray receivedBeforeMark() {
        static const QByteArray mark = "<mark>\n";
        QLocalSocket marker;
        marker.connectToServer(server_.fullServerName());
        if (!marker.waitForConnected(5000)) return "<no mark>";
        marker.write(mark);
        marker.waitForBytesWritten(5000);
        (void)QTest::qWaitFor([&] { return bytes_.endsWith(mark); }, 30000);
        QByteArray before = bytes_;
        before.chop(mark.size());
        bytes_.clear();
        return before;
    }

private:
    QLocalServer server_;
    QByteArray bytes_;
    bool listening_ = false;
};

} // namespace qor::test
