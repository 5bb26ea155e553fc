// The companion's server under a crowd: connections held open by another local program
// cannot use up its descriptors, idle ones are dropped, a server that could not accept
// listens again, and the companion does not listen where another user's program does.

#include "services/CompanionLink.h"
#include "tests/sound/StrangerListener.h"
#include "tests/support/TempDir.h"
#include "vexa/CommandServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace qor;

namespace {

constexpr int kPatienceMs = 30000; // generous: the machine is shared

sockaddr_un addressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    return address;
}

// The descriptor limit under which exactly `spare` descriptors are free now (0: none).
rlim_t limitWithSpare(int spare) {
    int n = 0;
    for (int free = 0;; ++n) {
        if (::fcntl(n, F_GETFD) == -1 && errno == EBADF) {
            if (free == spare) break;
            ++free;
        }
    }
    return static_cast<rlim_t>(n);
}

// Lowers this process's descriptor limit for the object's lifetime.
class DescriptorLimit {
public:
    explicit DescriptorLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_NOFILE, &old_);
        rlimit lower = old_;
        lower.rlim_cur = limit;
        active_ = ::setrlimit(RLIMIT_NOFILE, &lower) == 0;
    }
    ~DescriptorLimit() { ::setrlimit(RLIMIT_NOFILE, &old_); }
    bool active() const { return active_; }

private:
    rlimit old_{};
    bool active_ = false;
};

// Another local program of this user that opens `count` connections to the server and
// holds them open, doing nothing. A child process, so that the descriptors it uses are
// its own. It tells how many connections it made, and then when the server has closed
// every one of them.
class HeldConnections {
public:
    HeldConnections(const std::string& path, int count) {
        sockaddr_un address = addressOf(path);
        std::vector<pollfd> fds(static_cast<std::size_t>(count)); // before the fork
        int report[2];
        if (::pipe(report) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(report[0]);
            hold(address, fds, report[1]);
        }
        ::close(report[1]);
        report_ = report[0];
        ::fcntl(report_, F_SETFL, O_NONBLOCK);
    }
    ~HeldConnections() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (report_ >= 0) ::close(report_);
    }
    // The connections made, once the child has tried them all; -1 before.
    int made() {
        poll();
        return made_;
    }
    // Whether the server has closed every connection made.
    bool allClosed() {
        poll();
        return allClosed_;
    }

private:
    // In the child only system calls: the test's process may have threads.
    [[noreturn]] static void hold(const sockaddr_un& address, std::vector<pollfd>& fds,
                                  int report) {
        // The test lowered its own limit; this program has the usual room.
        rlimit room{};
        ::getrlimit(RLIMIT_NOFILE, &room);
        room.rlim_cur = room.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &room);
        // A server that stopped taking connections is given ten seconds, not for ever.
        const timeval wait{10, 0};
        int made = 0;
        for (pollfd& p : fds) {
            int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (s < 0 || ::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait) != 0 ||
                ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
                break;
            p = {s, POLLIN, 0};
            ++made;
        }
        if (::write(report, &made, sizeof made) != sizeof made) ::_exit(1);
        int open = made;
        char buffer[64];
        while (open > 0) {
            if (::poll(fds.data(), static_cast<nfds_t>(made), -1) < 0) continue;
            for (int i = 0; i < made; ++i) {
                if (fds[static_cast<std::size_t>(i)].fd < 0 ||
                    !fds[static_cast<std::size_t>(i)].revents)
                    continue;
                if (::read(fds[static_cast<std::size_t>(i)].fd, buffer, sizeof buffer) <= 0) {
                    ::close(fds[static_cast<std::size_t>(i)].fd);
                    fds[static_cast<std::size_t>(i)].fd = -1;
                    --open;
                }
            }
        }
        if (::write(report, &open, sizeof open) != sizeof open) ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    void poll() {
        int value = 0;
        while (::read(report_, &value, sizeof value) == sizeof value) {
            if (made_ < 0)
                made_ = value;
            else
                allClosed_ = value == 0;
        }
    }

    pid_t pid_ = -1;
    int report_ = -1;
    int made_ = -1;
    bool allClosed_ = false;
};

class CommandServerTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("channel");
    vexa::CommandServer server;
    QStringList got;

    void SetUp() override {
        ASSERT_EQ(server.listen(QString::fromStdString(path)),
                  vexa::CommandServer::Start::Listening);
        QObject::connect(&server, &vexa::CommandServer::commandReceived,
                         [this](const QByteArray& c) { got << QString::fromLatin1(c); });
    }
    // Sends a command as the program does, this process being the companion.
    ui::Reach send(const QByteArray& command) {
        return ui::reachCompanion(QString::fromStdString(path), QCoreApplication::applicationPid(),
                                  command);
    }
};

} // namespace

