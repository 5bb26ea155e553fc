// The channel to the companion: it lives in a folder only this user enters, commands go
// to the started companion process alone, and a companion that stops answering is
// started once more before the learner is told.

#include "services/Companion.h"
#include "services/CompanionLink.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"
#include "tests/vexa/Squatter.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace qor;

namespace {

constexpr int kPatienceMs = 30000; // generous: the machine is shared

using EnvVar = test::ScopedEnv;

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

const QString kTaken =
    QStringLiteral("音声用のプログラムとの通信路が、ほかのプログラムに使われています。");
const QString kUnsafe =
    QStringLiteral("音声用のプログラムとの通信に使うフォルダーが安全ではないため、");

} // namespace

// --- where the channel lives ---

TEST(CompanionChannelPlace, ThePrivateRuntimeFolderOfThisUserHoldsIt) {
    test::TempDir runtime;
    test::TempDir temp;
    ::chmod(runtime.path().c_str(), 0700);
    ui::CompanionChannelPlace place = ui::companionChannelIn(q(runtime.path()), q(temp.path()));
    EXPECT_EQ(place.name, q(runtime.file("qor-helper-vexa")));
    EXPECT_TRUE(place.problem.isEmpty());
}

TEST(CompanionChannelPlace, WithoutAUsableRuntimeFolderAPrivateFolderOfOurOwnIsMade) {
    test::TempDir temp;
    const std::string own = temp.file("qor-helper-" + std::to_string(::geteuid()));
    const QString expected = q(own + "/vexa");

    // None, one open to others, a link to a private one, a file.
    test::TempDir runtime;
    ::chmod(runtime.path().c_str(), 0755);
    ::mkdir(temp.file("private").c_str(), 0700);
    ASSERT_EQ(::symlink(temp.file("private").c_str(), temp.file("link").c_str()), 0);
    test::spit(temp.file("file"), "x");
    for (const std::string& bad : {std::string(), runtime.path(), temp.file("link"),
                                   temp.file("file"), temp.file("missing")}) {
        ui::CompanionChannelPlace place = ui::companionChannelIn(q(bad), q(temp.path()));
        EXPECT_EQ(place.name, expected) << bad;
        EXPECT_TRUE(place.problem.isEmpty()) << bad;
    }
    EXPECT_EQ(modeOf(own), 0700u);
    if (::geteuid() == 0) {
        // A runtime folder of another user.
        ::chmod(runtime.path().c_str(), 0700);
        ASSERT_EQ(::chown(runtime.path().c_str(), 65534, 65534), 0);
        EXPECT_EQ(ui::companionChannelIn(q(runtime.path()), q(temp.path())).name, expected);
    }
}

TEST(CompanionChannelPlace, AFolderOfOurNameThatIsNotOursAloneIsRefused) {
    const std::string name = "qor-helper-" + std::to_string(::geteuid());
    auto refused = [&](const test::TempDir& temp, const QString& why) {
        ui::CompanionChannelPlace place = ui::companionChannelIn({}, q(temp.path()));
        EXPECT_TRUE(place.name.isEmpty());
        EXPECT_TRUE(place.problem.startsWith(kUnsafe)) << place.problem.toStdString();
        EXPECT_TRUE(place.problem.contains(q(temp.file(name)))) << place.problem.toStdString();
        EXPECT_TRUE(place.problem.endsWith(why)) << place.problem.toStdString();
    };
    {
        test::TempDir temp; // a link to a folder somebody made ready
        ::mkdir(temp.file("ready").c_str(), 0700);
        ASSERT_EQ(::symlink(temp.file("ready").c_str(), temp.file(name).c_str()), 0);
        refused(temp, QStringLiteral("リンクになっています。"));
    }
    {
        test::TempDir temp; // open to everybody
        ::mkdir(temp.file(name).c_str(), 0700);
        ::chmod(temp.file(name).c_str(), 0777);
        refused(temp, QStringLiteral("ほかのユーザーも入れるフォルダーになっています。"));
        ::chmod(temp.file(name).c_str(), 0750);
        refused(temp, QStringLiteral("ほかのユーザーも入れるフォルダーになっています。"));
    }
    {
        test::TempDir temp; // not a folder
        test::spit(temp.file(name), "");
        refused(temp, QStringLiteral("フォルダーではありません。"));
    }
    if (::geteuid() == 0) {
        test::TempDir temp; // another user's
        ::mkdir(temp.file(name).c_str(), 0700);
        ASSERT_EQ(::chown(temp.file(name).c_str(), 65534, 65534), 0);
        refused(temp, QStringLiteral("ほかのユーザーのフォルダーです。"));
    }
}

