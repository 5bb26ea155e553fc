#include "print/LinesView.h"
#include "print/TfrmPrintDic.h"

#include "tests/print/PrintFixture.h"
#include "tests/support/PdfText.h"
#include "ui/Printing.h"
#include "ui/ShownText.h"
#include "words/DictionaryList.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>
#include <map>

using namespace qor;
using namespace qor::test;

namespace {

class PrintDicWindowTest : public PrintFixture {
protected:
    int editorOpened = 0;
    std::function<void()> onEdit;

    std::unique_ptr<TfrmPrintDic> open() {
        return std::make_unique<TfrmPrintDic>(UserFiles(settings), settings.files, [this] {
            ++editorOpened;
            if (onEdit)
                onEdit();
        });
    }
    static QString boxText(TfrmPrintDic& frm) {
        return find<LinesView>(frm, "moData")->text();
    }
    static std::vector<double> tabs(TfrmPrintDic& frm) {
        return find<LinesView>(frm, "moData")->tabStops();
    }
};

TEST_F(PrintDicWindowTest, OpeningReadsPrintDicAndTheVocabularyBookSwitch) {
    setup({"[Dictionary]", "DicNum=1", "1=verbs.txt", "[Print Dic]", "NumberOn=1", "Tab=120"});
    auto frm = open();
    EXPECT_EQ(frm->windowTitle(), q("辞書の印刷"));
    EXPECT_EQ(find<QComboBox>(*frm, "cboDicFile")->currentText(), q("verbs.txt"));
    EXPECT_TRUE(find<QCheckBox>(*frm, "chkNumberOn")->isChecked());
    EXPECT_FALSE(find<QCheckBox>(*frm, "chkCommentOn")->isChecked());
    EXPECT_EQ(find<QCheckBox>(*frm, "chkCommentOn")->text(), q("コメントがないときは表示しない"));
    EXPECT_EQ(find<QSpinBox>(*frm, "txtTab")->value(), 120);
    EXPECT_EQ(find<QSpinBox>(*frm, "txtTab")->maximum(), 1000);
    EXPECT_FALSE(find<QCheckBox>(*frm, "chkVocBook")->isEnabled());
    EXPECT_FALSE(find<QPushButton>(*frm, "cmdEditVocBook")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(*frm, "cmdLoad")->isDefault());
    EXPECT_TRUE(frm->acceptDrops());
    // Resizable: a normal frame.
    EXPECT_FALSE(frm->windowFlags() & Qt::MSWindowsFixedSizeDialogHint);

    settings.files.VocBookOn = true;
    auto withBook = open();
    EXPECT_TRUE(find<QCheckBox>(*withBook, "chkVocBook")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(*withBook, "cmdEditVocBook")->isEnabled());
}

TEST_F(PrintDicWindowTest, LoadListsNumberedLinesWithTheirTabStops) {
    auto frm = open();
    click(*frm, "chkNumberOn");
    find<QSpinBox>(*frm, "txtTab")->setValue(120);
    click(*frm, "cmdLoad");
    EXPECT_EQ(frm->listingLines(), sjLines({
                                       "1：\tapple\tりんご\t果物",
                                       "2：\trun,dash\t走る,急ぐ\tコメントはありません",
                                       "3：\tsee\t見る\t目で",
                                       "4：\tgo\t行く\tよく使う",
                                   }));
    EXPECT_EQ(boxText(*frm), q("1：\tapple\tりんご\t果物\n2：\trun,dash\t走る,急ぐ\tコメントはありません\n"
                               "3：\tsee\t見る\t目で\n4：\tgo\t行く\tよく使う"));
    EXPECT_EQ(tabs(*frm).size(), 3u);
    EXPECT_NEAR(tabs(*frm)[0], 25, 1e-9);
    EXPECT_NEAR(tabs(*frm)[1], 120, 1e-9);
    EXPECT_NEAR(tabs(*frm)[2], 240, 1e-9);
    EXPECT_EQ(frm->statusText(), q(" >> ") + QString::fromStdString(dictionary));
    EXPECT_EQ(find<QProgressBar>(*frm, "cgInfo")->value(), 0);
}

TEST_F(PrintDicWindowTest, TheSwitchesTakeEffectAtTheNextLoad) {
    auto frm = open();
    click(*frm, "cmdLoad");
    EXPECT_EQ(frm->listingLines()[1], sj("run,dash\t走る,急ぐ\tコメントはありません"));
    EXPECT_NEAR(tabs(*frm)[0], 100, 1e-9);

    click(*frm, "chkCommentOn");
    find<QSpinBox>(*frm, "txtTab")->setValue(80);
    EXPECT_EQ(frm->listingLines()[1], sj("run,dash\t走る,急ぐ\tコメントはありません"));
    EXPECT_NEAR(tabs(*frm)[0], 100, 1e-9);
    click(*frm, "cmdLoad");
    EXPECT_EQ(frm->listingLines()[1], sj("run,dash\t走る,急ぐ\t"));
    EXPECT_EQ(frm->listingLines()[0], sj("apple\tりんご\t果物"));
    ASSERT_EQ(tabs(*frm).size(), 2u);
    EXPECT_NEAR(tabs(*frm)[0], 80, 1e-9);
    EXPECT_NEAR(tabs(*frm)[1], 160, 1e-9);
}

TEST_F(PrintDicWindowTest, ASourceThatCannotBeReadLeavesTheListingEmpty) {
    auto frm = open();
    click(*frm, "cmdLoad");
    ASSERT_FALSE(frm->listingLines().empty());

    // A name without a remembered path names itself in the message.
    find<QComboBox>(*frm, "cboDicFile")->setEditText(q("unknown.txt"));
    platform.answerNotice();
    click(*frm, "cmdLoad");
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(q("unknown.txt\n")));
    EXPECT_TRUE(frm->listingLines().empty());
    EXPECT_TRUE(boxText(*frm).isEmpty());
    EXPECT_TRUE(frm->statusText().isEmpty());

