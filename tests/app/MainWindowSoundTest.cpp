// The main window's sounds and companion commands: every command reaches the companion
// the window started at the moment it belongs to, a channel held by anybody else gets
// nothing and is reported once, a companion that died is started again, the effects
// follow the answers, and closing the window ends the music for good.

#include "app/TfrmAbout.h"
#include "quiz/TfrmAtari.h"
#include "quiz/TfrmFinish.h"
#include "records/TfrmResultError.h"
#include "services/LeftCompanion.h"
#include "services/QtPlatform.h"
#include "sound/BackgroundMusic.h"
#include "tests/app/ShellFixture.h"
#include "tests/sound/SoundFiles.h"
#include "tests/sound/StrangerListener.h"
#include "tests/support/ScopedEnv.h"
#include "tests/vexa/Squatter.h"
#include "vexa/Speech.h"
#include "vexa/TfrmVexa.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <limits>
#include <csignal>
#include <sys/stat.h>

using namespace qor;
using qor::test::PlatformCall;
using qor::test::ScriptedMediaPlayer;

namespace {

// The companion the program starts in these tests: it listens with vexa's server on the
// channel the test names and writes down every command it hears, with its process id.
class RecordingCompanion {
public:
    explicit RecordingCompanion(const test::TempDir& dir)
        : log_(dir.file("received.txt")),
          channel_("QOR_COMPANION_CHANNEL", dir.file("channel").c_str()),
          logVar_("QOR_TEST_COMPANION_LOG", log_.c_str()) {}
    static std::string hearingPath() {
        return std::string("HearingPath=") + QOR_COMPANION_RECORDER;
    }
    // The commands received once `count` have come (or after a generous while).
    QStringList received(int count) {
        (void)QTest::qWaitFor([&] { return read().size() >= count; }, 30000);
        QTest::qWait(20);  // a command that should not have come would be here by now
        QStringList commands;
        for (const auto& [pid, command] : read()) commands << command;
        return commands;
    }
    // The process ids of the companions that heard them, in order.
    QList<qint64> hearers() {
        QList<qint64> pids;
        for (const auto& [pid, command] : read()) pids << pid;
        return pids;
    }
    // Where the window told the companion to stand ("POS;..."), in order, once `count`
    // have come (or after a generous while).
    QStringList places(int count) {
        (void)QTest::qWaitFor([&] { return read(true).size() >= count; }, 30000);
        QStringList commands;
        for (const auto& [pid, command] : read(true)) commands << command;
        return commands;
    }

private:
    // The commands of the drill, or with `places` the places of the window.
    QList<std::pair<qint64, QString>> read(bool places = false) const {
        QList<std::pair<qint64, QString>> lines;
        QFile log(QString::fromStdString(log_));
        if (!log.open(QIODevice::ReadOnly)) return lines;
        for (const QByteArray& line : log.readAll().split('\n')) {
            const qsizetype space = line.indexOf(' ');
            if (space <= 0 || line.mid(space + 1).startsWith("POS;") != places) continue;
            lines.append({line.left(space).toLongLong(), QString::fromLatin1(line.mid(space + 1))});
        }
        return lines;
    }
    std::string log_;
    test::ScopedEnv channel_;
    test::ScopedEnv logVar_;
};

// The program's own platform: what the scripted one hands on goes where the program's
// would send it. It lives as long as the test program, as the windows may use it to the end.
ui::QtPlatform& programPlatform() {
    static ui::QtPlatform platform;
    return platform;
}

const QString kTaken = QStringLiteral("音声用のプログラムとの通信路が、ほかのプログラムに使われています。");

class MainWindowSoundTest : public test::DrillWindowFixture {
protected:
    void expectAtari() {
        platform.answerModal([](QDialog& d) {
            EXPECT_NE(dynamic_cast<TfrmAtari*>(&d), nullptr);
            return static_cast<int>(QDialog::Accepted);
        });
    }
    void pressEnter() { QTest::keyClick(ctl<QLineEdit>(*main, "txtAnswer"), Qt::Key_Return); }
    // A stand-in companion program that only waits to be asked to end.
    std::string companionProgram() {
        const std::string program = dir.file("companion");
        test::spit(program, "#!/bin/sh\nexec sleep 30\n");
        ::chmod(program.c_str(), 0755);
        return "HearingPath=" + program;
    }
    void answer(const QString& text) {
        ctl<QLineEdit>(*main, "txtAnswer")->setText(text);
        pressEnter();
    }
    // A whole drill without verdict windows: words, verdicts and the congratulation.
    void runDrill() {
        platform.answerModal([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
        ctl<QAction>(*main, "actOk")->trigger();
        for (const char* a : {"走る", "食べる", "行く", "見る", "泳ぐ"}) answer(QString::fromUtf8(a));
        EXPECT_EQ(platform.companionTexts().size(), 11);
    }
};

} // namespace

TEST_F(MainWindowSoundTest, EveryCompanionCommandReachesTheCompanionAtItsMoment) {
    RecordingCompanion companion(dir);
    platform.deliverCompanionCommands(programPlatform());
    startMain(0, {"ShowResult=1", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "AtariOn=1",
                  "HazureOn=1", "FinishOn=1", "ErrorDialogOn=0", "", "[File Path]",
                  "FinishSoundFile=" + dir.file("finish.wav"), RecordingCompanion::hearingPath()});
    ASSERT_TRUE(main->companionProcess());
    const qint64 pid = main->companionProcess()->processId();
    main->settings().drill.TimeLimitOn = true;
    QStringList expected;
    auto expectNow = [&](QStringList more) {
        expected << more;
        EXPECT_EQ(companion.received(static_cast<int>(expected.size())), expected);
    };

    ctl<QAction>(*main, "actOk")->trigger();
    expectNow({"VEXA;run"});  // the question is shown
    main->cmdPlayVoiceClick();
    expectNow({"VEXA;run"});
    main->tmrTimerTimer();
    expectNow({"ANI;14"});

    expectAtari();
    answer(QStringLiteral("走る"));
    expectNow({"ANI;1", "VEXA;eat"});

    // A wrong typed answer accepted in the error dialog.
    platform.answerModal([](QDialog& d) {
        auto& w = dynamic_cast<TfrmResultError&>(d);
        ctl<QPushButton>(w, "cmdAdd")->click();
        return static_cast<int>(QDialog::Accepted);
    });
    answer(QStringLiteral("x"));
    expectNow({"ANI;2", "ANI;13", "VEXA;go"});

    expectAtari();
    answer(QStringLiteral("行く"));
    expectNow({"ANI;1", "VEXA;see"});
    expectAtari();
    answer(QStringLiteral("見る"));
    expectNow({"ANI;1", "VEXA;swim"});

    // The last answer makes a drill with every answer right.
    expectAtari();
    platform.answerModal([&](QDialog& d) {
        EXPECT_NE(dynamic_cast<TfrmFinish*>(&d), nullptr);
        // The congratulation came before the end window.
        EXPECT_EQ(companion.received(static_cast<int>(expected.size()) + 2).mid(expected.size()),
                  (QStringList{"ANI;1", "VEXA;empCongratulation!"}));
        return static_cast<int>(QDialog::Rejected);
    });
    answer(QStringLiteral("泳ぐ"));
    expectNow({"ANI;1", "VEXA;empCongratulation!"});

    platform.answerModal([](QDialog& d) {
        EXPECT_NE(dynamic_cast<TfrmAbout*>(&d), nullptr);
        return static_cast<int>(QDialog::Accepted);
    });
    main->cmdVersionClick();
    expectNow({"ANI;9"});
    EXPECT_EQ(platform.pendingAnswers(), 0u);
    EXPECT_TRUE(platform.clipboardTexts().isEmpty());
    // All to the companion the window started.
    EXPECT_EQ(companion.hearers(), QList<qint64>(expected.size(), pid));

    // The effects went with the answers: right, wrong, three right, and the finish.
    QStringList waves;
    for (const PlatformCall& c : platform.callsOf(PlatformCall::Wave))
        waves << QString::fromStdString(fileNameOf(c.text.toStdString()));
    EXPECT_EQ(waves, (QStringList{"hit.wav", "out.wav", "hit.wav", "hit.wav", "hit.wav",
                                  "finish.wav"}));
}

TEST_F(MainWindowSoundTest, ACompanionThatDoesNotListenHoldsUpNothing) {
    qputenv("QOR_COMPANION_CHANNEL", QByteArray::fromStdString(dir.file("nobody")));
    platform.deliverCompanionCommands(programPlatform());
    startMain(0, {"ShowResult=0", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "", "[File Path]",
                  companionProgram()});
    // The same drill with the voice off, timed in the same run, is the floor; the quickest
    // of three of each keeps a moment's load on the machine out of the comparison. A send
    // that waited on the dead channel would add its wait to each of the eleven commands.
    auto timedDrill = [this](bool voice) {
        main->settings().sound.VoiceOn = voice;
        platform.answerModal([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
        QElapsedTimer took;
        took.start();
        ctl<QAction>(*main, "actOk")->trigger();
        for (const char* a : {"走る", "食べる", "行く", "見る", "泳ぐ"}) answer(QString::fromUtf8(a));
        return took.nsecsElapsed();
    };
    qint64 withVoice = std::numeric_limits<qint64>::max();
    qint64 floor = withVoice;
    for (int round = 0; round < 3; ++round) {
        withVoice = std::min(withVoice, timedDrill(true));
        floor = std::min(floor, timedDrill(false));
    }
    qunsetenv("QOR_COMPANION_CHANNEL");
    // 5 words, 5 verdicts and the congratulation, three times.
    EXPECT_EQ(platform.companionTexts().size(), 33);
    EXPECT_LT(withVoice, 10 * floor) << withVoice / 1000000 << " ms against " << floor / 1000000
                                    << " ms";
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MainWindowSoundTest, AListenerOnTheChannelGetsNothingFromTheDrillAndIsReportedOnce) {
    const QString channel = QString::fromStdString(dir.file("channel"));
    test::ScopedEnv name("QOR_COMPANION_CHANNEL", channel.toUtf8().constData());
    // Another program of this user listens there before the window starts its companion.
    test::Squatter squatter(channel);
    ASSERT_TRUE(squatter.listening());
    platform.deliverCompanionCommands(programPlatform());
    platform.answerNotice();
    startMain(0, {"ShowResult=0", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "", "[File Path]",
                  RecordingCompanion::hearingPath()});
    runDrill();
    EXPECT_EQ(squatter.receivedBeforeMark(), QByteArray());
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(kTaken));
    EXPECT_TRUE(platform.boxTexts()[0].contains(channel));
}

TEST_F(MainWindowSoundTest, AListenerThatTakesTheChannelFromTheCompanionGetsNothing) {
    RecordingCompanion companion(dir);
    platform.deliverCompanionCommands(programPlatform());
    startMain(0, {"ShowResult=0", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "", "[File Path]",
                  RecordingCompanion::hearingPath()});
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_EQ(companion.received(1), QStringList{"VEXA;run"});
    // Another program of this user puts its own socket in the companion's place.
    const QString channel = QString::fromStdString(dir.file("channel"));
    ASSERT_TRUE(QFile::remove(channel));
    test::Squatter squatter(channel);
    ASSERT_TRUE(squatter.listening());
    platform.answerNotice();
    main->cmdPlayVoiceClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.boxTexts().isEmpty(); }, 30000));
    platform.answerModal([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    for (const char* a : {"走る", "食べる", "行く", "見る", "泳ぐ"}) answer(QString::fromUtf8(a));
    EXPECT_EQ(squatter.receivedBeforeMark(), QByteArray());
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(kTaken));
}

TEST_F(MainWindowSoundTest, AnotherUsersListenerOnTheChannelGetsNothing) {
    if (!test::StrangerListener::possible()) GTEST_SKIP() << "only root can be another user";
    // A folder both users can write in, as the temporary folder is.
    ::chmod(dir.path().c_str(), 0711);
    const std::string shared = dir.file("shared");
    ::mkdir(shared.c_str(), 0700);
    ::chmod(shared.c_str(), 01777);
    test::ScopedEnv name("QOR_COMPANION_CHANNEL", (shared + "/channel").c_str());
    test::StrangerListener stranger(shared + "/channel");
    ASSERT_TRUE(stranger.listening());
    platform.deliverCompanionCommands(programPlatform());
    platform.answerNotice();
    startMain(0, {"ShowResult=0", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "", "[File Path]",
                  RecordingCompanion::hearingPath()});
    runDrill();
    EXPECT_EQ(stranger.bytesReceived(), 0);
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(kTaken));
}