TEST_F(CommandServerTest, HeldConnectionsCannotMakeItDeafAndIdleOnesAreDropped) {
    // Few descriptors to spare: far fewer than the connections that come.
    constexpr int kConnections = 300;
    DescriptorLimit limit(limitWithSpare(48));
    ASSERT_TRUE(limit.active());
    HeldConnections crowd(path, kConnections);
    ASSERT_TRUE(QTest::qWaitFor([&] { return crowd.made() >= 0; }, kPatienceMs));
    EXPECT_EQ(crowd.made(), kConnections);
    // The few it served are dropped when their time is up, the rest at once.
    EXPECT_TRUE(QTest::qWaitFor([&] { return crowd.allClosed(); }, kPatienceMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.connections() == 0; }, kPatienceMs));

    // Still listening, and a command is heard.
    ASSERT_TRUE(server.isListening());
    ASSERT_EQ(send("ANI;1"), ui::Reach::Delivered);
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.size() == 1; }, kPatienceMs));
    EXPECT_EQ(got, QStringList{"ANI;1"});
}

TEST_F(CommandServerTest, NoMoreThanAFewConnectionsAreServedAtOnce) {
    const sockaddr_un address = addressOf(path);
    std::vector<int> held;
    for (int i = 0; i < vexa::CommandServer::kMaxConnections + 5; ++i) {
        int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        held.push_back(s);
    }
    // The first one says its line at once; the others say nothing.
    ASSERT_EQ(::write(held.front(), "ANI;5\n", 6), 6);
    auto closedByServer = [](int s) {
        char c;
        return ::recv(s, &c, 1, MSG_DONTWAIT) == 0;
    };
    int most = 0;
    auto allClosed = [&] {
        most = std::max(most, server.connections());
        return std::all_of(held.begin(), held.end(), closedByServer);
    };
    // Every one is closed in the end, and no more than the limit were ever served.
    EXPECT_TRUE(QTest::qWaitFor(allClosed, kPatienceMs));
    EXPECT_GT(most, 0);
    EXPECT_LE(most, vexa::CommandServer::kMaxConnections);
    EXPECT_EQ(got, QStringList{"ANI;5"});
    for (int s : held)
        ::close(s);
}

TEST_F(CommandServerTest, AServerThatCouldNotAcceptListensAgain) {
    const sockaddr_un address = addressOf(path);
    int client = ::socket(AF_UNIX, SOCK_STREAM, 0); // made while descriptors are there
    ASSERT_GE(client, 0);
    {
        DescriptorLimit limit(limitWithSpare(0));
        ASSERT_TRUE(limit.active());
        ASSERT_EQ(::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address),
                  0);
        // It cannot accept: Qt closes the server and takes its socket away.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !test::exists(path); }, kPatienceMs));
    }
    ::close(client);
    // With descriptors back it listens again, and a command is heard.
    ASSERT_TRUE(QTest::qWaitFor([&] { return test::exists(path); }, kPatienceMs));
    EXPECT_TRUE(server.isListening());
    ASSERT_EQ(send("VEXA;again"), ui::Reach::Delivered);
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.size() == 1; }, kPatienceMs));
    EXPECT_EQ(got, QStringList{"VEXA;again"});
}

TEST_F(CommandServerTest, AConnectionThatSendsWithoutALineEndIsClosedEarly) {
    const sockaddr_un address = addressOf(path);
    int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    // A command is a short line: the server does not keep megabytes waiting for an end.
    constexpr long long kEnough = 8 << 20;
    const std::string chunk(4096, 'x');
    long long sent = 0;
    bool closed = false;
    while (!closed && sent < kEnough) {
        ssize_t n = ::send(s, chunk.data(), chunk.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0)
            sent += n;
        else if (errno == EAGAIN)
            QCoreApplication::processEvents();
        else
            closed = true;
    }
    ::close(s);
    EXPECT_TRUE(closed);
    EXPECT_LT(sent, kEnough);
    EXPECT_TRUE(got.isEmpty());
}

namespace {

QProcessEnvironment quietEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    return env;
}

} // namespace

