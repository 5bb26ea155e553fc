#include "ui/CompanionLink.h"

#include "sound/CompanionChannel.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

#include <unistd.h>

namespace ui {

namespace {

class PlatformSink final : public qor::CommandSink {
public:
    void deliver(const std::string& cp932Command) override {
        platform().sendToCompanion(toQ(cp932Command));
    }
};

} // namespace

QString companionChannelName() {
    QString given = qEnvironmentVariable("QOR_COMPANION_CHANNEL");
    if (!given.isEmpty()) return given;
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QStringLiteral("/qor-helper-vexa");
    return QDir::tempPath() + QStringLiteral("/qor-helper-vexa-%1").arg(::getuid());
}

QByteArray companionBytes(const QString& command) {
    std::optional<std::string> cp932 = fromQ(command);
    // Commands are made from CP932 text; one that is not is sent as it stands.
    if (!cp932) return command.toUtf8();
    return QByteArray::fromStdString(*cp932);
}

bool deliverToCompanion(const QString& channel, const QByteArray& cp932Command) {
    QLocalSocket socket;
    socket.connectToServer(channel, QIODevice::WriteOnly);
    // A local connection is made at once or not at all; the short wait only covers a
    // companion that is busy accepting.
    if (socket.state() != QLocalSocket::ConnectedState && !socket.waitForConnected(200))
        return false;
    socket.write(cp932Command + '\n');
    bool written = socket.waitForBytesWritten(500) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(200);
    return written;
}

void sendCompanionCommand(std::string_view cp932Command) {
    PlatformSink sink;
    qor::CompanionChannel(sink).send(cp932Command);
}

void pronounce(const qor::VoiceRequest& request) {
    switch (request.kind) {
    case qor::VoiceRequest::Kind::WaveFile:
        platform().playWave(toQ(request.what));
        break;
    case qor::VoiceRequest::Kind::Companion:
        sendCompanionCommand(request.what);
        break;
    case qor::VoiceRequest::Kind::None:
        break;
    }
}

} // namespace ui
