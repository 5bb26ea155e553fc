#include "print/LinesView.h"
#include "print/TfrmMakeTest.h"
#include "print/TfrmQuestion.h"

#include "records/RecordFiles.h"
#include "tests/print/PrintFixture.h"
#include "tests/support/FullDisk.h"
#include "tests/support/PdfText.h"
#include "ui/Printing.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextDocument>

using namespace qor;
using namespace qor::test;

namespace {

const std::string kSeparator(66, '=');

class MakeTestWindowTest : public PrintFixture {
protected:
    DrillSummary last;
    DrillHistory history;

    std::unique_ptr<TfrmMakeTest> open() {
        return std::make_unique<TfrmMakeTest>(UserFiles(settings), settings.files,
                                              settings.UserName, last, history);
    }
    void todayMisses(const std::string& num, const std::string& today) {
        spit(settings.userFile("19998_verbs.dat"),
             crlf({"[Error]", "Date=8/9", "Num=" + num, "Today=" + today, "YesterdayNum=0",
                   "Yesterday=0"}));
    }
    static void chooseType(TfrmMakeTest& frm, PrintType type) {
        find<QComboBox>(frm, "cboPrintType")->setCurrentIndex(static_cast<int>(type));
    }
    static QString boxText(TfrmMakeTest& frm) {
        return find<LinesView>(frm, "moData")->text();
    }
    static bool printEnabled(TfrmMakeTest& frm) {
        return find<QPushButton>(frm, "cmdPrint")->isEnabled();
    }
    // The sheet's lines on the box, as the screen shows them.
    static QString shown(const std::vector<std::string>& lines) {
        QStringList out;
        for (const std::string& line : lines)
            out << ui::toQ(line);
        return out.join(QLatin1Char('\n'));
    }
};

TEST_F(MakeTestWindowTest, OpeningReadsMakeTestAndShowsTheDictionaryInUse) {
    setup({"[Dictionary]", "DicNum=2", "1=verbs.txt", "2=nouns.txt", "[Make Test]", "SelectOn=1",
           "PrintAnswer=1", "Tab=200"});
    settings.files.DicInUse = "/elsewhere/adj.txt";
    auto frm = open();
    EXPECT_EQ(frm->windowTitle(), q("簡易テスト用紙の作成"));
    auto* dic = find<QComboBox>(*frm, "cboDicFile");
    EXPECT_EQ(dic->count(), 2);
    EXPECT_EQ(dic->itemText(1), q("nouns.txt"));
    EXPECT_EQ(dic->currentText(), q("adj.txt"));
    auto* type = find<QComboBox>(*frm, "cboPrintType");
    ASSERT_EQ(type->count(), 6);
    EXPECT_EQ(type->currentIndex(), 0);
    EXPECT_EQ(type->itemText(0), q("直前に間違えた問題"));
    EXPECT_EQ(type->itemText(5), q("辞書内のデータ全て"));
    EXPECT_TRUE(find<QCheckBox>(*frm, "chkSelectOn")->isChecked());
    EXPECT_TRUE(find<QCheckBox>(*frm, "chkPrintAnswer")->isChecked());
    EXPECT_FALSE(find<QCheckBox>(*frm, "chkToEnglish")->isChecked());
    EXPECT_EQ(find<QCheckBox>(*frm, "chkToEnglish")->text(), q("日本語から英語形式で作成(&E)"));
    EXPECT_EQ(find<QSpinBox>(*frm, "txtTab")->value(), 200);
    EXPECT_EQ(find<QSpinBox>(*frm, "txtPrintNum")->value(), 1);
    EXPECT_TRUE(find<QSpinBox>(*frm, "txtPastNum")->isHidden());
    EXPECT_FALSE(printEnabled(*frm));
    EXPECT_TRUE(find<QPushButton>(*frm, "cmdView")->isDefault());
    EXPECT_TRUE(frm->statusText().isEmpty());
    EXPECT_TRUE(boxText(*frm).isEmpty());
}

TEST_F(MakeTestWindowTest, ThePrintTypeShowsTheEntryNumberAndOffersTheScoreLine) {
    setup({"[Dictionary]", "DicNum=1", "1=verbs.txt", "[Make Test]", "PrintOption=1"});
    history.drills[2].dictionaryPath = "/words/nouns.txt";
    auto frm = open();
    auto* past = find<QSpinBox>(*frm, "txtPastNum");
    auto* score = find<QCheckBox>(*frm, "chkPrintOption");
    auto* dic = find<QComboBox>(*frm, "cboDicFile");
    for (PrintType t : {PrintType::PastAsked, PrintType::PastMissed}) {
        chooseType(*frm, t);
        EXPECT_FALSE(past->isHidden());
        EXPECT_TRUE(score->isEnabled());
        EXPECT_TRUE(score->isChecked());
    }
    EXPECT_EQ(past->minimum(), 1);
    EXPECT_EQ(past->maximum(), 10);
    // Entry 1 has no drill: the dictionary shown stays; entry 2 shows its own.
    EXPECT_EQ(dic->currentText(), q("verbs.txt"));
    past->setValue(2);
    EXPECT_EQ(dic->currentText(), q("nouns.txt"));

    for (PrintType t : {PrintType::TodayErrors, PrintType::YesterdayErrors,
                        PrintType::WholeDictionary}) {
        chooseType(*frm, t);
        EXPECT_TRUE(past->isHidden());
        EXPECT_FALSE(score->isEnabled());
        EXPECT_FALSE(score->isChecked());
    }
    EXPECT_FALSE(frm->makeTestSettings().PrintOption);
    chooseType(*frm, PrintType::LastErrors);
    EXPECT_TRUE(score->isEnabled());
    EXPECT_TRUE(past->isHidden());
}

TEST_F(MakeTestWindowTest, TodaysMissesWithFourChoicesAndTheAnswerKey) {
    setup({"[Dictionary]", "DicNum=1", "1=verbs.txt", "[Dictionary Path]",
           "verbs.txt=" + dictionary, "[Make Test]", "SelectOn=1", "PrintDate=1",
           "PrintUser=1", "PrintAnswer=1"});
    todayMisses("2", "1,3");
    random = ScriptedRandom({0, 2, 3, 1, 1, 1, 0});
    auto frm = open();
    chooseType(*frm, PrintType::TodayErrors);
    click(*frm, "cmdView");

    const std::vector<std::string> expected = sjLines({
        "【Qor Helper】",
        "Taro",
        "8/9/1999 10：5：07",
        kSeparator,
        "",
        "問題 1： run,dashの意味を選びなさい",
        "\ta：行く\tb：見る",
        "\tc：りんご\td：走る,急ぐ",
        "",
        "問題 2： goの意味を選びなさい",
        "\ta：行く\tb：見る",
        "\tc：りんご\td：行く",
        "",
        "",
        kSeparator,
        "No.1：d、No.2：a",
    });
    ASSERT_EQ(frm->sheetLines().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(frm->sheetLines()[i], expected[i]) << "line " << i;
    EXPECT_EQ(boxText(*frm), shown(expected));
    EXPECT_EQ(random.draws(), 14);
    EXPECT_EQ(frm->statusText(), q(" >> ") + QString::fromStdString(dictionary));
    EXPECT_TRUE(printEnabled(*frm));
    EXPECT_EQ(find<QProgressBar>(*frm, "cgInfo")->value(), 0);
    std::vector<double> tabs = ui::tabStopsInPoints(find<LinesView>(*frm, "moData")->document());
    ASSERT_EQ(tabs.size(), 2u);
    EXPECT_NEAR(tabs[0], 30, 1e-9);
    EXPECT_NEAR(tabs[1], 160, 1e-9);
}

TEST_F(MakeTestWindowTest, TheLastDrillsErrorsWrittenWithTheScoreLine) {
    setup({"[Dictionary]", "DicNum=1", "1=verbs.txt", "[Dictionary Path]",
           "verbs.txt=" + dictionary, "[Make Test]", "PrintOption=1", "ToEnglish=1"});
    last.missedLines = {sj("see=見る*目で")};
    last.wrongCount = 1;
    last.questionCount = 4;
    last.correctCount = 3;
    auto frm = open();
    click(*frm, "cmdView");
    EXPECT_EQ(frm->sheetLines(), sjLines({"【Qor Helper】", "出題数 ： 4、正解数 ： 3、正解率 ： 75％",
                                          kSeparator, "", "問題 1： 見るを英語に直しなさい", "", "",
                                          "", kSeparator}));
    EXPECT_EQ(random.draws(), 7);
}

TEST_F(MakeTestWindowTest, ADayWithoutMissesGivesTheHeadingAndTheSeparatorsOnly) {
    todayMisses("0", "");
    auto frm = open();
    chooseType(*frm, PrintType::TodayErrors);
    click(*frm, "cmdView");
    EXPECT_EQ(frm->sheetLines(), sjLines({"【Qor Helper】", kSeparator, "", "", kSeparator}));
    EXPECT_TRUE(printEnabled(*frm));
    EXPECT_EQ(random.draws(), 0);
}

TEST_F(MakeTestWindowTest, NoDictionaryNameIsRefusedAndAnUnreadableOneKeepsTheHeading) {
    auto frm = open();
    auto* dic = find<QComboBox>(*frm, "cboDicFile");
    dic->setEditText({});
    platform.answerNotice();
    click(*frm, "cmdView");
    EXPECT_EQ(platform.boxTexts(), QStringList{q("辞書ファイルが未設定です")});
    EXPECT_TRUE(frm->sheetLines().empty());

    // A name without a remembered path cannot be read: the heading stays, the learner is
    // told which file.
    dic->setEditText(q("unknown.txt"));
    chooseType(*frm, PrintType::WholeDictionary);
    platform.clearCalls();
    platform.answerNotice();
    click(*frm, "cmdView");
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(q("unknown.txt\n")));
    EXPECT_EQ(platform.calls()[0].caption, q("エラー"));
    EXPECT_EQ(frm->sheetLines(), sjLines({"【Qor Helper】", kSeparator, ""}));
    EXPECT_FALSE(printEnabled(*frm));
    EXPECT_TRUE(frm->statusText().isEmpty());
}

TEST_F(MakeTestWindowTest, AWordNumberThatIsNoNumberEndsTheBuild) {
    todayMisses("2", "1,x");
    auto frm = open();
    chooseType(*frm, PrintType::TodayErrors);
    platform.answerNotice();
    click(*frm, "cmdView");
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].contains(q("「x」")));
    EXPECT_EQ(frm->sheetLines().size(), 3u);
}

