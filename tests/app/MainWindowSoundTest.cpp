// The main window's sounds and companion commands: every command reaches a companion
// listening on the channel at the moment it belongs to, the effects follow the answers,
// and closing the window ends the music for good.

#include "quiz/TfrmAtari.h"
#include "quiz/TfrmFinish.h"
#include "records/TfrmResultError.h"
#include "app/TfrmAbout.h"
#include "sound/BackgroundMusic.h"
#include "tests/app/ShellFixture.h"
#include "tests/sound/SoundFiles.h"
#include "ui/CompanionLink.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QTest>
#include <sys/stat.h>

using namespace qor;
using qor::test::PlatformCall;
using qor::test::ScriptedMediaPlayer;

namespace {

// A companion as the program sees one: it listens on the channel and keeps every line.
class ListeningCompanion {
public:
    explicit ListeningCompanion(const QString& name) {
        qputenv("QOR_COMPANION_CHANNEL", name.toUtf8());
        QLocalServer::removeServer(name);
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        listening_ = server_.listen(name);
        QObject::connect(&server_, &QLocalServer::newConnection, [this] {
            while (QLocalSocket* s = server_.nextPendingConnection()) {
                QObject::connect(s, &QLocalSocket::readyRead, [this, s] { take(s); });
                QObject::connect(s, &QLocalSocket::disconnected, [this, s] {
                    take(s);
                    s->deleteLater();
                });
            }
        });
    }
    ~ListeningCompanion() { qunsetenv("QOR_COMPANION_CHANNEL"); }
    bool listening() const { return listening_; }
    // The commands received once `count` have come (or after two seconds).
    QStringList received(int count) {
        (void)QTest::qWaitFor([&] { return lines_.size() >= count; }, 2000);
        QTest::qWait(20);  // a command that should not have come would be here by now
        return lines_;
    }

private:
    void take(QLocalSocket* s) {
        while (s->canReadLine()) lines_ << QString::fromLatin1(s->readLine()).chopped(1);
    }
    QLocalServer server_;
    bool listening_ = false;
    QStringList lines_;
};

class MainWindowSoundTest : public test::DrillWindowFixture {
protected:
    void expectAtari() {
        platform.answerModal([](QDialog& d) {
            EXPECT_NE(dynamic_cast<TfrmAtari*>(&d), nullptr);
            return static_cast<int>(QDialog::Accepted);
        });
    }
    void pressEnter() { QTest::keyClick(main->txtAnswer, Qt::Key_Return); }
    // A stand-in companion program that only waits to be asked to end.
    std::string companionProgram() {
        const std::string program = dir.file("companion");
        test::spit(program, "#!/bin/sh\nexec sleep 30\n");
        ::chmod(program.c_str(), 0755);
        return "HearingPath=" + program;
    }
    void answer(const QString& text) {
        main->txtAnswer->setText(text);
        pressEnter();
    }
};

} // namespace

TEST_F(MainWindowSoundTest, EveryCompanionCommandReachesTheCompanionAtItsMoment) {
    ListeningCompanion companion(QString::fromStdString(dir.file("channel")));
    ASSERT_TRUE(companion.listening());
    platform.deliverCompanionCommands();
    startMain(0, {"ShowResult=1", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "AtariOn=1",
                  "HazureOn=1", "FinishOn=1", "ErrorDialogOn=0", "", "[File Path]",
                  "FinishSoundFile=" + dir.file("finish.wav"), companionProgram()});
    main->settings().TimeLimitOn = 1;
    QStringList expected;
    auto expectNow = [&](QStringList more) {
        expected << more;
        EXPECT_EQ(companion.received(static_cast<int>(expected.size())), expected);
    };

    main->actOk->trigger();
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
        w.cmdAdd->click();
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

    // The effects went with the answers: right, wrong, three right, and the finish.
    QStringList waves;
    for (const PlatformCall& c : platform.callsOf(PlatformCall::Wave))
        waves << QString::fromStdString(fileNameOf(c.text.toStdString()));
    EXPECT_EQ(waves, (QStringList{"hit.wav", "out.wav", "hit.wav", "hit.wav", "hit.wav",
                                  "finish.wav"}));
}

TEST_F(MainWindowSoundTest, WithoutACompanionCommandsAreDroppedAtOnce) {
    qputenv("QOR_COMPANION_CHANNEL", QByteArray::fromStdString(dir.file("nobody")));
    platform.deliverCompanionCommands();
    startMain(0, {"ShowResult=0", "VoiceOn=1", "VoiceType=1", "AutoVoiceOn=1", "", "[File Path]",
                  companionProgram()});
    platform.answerModal([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    QElapsedTimer took;
    took.start();
    main->actOk->trigger();
    for (const char* a : {"走る", "食べる", "行く", "見る", "泳ぐ"}) answer(QString::fromUtf8(a));
    qunsetenv("QOR_COMPANION_CHANNEL");
    EXPECT_EQ(platform.companionTexts().size(), 11);  // 5 words, 5 verdicts, the congratulation
    EXPECT_LT(took.elapsed(), 1500);
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MainWindowSoundTest, EffectsAreHeardAndAMissingOneIsSilentWithoutABox) {
    test::diskAudioFile();
    platform.useRealSound();
    test::spit(dir.file("right.wav"), test::waveFile(0.4));
    startMain(0, {"ShowResult=0", "AtariOn=1", "HazureOn=1", "", "[File Path]",
                  "AtariSoundFile=" + dir.file("right.wav"),
                  "HazureSoundFile=" + dir.file("missing.wav")});
    main->actOk->trigger();
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
    main->settings().MusicOn = 1;
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
