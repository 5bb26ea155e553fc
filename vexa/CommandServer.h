#pragma once
// Where the program's commands arrive: a local socket under the user's private name.
// Each line that arrives is one command.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace vexa {

class CommandServer : public QObject {
    Q_OBJECT
public:
    enum class Start { Listening, AnotherIsListening, Failed };

    explicit CommandServer(QObject* parent = nullptr);
    // Listens on the name; a socket left behind by a companion that died is replaced,
    // one that answers belongs to a companion that runs already (and is left alone).
    Start listen(const QString& name);
    QString errorString() const { return server_.errorString(); }

signals:
    void commandReceived(const QByteArray& cp932Command);

private:
    void accept();
    QLocalServer server_;
};

} // namespace vexa