TEST_F(MakeTestWindowTest, AWholeDictionaryOfManyWordsIsAskedFirst) {
    std::vector<std::string> many;
    for (int i = 0; i < 151; ++i)
        many.push_back("w" + std::to_string(i) + "=x*y");
    ASSERT_TRUE(writeLines(dictionary, many));
    auto frm = open();
    chooseType(*frm, PrintType::WholeDictionary);
    platform.answerNotice(ui::Button::No);
    click(*frm, "cmdView");
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].caption, q("確認"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeQuestion);
    EXPECT_TRUE(notices[0].text.startsWith(q("選択された辞書には 151個のデータ")));
    EXPECT_EQ(frm->sheetLines().size(), 3u);  // the heading stays
    EXPECT_TRUE(frm->statusText().isEmpty());
    EXPECT_FALSE(printEnabled(*frm));

    platform.answerNotice(ui::Button::Yes);
    click(*frm, "cmdView");
    EXPECT_EQ(frm->sheetLines().size(), 3u + 151 * 3 + 2);
    EXPECT_TRUE(printEnabled(*frm));
}

TEST_F(MakeTestWindowTest, ASourceOfMoreThanTenThousandIsCutWithAMessage) {
    std::vector<std::string> many(10005, "w=x*y");
    ASSERT_TRUE(writeLines(dictionary, many));
    setup({"[Dictionary]", "DicNum=1", "1=verbs.txt", "[Dictionary Path]",
           "verbs.txt=" + dictionary, "[Make Test]", "PrintAnswer=1"});
    auto frm = open();
    chooseType(*frm, PrintType::WholeDictionary);
    platform.answerNotice(ui::Button::Yes).answerNotice();
    click(*frm, "cmdView");
    ASSERT_EQ(platform.boxTexts().size(), 2);
    EXPECT_TRUE(platform.boxTexts()[1].contains(q("10005")));
    EXPECT_TRUE(platform.boxTexts()[1].contains(q("10000問")));
    EXPECT_EQ(frm->sheetLines().back(),
              sj("No.9996：x、No.9997：x、No.9998：x、No.9999：x、No.10000：x"));
}