TEST_F(MainWindowSoundTest, AChannelFolderThatIsNotPrivateIsReportedOnceAndGetsNothing) {
    // No runtime folder: the channel's folder is made in the temporary folder, where
    // somebody put a link to a folder of their choosing, with a listener inside.
    const std::string temp = dir.file("tmp");
    ::mkdir(temp.c_str(), 0700);
    ::mkdir(dir.file("ready").c_str(), 0700);
    const std::string folder = temp + "/qor-helper-" + std::to_string(::geteuid());
    ASSERT_EQ(::symlink(dir.file("ready").c_str(), folder.c_str()), 0);
    test::ScopedEnv noName("QOR_COMPANION_CHANNEL", nullptr);
    test::ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
    test::ScopedEnv tempFolder("TMPDIR", temp.c_str());
    test::Squatter squatter(QString::fromStdString(dir.file("ready/vexa")));
    ASSERT_TRUE(squatter.listening());
    platform.deliverCompanionCommands(programPlatform());
    platform.answerNotice();
    startMain(0, {"ShowResult=0", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "", "[File Path]",
                  RecordingCompanion::hearingPath()});
    EXPECT_EQ(main->companionProcess(), nullptr);
    runDrill();
    EXPECT_EQ(squatter.receivedBeforeMark(), QByteArray());
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(
        QStringLiteral("音声用のプログラムとの通信に使うフォルダーが安全ではないため、")));
    EXPECT_TRUE(platform.boxTexts()[0].contains(QString::fromStdString(folder)));
}