TEST(CompanionChannelPlace, TheNameGivenByTheEnvironmentIsTakenAsItStands) {
    test::TempDir dir;
    EnvVar channel("QOR_COMPANION_CHANNEL", dir.file("second").c_str());
    EXPECT_EQ(ui::companionChannelName(), q(dir.file("second")));
}

TEST(CompanionChannelPlace, WhatLiesOnTheSocketsPathMustBeOurOwnSocket) {
    test::TempDir dir;
    EXPECT_TRUE(ui::channelPathProblem(q(dir.file("nothing"))).isEmpty());
    test::spit(dir.file("file"), "");
    EXPECT_EQ(ui::channelPathProblem(q(dir.file("file"))),
              QStringLiteral("ソケットではありません。"));
    ASSERT_EQ(::symlink(dir.file("file").c_str(), dir.file("link").c_str()), 0);
    EXPECT_EQ(ui::channelPathProblem(q(dir.file("link"))),
              QStringLiteral("リンクになっています。"));
    QLocalServer server;
    ASSERT_TRUE(server.listen(q(dir.file("socket"))));
    EXPECT_TRUE(ui::channelPathProblem(q(dir.file("socket"))).isEmpty());
    if (::geteuid() == 0) {
        ASSERT_EQ(::lchown(dir.file("socket").c_str(), 65534, 65534), 0);
        EXPECT_EQ(ui::channelPathProblem(q(dir.file("socket"))),
                  QStringLiteral("ほかのユーザーのものです。"));
    }
}

// --- the peer of a connection ---

TEST(CompanionReach, OnlyTheCompanionProcessGetsTheLine) {
    test::TempDir dir;
    const QString name = q(dir.file("channel"));
    QLocalServer server;
    ASSERT_TRUE(server.listen(name));
    QByteArray got;
    QObject::connect(&server, &QLocalServer::newConnection, [&] {
        while (QLocalSocket* s = server.nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::readyRead, [&got, s] { got += s->readAll(); });
        }
    });
    const qint64 me = QCoreApplication::applicationPid();
    // This process listens: to a program that started another one, it is a stranger.
    EXPECT_EQ(ui::reachCompanion(name, me + 1, "VEXA;secret"), ui::Reach::Stranger);
    EXPECT_EQ(ui::reachCompanion(name, -1), ui::Reach::Stranger);
    EXPECT_EQ(ui::reachCompanion(name, me, "ANI;1"), ui::Reach::Delivered);
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.size() >= 6; }, kPatienceMs));
    EXPECT_EQ(got, QByteArray("ANI;1\n"));
    EXPECT_EQ(ui::reachCompanion(q(dir.file("nobody")), me, "ANI;1"), ui::Reach::NobodyListens);
}

// --- the started companion ---

namespace {

class CompanionTest : public ::testing::Test {
protected:
    test::TempDir dir;
    EnvVar channelVar{"QOR_COMPANION_CHANNEL", dir.file("channel").c_str()};
    EnvVar logVar{"QOR_TEST_COMPANION_LOG", dir.file("received.txt").c_str()};
    test::ScriptedPlatform platform;
    ui::Companion companion{nullptr};