TEST_F(MakeTestWindowTest, PrintingCopiesTellsEachAndRestoresTheStatus) {
    auto frm = open();
    click(*frm, "cmdView");
    find<QSpinBox>(*frm, "txtPrintNum")->setValue(2);
    QStringList during;
    platform.answerPrint({}, [&](int) { during << frm->statusText(); });
    click(*frm, "cmdPrint");
    EXPECT_EQ(during, (QStringList{q(" >> 印刷中・・・ （1／2）"), q(" >> 印刷中・・・ （2／2）")}));
    auto prints = platform.callsOf(PlatformCall::Print);
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].text, q("【Qor Helper】"));
    EXPECT_EQ(prints[0].copies, 2);
    EXPECT_EQ(prints[0].caption, q("verbs_テスト用紙.pdf"));
    EXPECT_EQ(platform.printedDocuments().first(), boxText(*frm));
    EXPECT_EQ(frm->statusText(), q(" >> ") + QString::fromStdString(dictionary));

    // No copies: nothing is printed, no dialog opens.
    find<QSpinBox>(*frm, "txtPrintNum")->setValue(0);
    click(*frm, "cmdPrint");
    EXPECT_EQ(platform.callsOf(PlatformCall::Print).size(), 1u);

    // A cancelled dialog prints nothing and tells nothing.
    find<QSpinBox>(*frm, "txtPrintNum")->setValue(1);
    platform.answerPrintCancelled();
    click(*frm, "cmdPrint");
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MakeTestWindowTest, ASheetOfTwoHundredQuestionsPrintsIntoAPdfWithoutSplittingOne) {
    std::vector<std::string> words;
    for (int i = 1; i <= 200; ++i)
        words.push_back("word" + std::to_string(i) + sj("=意味") + std::to_string(i) + sj("*メモ"));
    ASSERT_TRUE(writeLines(dictionary, words));
    setup({"[Dictionary]", "DicNum=1", "1=verbs.txt", "[Dictionary Path]",
           "verbs.txt=" + dictionary, "[Make Test]", "SelectOn=1", "PrintAnswer=1"});
    random = ScriptedRandom({7, 3, 11, 2, 1, 0, 0, 5, 9, 1});
    auto frm = open();
    chooseType(*frm, PrintType::WholeDictionary);
    platform.answerNotice(ui::Button::Yes);
    click(*frm, "cmdView");

    const QString pdf = file("sheet.pdf");
    platform.answerPrint(pdf);
    click(*frm, "cmdPrint");
    EXPECT_EQ(platform.boxTexts().size(), 1);  // the question only: the print succeeded

    const QStringList pages = pdfPages(pdf);
    ASSERT_GT(pages.size(), 1);
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Title")), q("【Qor Helper】"));
    EXPECT_TRUE(pages[0].contains(q("【Qor Helper】")));
    EXPECT_TRUE(pages[0].contains(q("問題 1： word1の意味を選びなさい")));
    EXPECT_TRUE(pages.last().contains(q("No.196：")));
    int questions = 0;
    for (const QString& page : pages) {
        // A question that starts on a page has both of its choice lines there.
        QStringList lines = page.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (!QRegularExpression(QStringLiteral("^\\s*問題 \\d+：")).match(lines[i]).hasMatch())
                continue;
            ++questions;
            ASSERT_LT(i + 2, lines.size()) << lines[i].toStdString();
            EXPECT_TRUE(lines[i + 1].contains(q("a："))) << lines[i].toStdString();
            EXPECT_TRUE(lines[i + 2].contains(q("c："))) << lines[i].toStdString();
        }
    }
    EXPECT_EQ(questions, 200);
}