    // The vocabulary book without a path.
    settings.files.VocBookOn = true;
    auto book = open();
    click(*book, "chkVocBook");
    platform.answerNotice();
    click(*book, "cmdLoad");
    ASSERT_EQ(platform.boxTexts().size(), 2);
    EXPECT_TRUE(platform.boxTexts()[1].startsWith(q("単語帳\n")));
    EXPECT_TRUE(book->listingLines().empty());
}

TEST_F(PrintDicWindowTest, TheVocabularyBookIsListedAndItsEditorOpensThroughTheMainWindow) {
    settings.files.VocBookOn = true;
    settings.files.VocBook = dir.file("book.txt");
    spit(settings.files.VocBook, crlf({sj("cat=猫*ねこ")}));
    auto frm = open();
    click(*frm, "chkVocBook");
    click(*frm, "cmdLoad");
    EXPECT_EQ(frm->listingLines(), sjLines({"cat\t猫\tねこ"}));
    EXPECT_EQ(frm->statusText(), q(" >> ") + QString::fromStdString(settings.files.VocBook));

    // The editor deletes the book: its commands are no longer offered.
    onEdit = [this] {
        settings.files.VocBookOn = false;
        settings.files.VocBook.clear();
    };
    click(*frm, "cmdEditVocBook");
    EXPECT_EQ(editorOpened, 1);
    EXPECT_FALSE(find<QCheckBox>(*frm, "chkVocBook")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>(*frm, "chkVocBook")->isChecked());
    EXPECT_FALSE(find<QPushButton>(*frm, "cmdEditVocBook")->isEnabled());
}

TEST_F(PrintDicWindowTest, AChosenOrDroppedDictionaryIsTestedAndRemembered) {
    const std::string nouns = dir.file("nouns.txt");
    spit(nouns, crlf({sj("dog=犬*いぬ")}));
    const std::string notes = dir.file("notes.txt");
    spit(notes, crlf({"just some text"}));
    auto frm = open();
    auto* dic = find<QComboBox>(*frm, "cboDicFile");

    platform.answerOpenFile(QString::fromStdString(nouns));
    click(*frm, "cmdSelectDic");
    auto opens = platform.callsOf(PlatformCall::OpenFile);
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].caption, q("辞書ファイル (*.txt)|*.txt"));
    EXPECT_EQ(dic->currentText(), q("nouns.txt"));
    EXPECT_EQ(rememberedDictionaryPath(settings.setupIniPath(), "nouns.txt"), nouns);
    EXPECT_EQ(settings.files.DicInUse, dictionary);  // the main window's dictionary stays
    click(*frm, "cmdLoad");
    EXPECT_EQ(frm->listingLines(), sjLines({"dog\t犬\tいぬ"}));

    // Not a dictionary: refused, nothing changes.
    platform.answerNotice();
    frm->FormDropFiles({QUrl::fromLocalFile(QString::fromStdString(notes)),
                        QUrl::fromLocalFile(QString::fromStdString(dictionary))});
    EXPECT_EQ(platform.boxTexts(), QStringList{q("選択されたファイルは、Qor Helper用辞書ファイルではありません")});
    EXPECT_EQ(dic->currentText(), q("nouns.txt"));
    EXPECT_TRUE(rememberedDictionaryPath(settings.setupIniPath(), "notes.txt").empty());

    // Only the first dropped file counts.
    frm->FormDropFiles({QUrl::fromLocalFile(QString::fromStdString(dictionary)),
                        QUrl::fromLocalFile(QString::fromStdString(notes))});
    EXPECT_EQ(dic->currentText(), q("verbs.txt"));

    // A cancelled dialog changes nothing.
    platform.answerOpenFile({});
    click(*frm, "cmdSelectDic");
    EXPECT_EQ(dic->currentText(), q("verbs.txt"));
}