TEST(VexaChannel, ACompanionFindingAnotherUsersListenerSaysSoAndFails) {
    if (!test::StrangerListener::possible()) GTEST_SKIP() << "only root can be another user";
    test::TempDir dir;
    // A folder both users can write in, as the temporary folder is.
    ::chmod(dir.path().c_str(), 0711);
    const std::string shared = dir.file("shared");
    ::mkdir(shared.c_str(), 0700);
    ::chmod(shared.c_str(), 01777);
    test::StrangerListener stranger(shared + "/channel");
    ASSERT_TRUE(stranger.listening());

    QProcess vexa;
    vexa.setProcessEnvironment(quietEnvironment());
    vexa.start(QStringLiteral(QOR_VEXA_PROGRAM),
               {QStringLiteral("--settings"), QString::fromStdString(dir.file("vexa/Setup.ini")),
                QStringLiteral("--channel"), QString::fromStdString(shared + "/channel")});
    ASSERT_TRUE(vexa.waitForFinished(kPatienceMs));
    EXPECT_EQ(vexa.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(vexa.exitCode(), 0);
    EXPECT_TRUE(vexa.readAllStandardError().contains("another user's program"));
    EXPECT_EQ(stranger.bytesReceived(), 0);
}

TEST(VexaChannel, ACompanionWithoutASafeFolderForItsChannelSaysSoAndFails) {
    test::TempDir dir;
    const std::string folder = dir.file("qor-helper-" + std::to_string(::geteuid()));
    ::mkdir(folder.c_str(), 0700);
    ::chmod(folder.c_str(), 0777);
    QProcess vexa;
    QProcessEnvironment env = quietEnvironment();
    env.remove(QStringLiteral("QOR_COMPANION_CHANNEL"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("TMPDIR"), QString::fromStdString(dir.path()));
    vexa.setProcessEnvironment(env);
    vexa.start(QStringLiteral(QOR_VEXA_PROGRAM),
               {QStringLiteral("--settings"), QString::fromStdString(dir.file("vexa/Setup.ini"))});
    const bool ended = vexa.waitForFinished(kPatienceMs);
    if (!ended) vexa.kill();
    ASSERT_TRUE(ended) << "it listened in a folder open to everybody";
    EXPECT_NE(vexa.exitCode(), 0);
    EXPECT_TRUE(vexa.readAllStandardError().contains(folder.c_str()));
}

TEST(VexaChannel, AClientOfAnotherUserIsNotHeard) {
    if (!test::StrangerListener::possible()) GTEST_SKIP() << "only root can be another user";
    test::TempDir dir;
    ::chmod(dir.path().c_str(), 0711);
    const std::string shared = dir.file("shared");
    ::mkdir(shared.c_str(), 0700);
    ::chmod(shared.c_str(), 01777);
    const QString channel = QString::fromStdString(shared + "/channel");
    const QString log = QString::fromStdString(shared + "/received.txt");

    // The companion runs as the other user; this test, root, is the stranger now.
    QProcess companion;
    QProcessEnvironment env = quietEnvironment();
    env.insert(QStringLiteral("QOR_TEST_COMPANION_LOG"), log);
    companion.setProcessEnvironment(env);
    companion.setChildProcessModifier([] {
        if (::setgid(test::StrangerListener::kUid) != 0 ||
            ::setuid(test::StrangerListener::kUid) != 0)
            ::_exit(1);
    });
    companion.start(QStringLiteral(QOR_COMPANION_RECORDER), {QStringLiteral("--channel"), channel});
    ASSERT_TRUE(companion.waitForStarted(kPatienceMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return test::exists(channel.toStdString()); }, kPatienceMs));
    // Connections of a user are taken in turn: the stranger's first, then the user's own.
    const sockaddr_un address = addressOf(channel.toStdString());
    auto say = [&](const char* line) {
        int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        bool said =
            ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            ::write(s, line, std::strlen(line)) == static_cast<ssize_t>(std::strlen(line));
        ::close(s);
        return said;
    };
    ASSERT_TRUE(say("VEXA;from a stranger\n"));
    pid_t own = ::fork();
    if (own == 0) {
        bool said = ::setgid(test::StrangerListener::kUid) == 0 &&
                    ::setuid(test::StrangerListener::kUid) == 0 && say("VEXA;from its user\n");
        ::_exit(said ? 0 : 1);
    }
    int status = 0;
    ::waitpid(own, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QByteArray heard;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QFile file(log);
            heard = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            return heard.contains("from its user");
        },
        kPatienceMs));
    EXPECT_FALSE(heard.contains("stranger")) << heard.toStdString();
    companion.kill();
    companion.waitForFinished(kPatienceMs);
}