TEST_F(MakeTestWindowTest, SavingAppendsTheLinesAndAFailedSaveIsTold) {
    const std::string target = dir.file("sheets.txt");
    spit(target, "old line\r\n");
    auto frm = open();
    // Before any sheet nothing is written.
    platform.answerSaveFile(QString::fromStdString(target));
    click(*frm, "cmdSave");
    EXPECT_EQ(slurp(target), "old line\r\n");

    click(*frm, "cmdView");
    platform.answerSaveFile(QString::fromStdString(target));
    click(*frm, "cmdSave");
    EXPECT_EQ(slurp(target), "old line\r\n" + joinLines(frm->sheetLines()));
    auto saves = platform.callsOf(PlatformCall::SaveFile);
    for (const PlatformCall& save : saves) EXPECT_EQ(save.saveMode, ui::SaveMode::Append);
    ASSERT_EQ(saves.size(), 2u);
    EXPECT_EQ(saves[0].caption, q("テキストファイル (*.txt)|*.txt"));

    // A directory in the file's place: nothing is claimed as saved.
    const std::string folder = dir.file("taken.txt");
    makeFolder(folder);
    const QString before = frm->statusText();
    platform.answerSaveFile(QString::fromStdString(folder)).answerNotice();
    click(*frm, "cmdSave");
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(q("保存に失敗しました")));
    EXPECT_EQ(frm->statusText(), before);

    // A full disk part-way: the old file is as it was.
    const std::string full = slurp(target);
    {
        FullDisk disk(10);
        platform.answerSaveFile(QString::fromStdString(target)).answerNotice();
        click(*frm, "cmdSave");
    }
    EXPECT_EQ(slurp(target), full);
    EXPECT_EQ(platform.boxTexts().size(), 2);
}