TEST_F(PrintDicWindowTest, PrintingPrintsTheBoxAsItIsTitledByItsFirstLine) {
    auto frm = open();
    // Before any Load: the empty box.
    platform.answerPrint();
    click(*frm, "cmdPrint");
    ASSERT_EQ(platform.printedDocuments().size(), 1);
    EXPECT_TRUE(platform.printedDocuments()[0].isEmpty());
    EXPECT_EQ(platform.callsOf(PlatformCall::Print)[0].copies, 1);

    click(*frm, "chkNumberOn");
    click(*frm, "cmdLoad");
    const QString pdf = file("verbs.pdf");
    platform.answerPrint(pdf);
    click(*frm, "cmdPrint");
    auto prints = platform.callsOf(PlatformCall::Print);
    ASSERT_EQ(prints.size(), 2u);
    EXPECT_EQ(prints[1].text, q("1： apple りんご 果物"));
    EXPECT_EQ(prints[1].caption, q("verbs_一覧.pdf"));
    EXPECT_TRUE(platform.boxTexts().isEmpty());

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(q("走る,急ぐ")));
    EXPECT_TRUE(pages[0].contains(q("よく使う")));
    // Number at the edge, English at 25 pt, Japanese at 100 pt, the comment at 200 pt.
    const double margin = 20 / 25.4 * 72;
    const std::map<QString, double> columns = {
        {q("4："), 0}, {q("go"), 25}, {q("行く"), 100}, {q("よく使う"), 200}};
    int placed = 0;
    for (const PdfWord& w : pdfWords(pdf)) {
        if (auto it = columns.find(w.text); it != columns.end()) {
            EXPECT_NEAR(w.left - margin, it->second, 0.5) << w.text.toStdString();
            ++placed;
        }
    }
    EXPECT_EQ(placed, 4);

    // A print that fails is told.
    platform.answerPrint(file("no such folder/x.pdf")).answerNotice();
    click(*frm, "cmdPrint");
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(q("印刷に失敗しました\n")));
}

TEST_F(PrintDicWindowTest, AListingOfAThousandWordsAndMoreKeepsItsColumns) {
    // "1000：" is wider than the 25 points the numbers have in a shorter listing.
    std::vector<std::string> lines;
    for (int i = 1; i <= 1005; ++i)
        lines.push_back("w" + std::to_string(i) + "=" + sj("語") + std::to_string(i) + "*c" +
                        std::to_string(i));
    ASSERT_TRUE(writeLines(dictionary, lines));
    auto frm = open();
    click(*frm, "chkNumberOn");
    click(*frm, "cmdLoad");
    ASSERT_EQ(frm->listingLines().size(), 1005u);
    const std::vector<double> stops = tabs(*frm);
    ASSERT_EQ(stops.size(), 3u);
    EXPECT_GT(stops[0], 25);  // the number column grew
    EXPECT_NEAR(stops[1], 100, 1e-9);  // the other stops stay where they were
    EXPECT_NEAR(stops[2], 200, 1e-9);

    // On the screen: each part of line 1000 starts where the same part of line 1 does.
    auto* box = find<LinesView>(*frm, "moData");
    auto partStarts = [&](int line) {
        const QString text = box->lineText(line - 1);
        std::vector<int> xs;
        int from = 0;
        for (int part = 0; part < 3; ++part) {
            from = static_cast<int>(text.indexOf(QLatin1Char('\t'), from)) + 1;
            xs.push_back(qRound(box->characterX(line - 1, from)));
        }
        return xs;
    };
    EXPECT_EQ(partStarts(1000), partStarts(1));
    EXPECT_EQ(partStarts(1005), partStarts(9));

    // On paper: the English word, the Japanese and the comment of lines 1 and 1000 to 1005
    // stand in the same three columns.
    const QString pdf = file("thousand.pdf");
    platform.answerPrint(pdf);
    click(*frm, "cmdPrint");
    std::map<QString, double> left;
    for (const PdfWord& w : pdfWords(pdf))
        left[w.text] = w.left;
    for (int i : {1, 1000, 1001, 1005}) {
        const QString n = QString::number(i);
        ASSERT_TRUE(left.count(q("w") + n)) << i;
        EXPECT_NEAR(left[q("w") + n], left[q("w1")], 0.5) << i;
        EXPECT_NEAR(left[q("語") + n], left[q("語1")], 0.5) << i;
        EXPECT_NEAR(left[q("c") + n], left[q("c1")], 0.5) << i;
    }
    const double margin = 20 / 25.4 * 72;
    EXPECT_NEAR(left[q("語1")] - margin, 100, 0.5);
    EXPECT_NEAR(left[q("c1")] - margin, 200, 0.5);
    EXPECT_LT(left[q("1005：")] + 1, left[q("w1005")]);
}