    QString channel() const { return q(dir.file("channel")); }
    // A companion program that is only a shell script.
    std::string script(const std::string& name, const std::string& body) {
        const std::string path = dir.file(name);
        test::spit(path, "#!/bin/sh\n" + body + "\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
    // The commands the recording companion wrote down, once there are `count` of them.
    QStringList received(int count) {
        QStringList lines;
        (void)QTest::qWaitFor(
            [&] {
                QFile log(q(dir.file("received.txt")));
                lines.clear();
                if (log.open(QIODevice::ReadOnly))
                    for (const QByteArray& l : log.readAll().split('\n'))
                        if (!l.isEmpty()) lines << QString::fromLatin1(l);
                return lines.size() >= count;
            },
            kPatienceMs);
        return lines;
    }
    static QString by(qint64 pid, const char* command) {
        return QString::number(pid) + QLatin1Char(' ') + QLatin1String(command);
    }
};

} // namespace

TEST_F(CompanionTest, CommandsSentWhileItStartsWaitForIt) {
    ASSERT_TRUE(companion.start(QStringLiteral(QOR_COMPANION_RECORDER), {}, q(dir.path())));
    ASSERT_TRUE(companion.process());
    EXPECT_EQ(companion.process()->arguments(),
              (QStringList{"--channel", channel(), "--owner",
                           QString::number(QCoreApplication::applicationPid())}));
    const qint64 pid = companion.process()->processId();
    for (int i = 0; i < int(ui::Companion::kMaxWaiting) + 4; ++i)
        companion.send("ANI;" + QByteArray::number(i));
    // The last few are kept, in order.
    QStringList expected;
    for (int i = 4; i < int(ui::Companion::kMaxWaiting) + 4; ++i)
        expected << by(pid, "ANI;") + QString::number(i);
    EXPECT_EQ(received(expected.size()), expected);
    companion.send("VEXA;now");
    expected << by(pid, "VEXA;now");
    EXPECT_EQ(received(expected.size()), expected);
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(CompanionTest, ACompanionThatNeverOpensItsChannelIsStartedOnceMoreThenReported) {
    companion.setPatience(4);
    ASSERT_TRUE(companion.start(q(script("mute", "exec sleep 30")), {}, q(dir.path())));
    const qint64 first = companion.process()->processId();
    companion.send("ANI;1");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return companion.process() && companion.process()->processId() != first; },
        kPatienceMs));
    EXPECT_NE(::kill(static_cast<pid_t>(first), 0), 0); // the first one went
    const qint64 second = companion.process()->processId();
    platform.answerNotice();
    companion.send("ANI;2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.boxTexts().isEmpty(); }, kPatienceMs));
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(
        QStringLiteral("音声用のプログラムが応答しなくなりました。")));
    EXPECT_EQ(companion.process(), nullptr);
    EXPECT_NE(::kill(static_cast<pid_t>(second), 0), 0);
    // Said once: later commands go nowhere and ask nothing.
    companion.send("ANI;1");
    QTest::qWait(3 * ui::Companion::kCheckMs);
    EXPECT_EQ(platform.boxTexts().size(), 1);
}

TEST_F(CompanionTest, ACompanionThatFailsAgainAfterItsRestartIsReportedOnce) {
    const std::string quitter = script("quitter", "exit 3");
    platform.answerNotice();
    ASSERT_TRUE(companion.start(q(quitter), {}, q(dir.path())));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.boxTexts().isEmpty(); }, kPatienceMs));
    EXPECT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].contains(q(quitter)));
    EXPECT_EQ(companion.process(), nullptr);
}

TEST_F(CompanionTest, ACompanionClosedByTheLearnerStaysClosed) {
    ASSERT_TRUE(companion.start(q(script("closed", "sleep 1; exit 0")), {}, q(dir.path())));
    companion.send("ANI;1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return companion.process() == nullptr; }, kPatienceMs));
    // Nothing more is started and nobody is asked anything.
    companion.send("ANI;2");
    QTest::qWait(3 * ui::Companion::kCheckMs);
    EXPECT_EQ(companion.process(), nullptr);
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(CompanionTest, ACompanionThatCannotStartAgainIsReported) {
    const std::string program = script("once", "exec sleep 30");
    ASSERT_TRUE(companion.start(q(program), {}, q(dir.path())));
    ::chmod(program.c_str(), 0644); // it cannot be started any more
    platform.answerNotice();
    companion.process()->kill();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.boxTexts().isEmpty(); }, kPatienceMs));
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(
        QStringLiteral("音声用のプログラムを起動できませんでした。\n") + q(program)));
}

TEST_F(CompanionTest, AListenerThereBeforeTheStartIsNeitherUsedNorJoined) {
    test::Squatter squatter(channel());
    ASSERT_TRUE(squatter.listening());
    platform.answerNotice();
    EXPECT_FALSE(companion.start(QStringLiteral(QOR_COMPANION_RECORDER), {}, q(dir.path())));
    EXPECT_EQ(companion.process(), nullptr);
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(kTaken));
    EXPECT_TRUE(platform.boxTexts()[0].contains(channel()));
    companion.send("ANI;1");
    EXPECT_EQ(squatter.receivedBeforeMark(), QByteArray());
    EXPECT_EQ(platform.boxTexts().size(), 1);
}

