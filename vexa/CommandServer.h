#pragma once
// Where the program's commands arrive: a local socket under the user's private name.
// Each line that arrives is one command. Only this user's programs are heard, a few at a
// time and briefly each, and the server keeps listening whatever its clients do.

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QTimer>

namespace vexa {

class CommandServer : public QObject {
    Q_OBJECT
public:
    enum class Start { Listening, AnotherIsListening, TakenByStranger, Failed };

    // Connections served at once; one more is closed as it comes.
    static constexpr int kMaxConnections = 16;
    // How long a connection may stay: a command is one short line.
    static constexpr int kConnectionMs = 2000;
    // The longest line taken; a longer one ends its connection.
    static constexpr qint64 kMaxLine = 4096;
    // How often it checks that it still listens.
    static constexpr int kListenCheckMs = 500;

    explicit CommandServer(QObject* parent = nullptr);
    // Listens on the name; a socket left behind by a companion that died is replaced,
    // one that answers belongs to a companion that runs already (and is left alone), or
    // to another user's program (and is not used).
    Start listen(const QString& name);
    QString errorString() const { return server_.errorString(); }
    bool isListening() const { return server_.isListening(); }
    int connections() const { return connections_; }

signals:
    void commandReceived(const QByteArray& cp932Command);
    // The name was taken while the server was listening again; it listens no more.
    void channelLost(const QString& why);

private:
    void accept();
    void serve(class QLocalSocket* socket);
    void keepListening();

    // Before the server: its connections go with it, and they count down here.
    int connections_ = 0;
    QString name_;
    QTimer listenCheck_;
    QLocalServer server_;
};

} // namespace vexa