TEST_F(MakeTestWindowTest, TheQuestionTextsAreEditedInTheirOwnWindow) {
    auto frm = open();
    platform.answerModal([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), q("問題文の設定"));
        auto* fourth = d.findChild<QLineEdit*>(QStringLiteral("txtType4"));
        EXPECT_EQ(fourth->text(), q("の意味を選びなさい"));
        fourth->setText(q("の意味はどれ？"));
        d.findChild<QLineEdit*>(QStringLiteral("txtType2"))->setText(q("の意味は 😀"));
        // A text that Shift-JIS cannot hold is refused; the window stays.
        platform.answerNotice();
        d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        EXPECT_TRUE(d.isVisible());
        d.findChild<QLineEdit*>(QStringLiteral("txtType2"))->setText(q("の意味は？"));
        d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        return d.result();
    });
    click(*frm, "cmdQuestion");
    EXPECT_EQ(frm->makeTestSettings().Question_Type[3], sj("の意味はどれ？"));
    EXPECT_EQ(frm->makeTestSettings().Question_Type[1], sj("の意味は？"));

    platform.answerModal([&](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("txtType1"))->setText(q("changed"));
        d.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return d.result();
    });
    click(*frm, "cmdQuestion");
    EXPECT_EQ(frm->makeTestSettings().Question_Type[0], sj("を英語に直しなさい"));
}

TEST_F(MakeTestWindowTest, CloseWritesTheElevenSettingsAndTheFrameWritesNothing) {
    auto frm = open();
    const std::string before = slurp(settings.setupIniPath());
    frm->reject();  // the frame's close box
    EXPECT_EQ(slurp(settings.setupIniPath()), before);

    frm = open();
    click(*frm, "chkSelectOn");
    click(*frm, "chkPrintUser");
    find<QSpinBox>(*frm, "txtTab")->setValue(220);
    click(*frm, "cmdClose");
    EXPECT_EQ(frm->result(), QDialog::Accepted);
    EXPECT_EQ(slurp(settings.setupIniPath()),
              before + "\r\n" + crlf({"[Make Test]", "ToEnglish=0", "SelectOn=1", "PrintDate=0",
                             "PrintUser=1", "PrintAnswer=0", "PrintOption=0", "Tab=220",
                             sj("Question_Type1=を英語に直しなさい"),
                             sj("Question_Type2=の意味を書きなさい"),
                             sj("Question_Type3=の英語を選びなさい"),
                             sj("Question_Type4=の意味を選びなさい")}));
}

TEST_F(MakeTestWindowTest, TheFontDialogGivesTheSheetItsFont) {
    auto frm = open();
    QFont chosen(QStringLiteral("IPAGothic"), 14);
    platform.answerFont(chosen).answerFont(std::nullopt);
    click(*frm, "cmdFont");
    auto* box = find<LinesView>(*frm, "moData");
    EXPECT_EQ(box->font().pointSize(), 14);
    EXPECT_EQ(box->document().defaultFont().pointSize(), 14);
    click(*frm, "cmdFont");  // cancelled: the font stays
    EXPECT_EQ(box->font().pointSize(), 14);
}

} // namespace

TEST_F(MakeTestWindowTest, ASheetOfAThousandQuestionsMovesTheGaugeOncePerPercent) {
    std::vector<std::string> many;
    for (int i = 0; i < 1000; ++i)
        many.push_back("w" + std::to_string(i) + "=x*y");
    ASSERT_TRUE(writeLines(dictionary, many));
    auto frm = open();
    chooseType(*frm, PrintType::WholeDictionary);
    platform.answerNotice(ui::Button::Yes);
    QSignalSpy changes(find<QProgressBar>(*frm, "cgInfo"), &QProgressBar::valueChanged);
    click(*frm, "cmdView");
    EXPECT_EQ(frm->sheetLines().size(), 3u + 1000 * 3 + 2);
    ASSERT_GE(changes.count(), 2);
    EXPECT_LE(changes.count(), 103);
    EXPECT_EQ(changes.at(changes.count() - 2).at(0).toInt(), 1000);
    EXPECT_EQ(changes.last().at(0).toInt(), 0);
}