TEST_F(MainWindowSoundTest, ACompanionThatDiedIsStartedAgainAndSpeaksTheNextWord) {
    RecordingCompanion companion(dir);
    platform.deliverCompanionCommands(programPlatform());
    startMain(0, {"ShowResult=0", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "", "[File Path]",
                  RecordingCompanion::hearingPath()});
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_EQ(companion.received(1), QStringList{"VEXA;run"});
    ASSERT_TRUE(main->companionProcess());
    const qint64 first = main->companionProcess()->processId();
    ::kill(static_cast<pid_t>(first), SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return main->companionProcess() && main->companionProcess()->processId() != first;
    }, 30000));
    const qint64 second = main->companionProcess()->processId();
    main->cmdPlayVoiceClick();
    EXPECT_EQ(companion.received(2), (QStringList{"VEXA;run", "VEXA;run"}));
    EXPECT_EQ(companion.hearers(), (QList<qint64>{first, second}));
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MainWindowSoundTest, ACompanionWhoseSocketWentIsStartedAgainAndTheWordArrives) {
    RecordingCompanion companion(dir);
    platform.deliverCompanionCommands(programPlatform());
    startMain(0, {"ShowResult=0", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "", "[File Path]",
                  RecordingCompanion::hearingPath()});
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_EQ(companion.received(1), QStringList{"VEXA;run"});
    const qint64 first = main->companionProcess()->processId();
    // It runs but hears nothing more: its socket is gone.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(dir.file("channel"))));
    main->cmdPlayVoiceClick();
    EXPECT_EQ(companion.received(2), (QStringList{"VEXA;run", "VEXA;run"}));
    ASSERT_TRUE(main->companionProcess());
    const qint64 second = main->companionProcess()->processId();
    EXPECT_NE(second, first);
    EXPECT_EQ(companion.hearers(), (QList<qint64>{first, second}));
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MainWindowSoundTest, EffectsAreHeardAndAMissingOneIsSilentWithoutABox) {
    test::diskAudioFile();
    platform.useRealSound(programPlatform());
    test::spit(dir.file("right.wav"), test::waveFile(0.4));
    startMain(0, {"ShowResult=0", "AtariOn=1", "HazureOn=1", "", "[File Path]",
                  "AtariSoundFile=" + dir.file("right.wav"),
                  "HazureSoundFile=" + dir.file("missing.wav")});
    ctl<QAction>(*main, "actOk")->trigger();
    long long before = test::diskAudioSize();
    answer(QStringLiteral("走る"));
    EXPECT_TRUE(test::waitForSound(before, 1500));
    QTest::qWait(600);  // the effect is over
    before = test::diskAudioSize();
    answer(QStringLiteral("x"));
    QTest::qWait(600);
    EXPECT_LT(test::loudestSince(before), 50);
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MainWindowSoundTest, ClosingTheWindowWhileMusicPlaysStopsItForGood) {
    startMain(0, {});
    main->settings().music.MusicOn = true;
    ASSERT_TRUE(main->music().playMidi(QStringLiteral("/music/song.mid")));
    ScriptedMediaPlayer& midi = *platform.players(ui::MediaKind::Midi).back();
    midi.finish();  // it loops while the window is open
    EXPECT_TRUE(midi.playing());
    midi.ops.clear();

    main->close();
    EXPECT_EQ(midi.ops, (QStringList{"pause", "stop", "close"}));
    EXPECT_TRUE(main->music().closing());
    // An end notice that was on its way starts nothing.
    main->music().mpMidiNotify();
    EXPECT_EQ(midi.ops, (QStringList{"pause", "stop", "close"}));
    EXPECT_FALSE(midi.playing());
}

