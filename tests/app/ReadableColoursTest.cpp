// Every text the program colours itself is readable under a dark and a light desktop
// palette: the main window in a drill, both verdict windows, the dictionary maker and the
// editor are drawn, and the contrast of each coloured text with what it is drawn on is
// measured from the pixels (WCAG relative luminance, at least 4.5 : 1). A colour the
// learner picked is the colour drawn.
//
// With QOR_SHOTS=<folder> the windows are also saved there as PNG files to be looked at.

#include "base/IniFile.h"
#include "quiz/DrillWindows.h"
#include "quiz/TfrmAtari.h"
#include "records/TfrmResultError.h"
#include "tests/app/ShellFixture.h"
#include "tests/support/DarkPalette.h"
#include "tools/TfrmEditDic.h"
#include "tools/TfrmMakeDic.h"
#include "ui/Contrast.h"
#include "ui/Fonts.h"
#include "ui/RadioGroup.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>
#include <map>

using namespace qor;
using qor::test::darkPalette;

namespace {

enum class Scheme { Dark, Light };

const char* name(Scheme s) {
    return s == Scheme::Dark ? "dark" : "light";
}

// What a box shows: its background (the most frequent colour) and its ink (the pixel that
// stands out most from it).
struct Drawn {
    QColor background;
    QColor ink;
    int inkPixels = 0; // pixels that differ clearly from the background
    double contrast() const { return ui::contrastRatio(ink, background); }
};

Drawn measure(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    Drawn d;
    int most = 0;
    for (const auto& [rgb, n] : counts) {
        if (n > most) {
            most = n;
            d.background = QColor(rgb);
        }
    }
    double best = 1.0;
    d.ink = d.background;
    for (const auto& [rgb, n] : counts) {
        const QColor c0(rgb);
        const int apart = std::abs(c0.red() - d.background.red()) +
                          std::abs(c0.green() - d.background.green()) +
                          std::abs(c0.blue() - d.background.blue());
        if (apart > 60) d.inkPixels += n;
        const double c = ui::contrastRatio(c0, d.background);
        if (c > best) {
            best = c;
            d.ink = QColor(rgb);
        }
    }
    return d;
}

// The inside of a box, where its text is, without its frame and focus mark.
QImage textArea(QWidget* box) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) {
        const QPixmap shot = memo->viewport()->grab();
        return shot.toImage();
    }
    const QPixmap shot = box->grab();
    const qreal dpr = shot.devicePixelRatio();
    const int inset = static_cast<int>(4 * dpr);
    return shot.toImage().copy(shot.rect().adjusted(inset, inset, -inset, -inset));
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 10 && std::abs(a.green() - b.green()) <= 10 &&
           std::abs(a.blue() - b.blue()) <= 10;
}

QString describe(const QColor& c) {
    return c.name();
}

class ReadableColoursTest : public test::ShellFixture {
protected:
    QPalette oldPalette;
    QString oldStyle;

    void SetUp() override {
        ShellFixture::SetUp();
        oldPalette = QApplication::palette();
        oldStyle = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        writeLines(dir.file("verbs.txt"), {sj("■run=■走る*■よく使う"), sj("■eat=■食べる*■y")});
        writeLines(dir.file("signs.txt"), {sj("■run=■r^n")});
    }
    void TearDown() override {
        QApplication::setStyle(QStyleFactory::create(oldStyle));
        QApplication::setPalette(oldPalette);
        ShellFixture::TearDown();
    }

    void use(Scheme scheme) {
        QApplication::setPalette(scheme == Scheme::Dark ? darkPalette()
                                                        : QApplication::style()->standardPalette());
    }

    // The colour a text of stored colour `stored` must be drawn in.
    static QColor expectedInk(long long stored, QWidget* box) {
        if (stored == ui::kDesktopTextColor)
            return QApplication::palette(box).color(QPalette::Text);
        return ui::colorFromSetting(stored);
    }

    void expectReadable(QWidget* box, long long stored, const char* what, Scheme scheme) {
        ASSERT_NE(box, nullptr) << what;
        // The text, not a blinking caret.
        box->clearFocus();
        QApplication::processEvents();
        const Drawn d = measure(textArea(box));
        const QColor want = expectedInk(stored, box);
        SCOPED_TRACE(std::string(what) + " under the " + name(scheme) + " palette: ink " +
                     describe(d.ink).toStdString() + " on " + describe(d.background).toStdString());
        EXPECT_GT(d.inkPixels, 20) << "no text drawn";
        EXPECT_TRUE(near(d.ink, want)) << "drawn in " << describe(d.ink).toStdString() << ", set "
                                       << describe(want).toStdString();
        EXPECT_GE(d.contrast(), ui::kReadableContrast);
    }

