#include "services/LeftCompanion.h"

#include "services/CompanionLink.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace ui {

namespace {

QByteArray procFile(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Whether a process runs (also one of another user's, which may not be signalled).
bool runs(qint64 pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// The value after `option` on the process's command line; empty when it has none.
QByteArray optionOf(qint64 pid, const QByteArray& option) {
    const QList<QByteArray> args = procFile(pid, "cmdline").split('\0');
    for (qsizetype i = 0; i + 1 < args.size(); ++i)
        if (args[i] == option) return args[i + 1];
    return {};
}

// The process that listens on the channel, when it is of this user; 0 otherwise.
qint64 listenerOf(const QString& channel) {
    QLocalSocket socket;
    socket.connectToServer(channel, QIODevice::ReadWrite);
    if (socket.state() != QLocalSocket::ConnectedState && !socket.waitForConnected(200)) {
        socket.abort();
        return 0;
    }
    qint64 pid = 0;
    unsigned uid = 0;
    const bool known = peerOf(socket.socketDescriptor(), &pid, &uid);
    socket.abort();
    return known && uid == ::geteuid() ? pid : 0;
}

} // namespace

qint64 leftCompanionOn(const QString& channel) {
    const qint64 pid = listenerOf(channel);
    if (pid <= 0 || pid == ::getpid()) return 0;
    if (optionOf(pid, "--channel") != QFile::encodeName(channel)) return 0;
    bool ok = false;
    const qint64 owner = optionOf(pid, "--owner").toLongLong(&ok);
    // The program that started it still runs, and keeps it.
    if (!ok || owner <= 0 || runs(owner)) return 0;
    return pid;
}

bool closeLeftCompanion(const QString& channel) {
    const qint64 pid = leftCompanionOn(channel);
    if (pid == 0) return false;
    auto gone = [&](int ms) {
        QElapsedTimer waited;
        waited.start();
        while (listenerOf(channel) == pid) {
            if (waited.elapsed() >= ms) return false;
            QThread::msleep(20);
        }
        return true;
    };
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    if (!gone(3000)) {
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        gone(1000);
    }
    return true;
}

bool closeLeftCompanion() {
    const CompanionChannelPlace place = companionChannel();
    return !place.name.isEmpty() && closeLeftCompanion(place.name);
}

} // namespace ui