// --- the companion's place, and a companion left behind ---

namespace {

// Whether a process runs (a zombie is over).
bool running(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) != "Z";
}

// The id of a process that has ended: the owner of a companion left behind.
qint64 endedProcess() {
    QProcess p;
    p.start(QStringLiteral("true"), {});
    if (!p.waitForStarted(5000)) return 0;
    const qint64 pid = p.processId();
    p.waitForFinished(5000);
    return pid;
}

// A recording companion as a program that was killed left it: listening on the channel,
// no child of anybody here, its owner gone.
qint64 leaveCompanion(const QString& channel) {
    qint64 pid = 0;
    if (!QProcess::startDetached(QStringLiteral(QOR_COMPANION_RECORDER),
                                 {QStringLiteral("--channel"), channel, QStringLiteral("--owner"),
                                  QString::number(endedProcess())},
                                 {}, &pid))
        return 0;
    (void)QTest::qWaitFor([&] { return ui::leftCompanionOn(channel) == pid; }, 30000);
    return pid;
}

} // namespace

TEST_F(MainWindowSoundTest, TheCompanionStandsBesideTheWindowAndFollowsItsMovesAndMaximizing) {
    RecordingCompanion companion(dir);
    startMain(0, {"VoiceOn=1", "VoiceType=1", "", "[File Path]", RecordingCompanion::hearingPath()});
    ASSERT_TRUE(main->companionProcess());
    main->show();
    main->move(60, 40);
    vexa::Speech speech;
    vexa::SpeechOutput output;
    vexa::TfrmVexa figure(speech, output);
    auto standsAt = [&](const QStringList& places) {
        EXPECT_FALSE(places.isEmpty());
        if (!places.isEmpty()) figure.command(places.last().toLatin1());
        return figure.geometry();
    };
    // Told once the move settled: the figure stands beside the frame at its bottom-right
    // corner, over none of it.
    auto lastPlace = [&] {
        const QStringList places = companion.places(1);
        return places.isEmpty() ? QString() : places.last();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return lastPlace().startsWith(QStringLiteral("POS;%1;").arg(main->frameGeometry().right() + 1));
    }, 30000));
    QRect frame = main->frameGeometry();
    QRect at = standsAt(companion.places(1));
    EXPECT_EQ(at.left(), frame.right() + 1);
    EXPECT_EQ(at.bottom(), frame.bottom());
    EXPECT_FALSE(at.intersects(frame));
    EXPECT_EQ(figure.owner(), static_cast<unsigned long long>(main->internalWinId()));

    // Moved again: it follows.
    const int told = static_cast<int>(companion.places(1).size());
    main->move(20, 100);
    const QStringList moved = companion.places(told + 1);
    frame = main->frameGeometry();
    at = standsAt(moved);
    EXPECT_EQ(at.left(), frame.right() + 1);
    EXPECT_EQ(at.bottom(), frame.bottom());
    EXPECT_FALSE(at.intersects(frame));

    // Maximized, the screen has no room beside or below the window: the screen's corner.
    main->showMaximized();
    const QRect room = main->screen()->availableGeometry();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return lastPlace().startsWith(
            QStringLiteral("POS;%1;%2;").arg(room.right() + 1).arg(room.bottom() + 1));
    }, 30000));
    EXPECT_EQ(standsAt(companion.places(1)).bottomRight(), room.bottomRight());
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MainWindowSoundTest, ACompanionLeftByAKilledProgramIsClosedAtTheNextStart) {
    RecordingCompanion companion(dir);
    const QString channel = QString::fromStdString(dir.file("channel"));
    const qint64 left = leaveCompanion(channel);
    ASSERT_NE(left, 0);
    platform.deliverCompanionCommands(programPlatform());
    startMain(0, {"ShowResult=0", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "", "[File Path]",
                  RecordingCompanion::hearingPath()});
    EXPECT_FALSE(running(left));
    ASSERT_TRUE(main->companionProcess());
    const qint64 ours = main->companionProcess()->processId();
    // The program's own companion has the channel, and hears the drill.
    ctl<QAction>(*main, "actOk")->trigger();
    EXPECT_EQ(companion.received(1), QStringList{"VEXA;run"});
    EXPECT_EQ(companion.hearers(), QList<qint64>{ours});
    EXPECT_EQ(ui::leftCompanionOn(channel), 0);
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MainWindowSoundTest, ACompanionLeftBehindIsClosedAtTheNextNormalExitToo) {
    RecordingCompanion companion(dir);
    const QString channel = QString::fromStdString(dir.file("channel"));
    startMain(0, {"ShowResult=0", "VoiceOn=0"});
    // Left while this run, without the companion, went on.
    const qint64 left = leaveCompanion(channel);
    ASSERT_NE(left, 0);
    main->close();
    EXPECT_FALSE(running(left));
    EXPECT_EQ(ui::leftCompanionOn(channel), 0);
}

TEST_F(MainWindowSoundTest, TheCompanionOfAProgramThatRunsIsNotLeftBehind) {
    // Another run of the program (here: this test) started it and still runs: it stays.
    RecordingCompanion companion(dir);
    const QString channel = QString::fromStdString(dir.file("channel"));
    QProcess other;
    other.start(QStringLiteral(QOR_COMPANION_RECORDER),
                {QStringLiteral("--channel"), channel, QStringLiteral("--owner"),
                 QString::number(QCoreApplication::applicationPid())});
    ASSERT_TRUE(other.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(channel); }, 30000));
    EXPECT_EQ(ui::leftCompanionOn(channel), 0);
    startMain(0, {"ShowResult=0", "VoiceOn=0"});
    main->close();
    EXPECT_EQ(other.state(), QProcess::Running);
    other.kill();
    other.waitForFinished(5000);
}