    static void save(QWidget* window, const QString& file) {
        const QString folder = qEnvironmentVariable("QOR_SHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        window->grab().save(folder + QLatin1Char('/') + file);
    }

    // The learner's colours (red in the lowest byte): navy, dark red, orange, green, and
    // the warning colour of the settings' default (red).
    struct Colours {
        long long question = 0, answer = 0, comment = 0, sign = 0;
        long long english = 0, japanese = 0, message = 0;
    };
    static Colours picked() {
        Colours c;
        c.question = 0x800000; // navy
        c.answer = 0x00A5FF;   // orange
        c.comment = 0x0000B0;  // dark red
        c.sign = 0x008000;     // green
        c.english = 0xFF0000;  // blue
        c.japanese = 0x00D7FF; // gold
        c.message = 0x808080;  // grey
        return c;
    }

    static QString tagOf(Scheme scheme, const Colours& c) {
        const bool picked =
            c.question || c.answer || c.comment || c.sign || c.english || c.japanese || c.message;
        return QStringLiteral("%1-%2").arg(QLatin1String(name(scheme)),
                                           picked ? QStringLiteral("picked")
                                                  : QStringLiteral("default"));
    }

    void paint(TUserSettings& s, const Colours& c) {
        s.look.FontQuestionColor = static_cast<int>(c.question);
        s.look.FontAnswerColor = static_cast<int>(c.answer);
        s.look.FontCommentColor = static_cast<int>(c.comment);
        s.look.FontPhoneticSignColor = static_cast<int>(c.sign);
        s.look.FontEnglishColor = static_cast<int>(c.english);
        s.look.FontJapaneseColor = static_cast<int>(c.japanese);
        s.look.FontMessageColor = static_cast<int>(c.message);
    }

    void mainWindowInADrill(Scheme scheme, const Colours& c, bool warning) {
        const std::string verbs = "verbs.txt=" + dir.file("verbs.txt");
        knownUser({"[Setup]", "ShowComment=1", "ShowPronunciation=1", "", "[QuestionSetup]",
                   "AnswerType=0", "QuestionNum=2", "NotRandom=1", "", "[Dictionary Path]", verbs});
        auto main = start();
        TUserSettings& s = main->settings();
        paint(s, c);
        s.files.PhoneticSignFile = dir.file("signs.txt");
        s.look.ColorChangeOn = warning;
        s.look.ChangeType = 2; // by the drill's percentage: 0 at the first question
        s.look.ChangeColorPercent = 50;
        s.look.ColorType = 255;
        main->settingsNotifier().notify(SettingsGroups::all());
        main->show();
        ctl<QComboBox>(*main, "cboDicFile")->setEditText(QStringLiteral("verbs.txt"));
        main->cboDicFileChange();
        ctl<QAction>(*main, "actOk")->trigger();
        ASSERT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), q("■run"));
        ctl<QLineEdit>(*main, "txtAnswer")->setText(q("■はしる"));
        QApplication::processEvents();
        save(main.get(),
             QStringLiteral("main-%1%2.png")
                 .arg(tagOf(scheme, c), warning ? QStringLiteral("-warning") : QString()));