TEST_F(PrintDicWindowTest, ThePdfHoldsTheCharactersTheLearnerSees) {
    // Shift-JIS "～" is U+FF5E, "―" U+2015, "￠" U+FFE0: the fonts draw each with the glyph
    // of U+301C, U+2014 and U+00A2, and the text of the file must not turn into those.
    words({"about=約～*～ごろ", "dash=―*￠と￡と￢", "pair=∥*－"});
    auto frm = open();
    click(*frm, "cmdLoad");
    ASSERT_TRUE(boxText(*frm).contains(QChar(0xFF5E)));
    const QString pdf = file("marks.pdf");
    platform.answerPrint(pdf);
    click(*frm, "cmdPrint");
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(q("約～"))) << pages[0].toStdString();
    EXPECT_TRUE(pages[0].contains(q("～ごろ")));
    EXPECT_TRUE(pages[0].contains(q("￠と￡と￢")));
    EXPECT_TRUE(pages[0].contains(q("―")));
    EXPECT_TRUE(pages[0].contains(q("∥")));
    EXPECT_TRUE(pages[0].contains(q("－")));
    for (char16_t other : {u'\u301C', u'\u2014', u'\u00A2', u'\u00A3', u'\u00AC'})
        EXPECT_FALSE(pages[0].contains(QChar(other))) << int(other);
}

TEST_F(PrintDicWindowTest, CloseWritesThePrintDicSettings) {
    auto frm = open();
    const std::string before = slurp(settings.setupIniPath());
    frm->reject();
    EXPECT_EQ(slurp(settings.setupIniPath()), before);

    frm = open();
    click(*frm, "chkCommentOn");
    find<QSpinBox>(*frm, "txtTab")->setValue(0);
    click(*frm, "cmdClose");
    EXPECT_EQ(frm->result(), QDialog::Accepted);
    EXPECT_EQ(slurp(settings.setupIniPath()),
              before + "\r\n" + crlf({"[Print Dic]", "CommentOn=1", "NumberOn=0", "Tab=0"}));
}

TEST_F(PrintDicWindowTest, TheFontDialogGivesTheListingItsFont) {
    auto frm = open();
    platform.answerFont(QFont(QStringLiteral("IPAMincho"), 15));
    click(*frm, "cmdFont");
    EXPECT_EQ(find<LinesView>(*frm, "moData")->document().defaultFont().pointSize(), 15);
}

} // namespace

TEST_F(PrintDicWindowTest, ALongEntryIsCutInThePreviewLine) {
    writeLines(dictionary, {std::string(1000000, 'a') + "=" + sj("長い") + "*x", sj("see=見る*目で")});
    auto frm = open();
    click(*frm, "cmdLoad");
    const QStringList lines = boxText(*frm).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_LE(lines[0].size(), ui::kShownTextMax);
    EXPECT_TRUE(lines[0].endsWith(QChar(0x2026)));
    EXPECT_EQ(lines[1], q("see\t見る\t目で"));
}

TEST_F(PrintDicWindowTest, ALongListingMovesTheGaugeOncePerPercentAndShowsTheLastLine) {
    std::vector<std::string> lines;
    for (int i = 0; i < 20000; ++i)
        lines.push_back("w" + std::to_string(i) + "=x*y");
    ASSERT_TRUE(writeLines(dictionary, lines));
    auto frm = open();
    QSignalSpy changes(find<QProgressBar>(*frm, "cgInfo"), &QProgressBar::valueChanged);
    click(*frm, "cmdLoad");
    ASSERT_EQ(frm->listingLines().size(), 20000u);
    // Not a change per line: at most one per 1 %, the last line's value shown before the
    // gauge goes back to 0.
    ASSERT_GE(changes.count(), 2);
    EXPECT_LE(changes.count(), 103);
    EXPECT_EQ(changes.at(changes.count() - 2).at(0).toInt(), 19999);
    EXPECT_EQ(changes.last().at(0).toInt(), 0);
}
