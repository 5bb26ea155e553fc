// The companion's window and its channel: commands sent as the program sends them
// arrive, each animation draws its own figure, and the window sits at the corner.

#include "base/TextFile.h"
#include "services/CompanionLink.h"
#include "sound/CompanionSettings.h"
#include "tests/sound/SoundFiles.h"
#include "tests/support/TempDir.h"
#include "vexa/CommandServer.h"
#include "vexa/Figure.h"
#include "vexa/Speech.h"
#include "vexa/TfrmVexa.h"

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace qor;

namespace {

class VexaWindowTest : public ::testing::Test {
protected:
    test::TempDir dir;
    vexa::Speech speech;
    vexa::SpeechOutput output;
};

QImage still(vexa::Figure& figure) {
    return figure.grab().toImage();
}

// Sends a command as the program does to the companion process `pid` (by default this
// test, which listens itself).
bool deliver(const QString& channel, const QByteArray& command,
             qint64 pid = QCoreApplication::applicationPid()) {
    return ui::reachCompanion(channel, pid, command) == ui::Reach::Delivered;
}

} // namespace

TEST_F(VexaWindowTest, CommandsArriveWholeAndInOrder) {
    const QString name = QString::fromStdString(dir.file("channel"));
    vexa::CommandServer server;
    ASSERT_EQ(server.listen(name), vexa::CommandServer::Start::Listening) << server.errorString().toStdString();
    QStringList got;
    QObject::connect(&server, &vexa::CommandServer::commandReceived,
                     [&](const QByteArray& c) { got << QString::fromLatin1(c); });
    for (const char* c : {"ANI;1", "VEXA;look after", "VEXA;empCongratulation!", "ANI;14"})
        EXPECT_TRUE(deliver(name, c));
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.size() == 4; }, 2000));
    EXPECT_EQ(got, (QStringList{"ANI;1", "VEXA;look after", "VEXA;empCongratulation!", "ANI;14"}));

    // A second companion finds the first one listening.
    vexa::CommandServer second;
    EXPECT_EQ(second.listen(name), vexa::CommandServer::Start::AnotherIsListening);
    // Nobody on another name: the command is dropped at once.
    QElapsedTimer took;
    took.start();
    EXPECT_FALSE(deliver(QString::fromStdString(dir.file("nobody")), "ANI;1"));
    EXPECT_LT(took.elapsed(), 300);
}

TEST_F(VexaWindowTest, ASocketLeftByACompanionThatDiedIsTakenOver) {
    const std::string path = dir.file("stale");
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);  // the file stays, nobody listens
    EXPECT_FALSE(deliver(QString::fromStdString(path), "ANI;1"));
    vexa::CommandServer server;
    EXPECT_EQ(server.listen(QString::fromStdString(path)), vexa::CommandServer::Start::Listening);
    EXPECT_TRUE(deliver(QString::fromStdString(path), "ANI;1"));
}

TEST_F(VexaWindowTest, TheWindowStandsBesideTheMainWindowAndIsNotOnTopOfEverything) {
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_GE(room.width(), 700);
    ASSERT_GE(room.height(), 500);
    const std::string settings = companionSettingsPath(dir.folder());
    // The main window's frame ends at (500, 400): the companion stands at its right side,
    // its bottom level with the frame's.
    ASSERT_TRUE(writeCompanionCorner(settings, 500, 400));
    vexa::TfrmVexa window(speech, output);
    window.placeFrom(settings);
    EXPECT_EQ(window.geometry().topLeft(), QPoint(500, 400 - window.height()));
    EXPECT_FALSE(window.geometry().intersects(QRect(QPoint(0, 0), QPoint(499, 399))));
    // A tool window without frame, and no window on top of every other (the program's
    // dialogs among them).
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.windowType(), Qt::Tool);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);

    // It follows the window as the program tells.
    window.command("POS;300;250;42");
    EXPECT_EQ(window.geometry().topLeft(), QPoint(300, 250 - window.height()));
    EXPECT_EQ(window.owner(), 42u);
    // No room beside it at the screen's edge: below it.
    const int edge = room.right() + 1;
    window.command("POS;" + QByteArray::number(edge - 10) + ";300;42");
    EXPECT_EQ(window.geometry().topLeft(), QPoint(edge - 10 - window.width(), 300));
    // Maximized: the screen's corner.
    window.command("POS;" + QByteArray::number(edge) + ";" + QByteArray::number(room.bottom() + 1) + ";42");
    EXPECT_EQ(window.geometry().bottomRight(), room.bottomRight());

    // Off every screen it stays in reach; without the file it takes the screen's corner.
    ASSERT_TRUE(writeCompanionCorner(settings, -4000, 90000));
    window.placeFrom(settings);
    EXPECT_TRUE(room.contains(window.geometry()));
    window.placeFrom(dir.file("none/Setup.ini"));
    EXPECT_EQ(window.geometry().bottomRight(), room.bottomRight());
}