        expectReadable(ctl<QPlainTextEdit>(*main, "moQuestion"), warning ? 255 : c.question, "the question", scheme);
        expectReadable(ctl<QLineEdit>(*main, "txtAnswer"), c.answer, "the answer", scheme);
        expectReadable(ctl<QPlainTextEdit>(*main, "moComment"), c.comment, "the comment", scheme);
        expectReadable(ctl<QPlainTextEdit>(*main, "moHatsuon"), c.sign, "the pronunciation", scheme);
        ctl<QAction>(*main, "actStop")->trigger();
        main->close();
    }

    void verdictWindows(Scheme scheme, const Colours& c) {
        TUserSettings s;
        s.ProgramFolder = dir.folder();
        s.UserName = "Taro";
        makeFolder(s.userFolder());
        SettingsStore::load(s);
        paint(s, c);
        s.drill.ImportantOn = true;

        Verdict v;
        v.lineText = sj("■run=■走る*■よく使う");
        v.answerSide = sj("■走る");
        v.comment = sj("■よく使う");
        v.shown = sj("■run");
        v.typedAnswer = sj("■走る");
        v.pronunciation = sj("■r^n");
        v.wordAsked = 3;
        v.wordPercentage = "67";
        v.dictionaryName = "verbs";
        TfrmAtari atari(v, UserFiles(s), s.drill, s.look);
        atari.show();
        QApplication::processEvents();
        save(&atari, QStringLiteral("atari-%1.png").arg(tagOf(scheme, c)));
        expectReadable(ctl<QPlainTextEdit>(atari, "moComment"), c.comment, "TfrmAtari's comment", scheme);
        expectReadable(ctl<QPlainTextEdit>(atari, "moPhoneticSign"), c.sign, "TfrmAtari's pronunciation", scheme);
        expectOnItsPanel(ctl<QLabel>(atari, "lblResult"), "TfrmAtari's title", scheme);
        expectOnItsPanel(ctl<QLabel>(atari, "lblData"), "TfrmAtari's data line", scheme);
        atari.close();

        Verdict wrong = v;
        wrong.typedAnswer = sj("■いそぐ");
        const MissedAnswer m = missedAnswerOf(wrong);
        TfrmResultError error(m, UserFiles(s), s.drill, s.look);
        error.show();
        QApplication::processEvents();
        save(&error, QStringLiteral("result-error-%1.png").arg(tagOf(scheme, c)));
        expectReadable(ctl<QPlainTextEdit>(error, "moComment"), c.comment, "TfrmResultError's comment", scheme);
        expectReadable(ctl<QPlainTextEdit>(error, "moPhoneticSign"), c.sign, "TfrmResultError's pronunciation", scheme);
        expectOnItsPanel(ctl<QLabel>(error, "lblResult"), "TfrmResultError's title", scheme);
        expectOnItsPanel(ctl<QLabel>(error, "lblData"), "TfrmResultError's data line", scheme);
        error.close();
    }

    // A label on a panel the program fills itself (the black verdict heading).
    void expectOnItsPanel(QLabel* label, const char* what, Scheme scheme) {
        const Drawn d = measure(label->grab().toImage());
        SCOPED_TRACE(std::string(what) + " under the " + name(scheme) + " palette");
        EXPECT_GT(d.inkPixels, 20);
        EXPECT_GE(d.contrast(), ui::kReadableContrast);
    }

    void toolWindows(Scheme scheme, const Colours& c) {
        TUserSettings s;
        s.ProgramFolder = dir.folder();
        s.UserName = "Taro";
        makeFolder(s.userFolder());
        SettingsStore::load(s);
        paint(s, c);
        s.files.DicInUse = dir.file("verbs.txt");

        TfrmMakeDic maker(UserFiles(s), s.files, s.look, s.dicTypes, TfrmMakeDic::Tab::Words);
        maker.show();
        QApplication::processEvents();
        auto field = [&](const char* n) { return maker.findChild<QLineEdit*>(QLatin1String(n)); };
        field("txtEnglish")->setText(q("■publish"));
        field("txtJapanese")->setText(q("■発行する"));
        field("txtComment")->setText(q("■コメント"));
        QApplication::processEvents();
        save(&maker, QStringLiteral("makedic-%1.png").arg(tagOf(scheme, c)));
        expectReadable(field("txtEnglish"), c.english, "the maker's English", scheme);
        expectReadable(field("txtJapanese"), c.japanese, "the maker's Japanese", scheme);
        expectReadable(field("txtComment"), c.message, "the maker's comment", scheme);
        maker.findChild<QTabWidget*>(QStringLiteral("pcMakeDic"))->setCurrentIndex(1);
        field("txtVoc")->setText(q("■publish"));
        field("moPron")->setText(q("■p^bli$"));
        QApplication::processEvents();
        save(&maker, QStringLiteral("makedic-signs-%1.png").arg(tagOf(scheme, c)));
        expectReadable(field("txtVoc"), c.english, "the maker's sign-tab word", scheme);
        expectReadable(field("moPron"), c.sign, "the maker's sign", scheme);
        expectOnItsPanel(maker.findChild<QLabel*>(QStringLiteral("lblBanner")),
                         "the maker's banner", scheme);
        maker.close();

        TfrmEditDic editor(UserFiles(s), s.files, s.look, s.files.DicInUse);
        editor.show();
        editor.FormShow();
        QApplication::processEvents();
        auto edit = [&](const char* n) { return editor.findChild<QLineEdit*>(QLatin1String(n)); };
        edit("txtEnglish")->setText(q("■run"));
        edit("txtJapanese")->setText(q("■走る"));
        edit("txtComment")->setText(q("■よく使う"));
        QApplication::processEvents();
        save(&editor, QStringLiteral("editdic-%1.png").arg(tagOf(scheme, c)));
        expectReadable(edit("txtEnglish"), c.english, "the editor's English", scheme);
        expectReadable(edit("txtJapanese"), c.japanese, "the editor's Japanese", scheme);
        expectReadable(edit("txtComment"), c.message, "the editor's comment", scheme);
        expectOnItsPanel(editor.findChild<QLabel*>(QStringLiteral("lblBanner")),
                         "the editor's banner", scheme);
        editor.close();
    }
};

} // namespace