TEST_F(CompanionTest, AListenerThatTakesTheChannelFromTheCompanionGetsNothing) {
    ASSERT_TRUE(companion.start(QStringLiteral(QOR_COMPANION_RECORDER), {}, q(dir.path())));
    const qint64 pid = companion.process()->processId();
    companion.send("ANI;1");
    ASSERT_EQ(received(1), QStringList{by(pid, "ANI;1")});
    // Another program of this user puts its own socket in the companion's place.
    ASSERT_TRUE(QFile::remove(channel()));
    test::Squatter squatter(channel());
    ASSERT_TRUE(squatter.listening());
    platform.answerNotice();
    companion.send("VEXA;secret");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.boxTexts().isEmpty(); }, kPatienceMs));
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(kTaken));
    companion.send("ANI;2");
    EXPECT_EQ(squatter.receivedBeforeMark(), QByteArray());
    EXPECT_EQ(platform.boxTexts().size(), 1);
    // The companion that lost its channel is of no use: it was ended.
    EXPECT_EQ(companion.process(), nullptr);
    EXPECT_NE(::kill(static_cast<pid_t>(pid), 0), 0);
}

TEST_F(CompanionTest, AKilledCompanionIsStartedAgainAndHearsTheNextCommand) {
    ASSERT_TRUE(companion.start(QStringLiteral(QOR_COMPANION_RECORDER), {}, q(dir.path())));
    const qint64 first = companion.process()->processId();
    ::kill(static_cast<pid_t>(first), SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return companion.process() && companion.process()->processId() != first; },
        kPatienceMs));
    const qint64 second = companion.process()->processId();
    companion.send("ANI;1");
    EXPECT_EQ(received(1), QStringList{by(second, "ANI;1")});
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(CompanionTest, ThePlaceGoesFirstOnlyTheLatestCountsAndAgainToACompanionStartedOnceMore) {
    companion.place("POS;10;20;0");
    companion.place("POS;30;40;7");
    ASSERT_TRUE(companion.start(QStringLiteral(QOR_COMPANION_RECORDER), {}, q(dir.path())));
    const qint64 first = companion.process()->processId();
    companion.send("ANI;1");
    ASSERT_EQ(received(2), (QStringList{by(first, "POS;30;40;7"), by(first, "ANI;1")}));
    ::kill(static_cast<pid_t>(first), SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return companion.process() && companion.process()->processId() != first; },
        kPatienceMs));
    const qint64 second = companion.process()->processId();
    companion.send("ANI;2");
    EXPECT_EQ(received(4), (QStringList{by(first, "POS;30;40;7"), by(first, "ANI;1"),
                                        by(second, "POS;30;40;7"), by(second, "ANI;2")}));
    // A new place while it runs goes at once.
    companion.place("POS;50;60;7");
    EXPECT_EQ(received(5).last(), by(second, "POS;50;60;7"));
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(CompanionTest, ACompanionWhoseSocketWentIsStartedAgainAndTheCommandArrives) {
    ASSERT_TRUE(companion.start(QStringLiteral(QOR_COMPANION_RECORDER), {}, q(dir.path())));
    const qint64 first = companion.process()->processId();
    companion.send("ANI;1");
    ASSERT_EQ(received(1), QStringList{by(first, "ANI;1")});
    ASSERT_TRUE(QFile::remove(channel())); // deaf, though it runs
    companion.send("VEXA;run");
    companion.send("ANI;2");
    const QStringList got = received(3);
    ASSERT_TRUE(companion.process());
    const qint64 second = companion.process()->processId();
    EXPECT_NE(second, first);
    EXPECT_EQ(got, (QStringList{by(first, "ANI;1"), by(second, "VEXA;run"), by(second, "ANI;2")}));
    EXPECT_NE(::kill(static_cast<pid_t>(first), 0), 0);
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(CompanionTest, AnUnsafeFolderStartsNothing) {
    EnvVar noChannel("QOR_COMPANION_CHANNEL", nullptr);
    EnvVar noRuntime("XDG_RUNTIME_DIR", nullptr);
    EnvVar temp("TMPDIR", dir.path().c_str());
    const std::string folder = dir.file("qor-helper-" + std::to_string(::geteuid()));
    ::mkdir(folder.c_str(), 0700);
    ::chmod(folder.c_str(), 0777);
    platform.answerNotice();
    EXPECT_FALSE(companion.start(QStringLiteral(QOR_COMPANION_RECORDER), {}, q(dir.path())));
    EXPECT_EQ(companion.process(), nullptr);
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(kUnsafe));
    EXPECT_FALSE(test::exists(folder + "/vexa"));
}