TEST_F(VexaWindowTest, EachAnimationDrawsItsOwnFigure) {
    vexa::TfrmVexa window(speech, output);
    window.show();
    vexa::Figure& figure = window.figure();
    const QImage idle = still(figure);
    std::vector<QImage> frames;
    for (int n : {1, 2, 5, 9, 13, 14}) {
        window.command(QByteArray("ANI;") + QByteArray::number(n));
        EXPECT_EQ(figure.animation(), n);
        QTest::qWait(250);
        QImage frame = still(figure);
        EXPECT_NE(frame, idle) << n;
        for (const QImage& other : frames) EXPECT_NE(frame, other) << n;
        frames.push_back(frame);
    }
    // The animation ends by itself.
    EXPECT_TRUE(QTest::qWaitFor([&] { return figure.animation() == vexa::Figure::Idle; },
                                vexa::Figure::kAnimationMs + 500));
    window.command("ANI;3");
    window.command("BEEP");
    EXPECT_EQ(figure.animation(), vexa::Figure::Idle);
}

TEST_F(VexaWindowTest, ASpokenWordIsHeardAndMovesTheMouth) {
    test::diskAudioFile();
    ASSERT_TRUE(speech.ready());
    vexa::TfrmVexa window(speech, output);
    window.show();
    const QImage quiet = still(window.figure());
    long long before = test::diskAudioSize();
    window.command("VEXA;apple");
    EXPECT_TRUE(window.figure().speaking());
    QTest::qWait(100);
    EXPECT_NE(still(window.figure()), quiet);
    EXPECT_TRUE(test::waitForSound(before, 2000, 2000));

    // Quiet for a few seconds, the output closes; the looks stop with it.
    auto* looks = window.findChild<QTimer*>(QStringLiteral("tmrQuiet"));
    ASSERT_TRUE(looks);
    EXPECT_TRUE(looks->isActive());
    (void)QTest::qWaitFor([&] { return !output.busy(); }, 5000);
    const auto t = std::chrono::steady_clock::now();
    EXPECT_TRUE(window.lookAtOutput(t));
    EXPECT_TRUE(window.lookAtOutput(t + std::chrono::seconds(4)));
    EXPECT_FALSE(window.lookAtOutput(t + std::chrono::seconds(5)));
    EXPECT_FALSE(output.isOpen());
    EXPECT_FALSE(looks->isActive());
    // The next word opens it and the looks again.
    window.command("VEXA;pear");
    EXPECT_TRUE(output.isOpen());
    EXPECT_TRUE(looks->isActive());
}

TEST_F(VexaWindowTest, TheProgramListensWhereItIsToldAndEndsWhenAsked) {
    const QString channel = QString::fromStdString(dir.file("channel"));
    const std::string settings = companionSettingsPath(dir.folder());
    ASSERT_TRUE(writeCompanionCorner(settings, 300, 200));
    QProcess vexa;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    vexa.setProcessEnvironment(env);
    vexa.start(QStringLiteral(QOR_VEXA_PROGRAM),
               {QStringLiteral("--settings"), QString::fromStdString(settings),
                QStringLiteral("--channel"), channel});
    ASSERT_TRUE(vexa.waitForStarted(3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return test::exists(channel.toStdString()); }, 5000));
    EXPECT_TRUE(deliver(channel, "ANI;1", vexa.processId()));
    EXPECT_TRUE(deliver(channel, "VEXA;apple", vexa.processId()));

    // A second one started on the same channel leaves the first alone and ends.
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(QOR_VEXA_PROGRAM), {QStringLiteral("--channel"), channel});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(deliver(channel, "ANI;2", vexa.processId()));

    vexa.terminate();
    ASSERT_TRUE(vexa.waitForFinished(3000));
    EXPECT_EQ(vexa.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(vexa.exitCode(), 0);
    EXPECT_FALSE(test::exists(channel.toStdString()));
}

TEST_F(VexaWindowTest, TheProgramEndsWhenTheProgramThatStartedItIsGone) {
    // The program that started it was killed, so that it could not ask it to end.
    QProcess owner;
    owner.start(QStringLiteral("true"), {});
    ASSERT_TRUE(owner.waitForStarted(5000));
    const qint64 gone = owner.processId();
    ASSERT_TRUE(owner.waitForFinished(5000));
    const QString channel = QString::fromStdString(dir.file("channel"));
    QProcess vexa;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    vexa.setProcessEnvironment(env);
    vexa.start(QStringLiteral(QOR_VEXA_PROGRAM),
               {QStringLiteral("--settings"), QString::fromStdString(dir.file("Setup.ini")),
                QStringLiteral("--channel"), channel, QStringLiteral("--owner"),
                QString::number(gone)});
    ASSERT_TRUE(vexa.waitForStarted(3000));
    ASSERT_TRUE(vexa.waitForFinished(30000));
    EXPECT_EQ(vexa.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(vexa.exitCode(), 0);
    EXPECT_FALSE(test::exists(channel.toStdString()));
}
