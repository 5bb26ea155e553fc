#include "services/CompanionLink.h"

#include "base/ErrorText.h"
#include "services/Companion.h"
#include "ui/Text.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace {

QString systemReason(int error) {
    return QString::fromStdString(qor::errorText(error));
}

// Why the folder is no private room of this user; empty when it is one.
QString privateFolderProblem(const QString& folder) {
    struct stat st {};
    if (::lstat(QFile::encodeName(folder).constData(), &st) != 0) return systemReason(errno);
    if (S_ISLNK(st.st_mode)) return QStringLiteral("リンクになっています。");
    if (!S_ISDIR(st.st_mode)) return QStringLiteral("フォルダーではありません。");
    if (st.st_uid != ::geteuid()) return QStringLiteral("ほかのユーザーのフォルダーです。");
    if ((st.st_mode & 077) != 0)
        return QStringLiteral("ほかのユーザーも入れるフォルダーになっています。");
    return {};
}

QString unsafeFolder(const QString& folder, const QString& reason) {
    return QStringLiteral("音声用のプログラムとの通信に使うフォルダーが安全ではないため、"
                          "音声用のプログラムを使いません。\n") +
           folder + QStringLiteral("\n") + reason;
}

} // namespace

CompanionChannelPlace companionChannelIn(const QString& runtimeFolder, const QString& tempFolder) {
    if (!runtimeFolder.isEmpty() && privateFolderProblem(runtimeFolder).isEmpty())
        return {runtimeFolder + QStringLiteral("/qor-helper-vexa"), {}};
    const QString folder = tempFolder + QStringLiteral("/qor-helper-%1").arg(::geteuid());
    // Made private from the start; one that is there already must prove to be ours.
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        return {{}, unsafeFolder(folder, systemReason(errno))};
    if (QString problem = privateFolderProblem(folder); !problem.isEmpty())
        return {{}, unsafeFolder(folder, problem)};
    return {folder + QStringLiteral("/vexa"), {}};
}

CompanionChannelPlace companionChannel() {
    QString given = qEnvironmentVariable("QOR_COMPANION_CHANNEL");
    if (!given.isEmpty()) return {given, {}};
    return companionChannelIn(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
}

QString companionChannelName() {
    return companionChannel().name;
}

QString channelPathProblem(const QString& channel) {
    struct stat st {};
    if (::lstat(QFile::encodeName(channel).constData(), &st) != 0) return {};
    if (S_ISLNK(st.st_mode)) return QStringLiteral("リンクになっています。");
    if (!S_ISSOCK(st.st_mode)) return QStringLiteral("ソケットではありません。");
    if (st.st_uid != ::geteuid()) return QStringLiteral("ほかのユーザーのものです。");
    return {};
}

QByteArray companionBytes(const QString& command) {
    std::optional<std::string> cp932 = fromQ(command);
    // Commands are made from CP932 text; one that is not is sent as it stands.
    if (!cp932) return command.toUtf8();
    return QByteArray::fromStdString(*cp932);
}

bool peerOf(qintptr socketDescriptor, qint64* pid, unsigned* uid) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (socketDescriptor < 0 || ::getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET,
                                             SO_PEERCRED, &credentials, &size) != 0)
        return false;
    *pid = credentials.pid;
    *uid = credentials.uid;
    return true;
}

Reach reachCompanion(const QString& channel, qint64 companionPid, const QByteArray& cp932Command) {
    QLocalSocket socket;
    socket.connectToServer(channel, QIODevice::ReadWrite);
    // A local connection is made at once or not at all; the short wait only covers a
    // companion that is busy accepting, and one still busy after it is not dead.
    if (socket.state() != QLocalSocket::ConnectedState && !socket.waitForConnected(200)) {
        const bool busy = socket.state() == QLocalSocket::ConnectingState;
        socket.abort();
        return busy ? Reach::Dropped : Reach::NobodyListens;
    }
    // Whoever listens there gets no byte unless it is the process we started, as we.
    qint64 pid = 0;
    unsigned uid = 0;
    if (!peerOf(socket.socketDescriptor(), &pid, &uid) || uid != ::geteuid() ||
        pid != companionPid) {
        socket.abort();
        return Reach::Stranger;
    }
    if (!cp932Command.isEmpty()) {
        socket.write(cp932Command + '\n');
        if (!socket.waitForBytesWritten(500) && socket.bytesToWrite() != 0) {
            socket.abort();
            return Reach::Dropped;
        }
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(200);
    return Reach::Delivered;
}

void deliverToStartedCompanion(const QByteArray& cp932Command) {
    if (Companion* companion = Companion::current()) companion->send(cp932Command);
}

} // namespace ui