TEST_F(ReadableColoursTest, TheMainWindowInADrillWithTheDefaultColours) {
    for (Scheme scheme : {Scheme::Dark, Scheme::Light}) {
        use(scheme);
        mainWindowInADrill(scheme, Colours{}, false);
    }
}

TEST_F(ReadableColoursTest, TheMainWindowInADrillWithTheLearnersColoursAndTheWarning) {
    for (Scheme scheme : {Scheme::Dark, Scheme::Light}) {
        use(scheme);
        mainWindowInADrill(scheme, picked(), false);
        mainWindowInADrill(scheme, picked(), true);
    }
}

TEST_F(ReadableColoursTest, TheMainWindowInAChoiceDrill) {
    for (Scheme scheme : {Scheme::Dark, Scheme::Light}) {
        use(scheme);
        const std::string verbs = "verbs.txt=" + dir.file("verbs.txt");
        knownUser({"[Setup]", "ShowComment=1", "", "[QuestionSetup]", "AnswerType=2",
                   "QuestionNum=2", "NotRandom=1", "", "[Dictionary Path]", verbs});
        auto main = start();
        main->show();
        ctl<QComboBox>(*main, "cboDicFile")->setEditText(QStringLiteral("verbs.txt"));
        main->cboDicFileChange();
        ctl<QAction>(*main, "actOk")->trigger();
        ASSERT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->count(), 4);
        QApplication::processEvents();
        save(main.get(), QStringLiteral("main-%1-choices.png").arg(tagOf(scheme, Colours{})));
        expectReadable(ctl<QPlainTextEdit>(*main, "moQuestion"), 0, "the question", scheme);
        expectReadable(ctl<QPlainTextEdit>(*main, "moComment"), 0, "the comment", scheme);
        ctl<QAction>(*main, "actStop")->trigger();
        main->close();
    }
}

TEST_F(ReadableColoursTest, BothVerdictWindows) {
    for (Scheme scheme : {Scheme::Dark, Scheme::Light}) {
        use(scheme);
        verdictWindows(scheme, Colours{});
        verdictWindows(scheme, picked());
    }
}

TEST_F(ReadableColoursTest, TheMakerAndTheEditor) {
    for (Scheme scheme : {Scheme::Dark, Scheme::Light}) {
        use(scheme);
        toolWindows(scheme, Colours{});
        toolWindows(scheme, picked());
    }
}

TEST_F(ReadableColoursTest, ABoxFollowsThePaletteWhenTheDesktopChangesIt) {
    knownUser({"[Setup]", "ShowComment=1"});
    use(Scheme::Light);
    auto main = start();
    main->settings().look.FontCommentColor = 0x800000; // navy: readable on white only
    main->settingsNotifier().notify(SettingsGroups::all());
    main->show();
    QApplication::processEvents();
    ctl<QPlainTextEdit>(*main, "moComment")->setPlainText(q("■コメント"));
    ctl<QPlainTextEdit>(*main, "moQuestion")->setPlainText(q("■run"));
    expectReadable(ctl<QPlainTextEdit>(*main, "moComment"), 0x800000, "the comment", Scheme::Light);
    expectReadable(ctl<QPlainTextEdit>(*main, "moQuestion"), 0, "the question", Scheme::Light);
    use(Scheme::Dark);
    QApplication::processEvents();
    expectReadable(ctl<QPlainTextEdit>(*main, "moComment"), 0x800000, "the comment", Scheme::Dark);
    expectReadable(ctl<QPlainTextEdit>(*main, "moQuestion"), 0, "the question", Scheme::Dark);
    main->close();
}
