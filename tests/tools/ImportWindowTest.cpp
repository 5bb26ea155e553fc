// "インポート": a word list of another program read, previewed with its marks, its columns
// chosen, written as a dictionary byte for byte, and offered as the dictionary in use;
// the editor's way there; writes that fail; files that are huge, binary or hold
// characters CP932 has only look-alikes for.

#include "tests/support/PeakMemory.h"
#include "tests/tools/ToolWindowFixture.h"
#include "tools/ImportPreviewTable.h"
#include "tools/TfrmEditDic.h"
#include "tools/TfrmImport.h"
#include "ui/Text.h"
#include "words/DictionaryList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <filesystem>

using namespace qor;
using namespace qor::test;

namespace {

std::string sample(const std::string& name) {
    return slurp(std::string(QOR_IMPORT_SAMPLES) + "/" + name);
}

class ImportWindowTest : public ToolWindowFixture {
protected:
    std::string folder = dir.file("out");
    TfrmImport frm{UserFiles(settings), settings.files};

    void SetUp() override {
        std::filesystem::create_directory(folder);
        child<QLineEdit>(frm, "txtFolder")->setText(QString::fromStdString(folder));
    }

    // A sample copied into the data root and read through the file dialog.
    void open(const std::string& name) {
        spit(dir.file(name), sample(name));
        platform.answerOpenFile(QString::fromStdString(dir.file(name)));
        child<QPushButton>(frm, "cmdSelectFile")->click();
    }
    QComboBox* box(const char* name) { return child<QComboBox>(frm, name); }
    QStringList previewColumn(int c) { return column(child<QTreeView>(frm, "lstPreview"), c); }
};

} // namespace

TEST_F(ImportWindowTest, AKvtmlFileIsPreviewedWrittenAndMadeTheDictionaryInUse) {
    EXPECT_FALSE(child<QPushButton>(frm, "cmdImport")->isEnabled());
    open("vocabulary.kvtml");
    auto dialogs = platform.callsOf(PlatformCall::OpenFile);
    ASSERT_EQ(dialogs.size(), 1u);
    // The dialog opens where the dictionaries are, as no word list was chosen before.
    EXPECT_EQ(dialogs[0].folder, QString::fromStdString(dir.folder() + "dictionary/"));

    EXPECT_EQ(box("cboFormat")->currentText(), q("KVTML"));
    EXPECT_FALSE(box("cboEncoding")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(frm, "chkHeader")->isEnabled());
    EXPECT_EQ(box("cboEnglish")->currentText(), q("1列目（English）"));
    EXPECT_EQ(box("cboJapanese")->currentText(), q("2列目（日本語）"));
    EXPECT_EQ(previewColumn(ImportPreviewTable::English),
              (QStringList{q("apple"), q("run"), q("cat & kitten"), q("lonely")}));
    EXPECT_EQ(previewColumn(ImportPreviewTable::Comment),
              (QStringList{q("fruit"), q("自動詞"), q("コメントはありません"), QString()}));
    EXPECT_EQ(previewColumn(ImportPreviewTable::Note),
              (QStringList{QString(), QString(), QString(), q("日本語がありません")}));
    EXPECT_EQ(frm.summaryText(), q("全 4 件 ： 書き込む単語 3 件、取り込めない項目 1 件"));
    EXPECT_EQ(child<QLineEdit>(frm, "txtFileName")->text(), q("vocabulary.txt"));

    platform.answerNotice(ui::Button::Yes);
    child<QPushButton>(frm, "cmdImport")->click();
    const std::string made = folder + "/vocabulary.txt";
    EXPECT_EQ(slurp(made), sample("vocabulary.expected.txt"));
    EXPECT_EQ(platform.boxTexts(),
              QStringList{q("辞書ファイルを作成しました。\n") + QString::fromStdString(made) +
                          q("\n\n3 語を書き込みました。\n\n取り込めなかった項目 1 件:\n"
                            "49行目 「lonely」: 日本語がありません\n\n"
                            "この辞書ファイルを、使用する辞書にしますか？")});
    EXPECT_EQ(frm.createdPath(), made);
    EXPECT_TRUE(frm.madeDictionaryInUse());
    EXPECT_EQ(settings.files.DicInUse, made);
    EXPECT_EQ(rememberedDictionaryPath(settings.setupIniPath(), "vocabulary.txt"), made);
    EXPECT_EQ(frm.result(), QDialog::Accepted);
}

TEST_F(ImportWindowTest, MarkedEntriesAreNamedAndADeclinedOfferLeavesTheDictionaryInUse) {
    settings.files.DicInUse = dir.file("old.txt");
    open("emoji.csv");
    EXPECT_EQ(previewColumn(ImportPreviewTable::Note),
              (QStringList{q("Shift-JIS で表せない文字「😀」があります"),
                           q("Shift-JIS で表せない文字「☀」があります"), q("英語に「=」があります"),
                           q("日本語に「*」があります"), QString(),
                           q("Shift-JIS で表せない文字「𠮷」があります"), QString()}));
    auto* preview = child<QTreeView>(frm, "lstPreview")->model();
    EXPECT_FALSE(preview->data(preview->index(0, ImportPreviewTable::Note), Qt::DecorationRole).isNull());
    EXPECT_TRUE(preview->data(preview->index(4, ImportPreviewTable::Note), Qt::DecorationRole).isNull());

    platform.answerNotice(ui::Button::No);
    child<QPushButton>(frm, "cmdImport")->click();
    EXPECT_EQ(slurp(folder + "/emoji.txt"), sample("emoji.expected.txt"));
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].contains(
        q("取り込めなかった項目 5 件:\n1行目 「smile」: Shift-JIS で表せない文字「😀」があります\n")));
    EXPECT_FALSE(frm.madeDictionaryInUse());
    EXPECT_EQ(settings.files.DicInUse, dir.file("old.txt"));
}

TEST_F(ImportWindowTest, HeaderAndColumnsAreTheLearnersToChange) {
    open("header.tsv");
    auto* header = child<QCheckBox>(frm, "chkHeader");
    EXPECT_TRUE(header->isChecked());
    EXPECT_EQ(box("cboEnglish")->currentText(), q("2列目（English）"));
    EXPECT_EQ(previewColumn(ImportPreviewTable::English), (QStringList{q("cat"), q("dog"), q("run,dash")}));

    // The header taken as an entry: the column names become examples of the first row.
    header->click();
    EXPECT_EQ(box("cboEnglish")->currentText(), q("2列目（例: English）"));
    EXPECT_EQ(previewColumn(ImportPreviewTable::English).first(), q("English"));
    EXPECT_EQ(frm.summaryText(), q("全 4 件 ： 書き込む単語 4 件、取り込めない項目 0 件"));
    header->click();

    // English and Japanese swapped, no comment.
    box("cboEnglish")->setCurrentIndex(0);
    box("cboJapanese")->setCurrentIndex(1);
    box("cboComment")->setCurrentIndex(0);
    EXPECT_EQ(previewColumn(ImportPreviewTable::English).first(), q("猫"));
    EXPECT_EQ(previewColumn(ImportPreviewTable::Comment).first(), q("コメントはありません"));
    // The same column for both cannot be written.
    box("cboJapanese")->setCurrentIndex(0);
    EXPECT_FALSE(child<QPushButton>(frm, "cmdImport")->isEnabled());
    EXPECT_TRUE(frm.summaryText().endsWith(q("英語と日本語に同じ列が選ばれています。")));
}

TEST_F(ImportWindowTest, TheLearnerMayReadTheFileInAnotherEncodingOrFormat) {
    open("bom.csv");
    EXPECT_EQ(box("cboEncoding")->currentText(), q("UTF-8"));
    box("cboEncoding")->setCurrentIndex(box("cboEncoding")->findText(q("Shift-JIS (CP932)")));
    EXPECT_EQ(frm.wordList()->encoding(), TextEncoding::Cp932);
    // Read as TSV, a CSV line is one column: no Japanese.
    box("cboEncoding")->setCurrentIndex(0);
    box("cboFormat")->setCurrentIndex(box("cboFormat")->findText(q("TSV（タブ区切り）")));
    EXPECT_EQ(box("cboJapanese")->count(), 1);
    EXPECT_FALSE(child<QPushButton>(frm, "cmdImport")->isEnabled());
}

TEST_F(ImportWindowTest, AnExistingFileIsReplacedOnlyWhenTheLearnerSaysSo) {
    spit(folder + "/quoted.txt", "mine");
    open("quoted.csv");
    // The name offered is a free one; the learner types the taken one.
    EXPECT_EQ(child<QLineEdit>(frm, "txtFileName")->text(), q("quoted-2.txt"));
    child<QLineEdit>(frm, "txtFileName")->setText(q("quoted"));
    platform.answerNotice(ui::Button::No);
    child<QPushButton>(frm, "cmdImport")->click();
    EXPECT_EQ(slurp(folder + "/quoted.txt"), "mine");
    EXPECT_TRUE(frm.createdPath().empty());

    platform.answerNotice(ui::Button::Yes).answerNotice(ui::Button::No);
    child<QPushButton>(frm, "cmdImport")->click();
    EXPECT_EQ(slurp(folder + "/quoted.txt"), sample("quoted.expected.txt"));
}

TEST_F(ImportWindowTest, AFolderThatTakesNoFileIsToldAndNothingIsMade) {
    open("quoted.csv");
    ReadOnlyFolder readOnly(folder);
    if (!readOnly.active()) GTEST_SKIP() << "no read-only folder here";
    platform.answerNotice();
    child<QPushButton>(frm, "cmdImport")->click();
    readOnly.release();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(q("保存に失敗しました\n\n") + QString::fromStdString(folder)));
    EXPECT_TRUE(frm.createdPath().empty());
    EXPECT_FALSE(exists(folder + "/quoted.txt"));
    EXPECT_NE(frm.result(), QDialog::Accepted);
}

TEST_F(ImportWindowTest, TheFolderIsChosenInADialogAndNamesAreChecked) {
    open("quoted.csv");
    const std::string other = dir.file("other");
    std::filesystem::create_directory(other);
    platform.answerFolder(QString::fromStdString(other));
    child<QPushButton>(frm, "cmdSelectFolder")->click();
    EXPECT_EQ(child<QLineEdit>(frm, "txtFolder")->text(), QString::fromStdString(other));

    child<QLineEdit>(frm, "txtFileName")->setText(q("a/b"));
    platform.answerNotice();
    child<QPushButton>(frm, "cmdImport")->click();
    child<QLineEdit>(frm, "txtFileName")->setText(q("言葉😀"));
    platform.answerNotice();
    child<QPushButton>(frm, "cmdImport")->click();
    ASSERT_EQ(platform.boxTexts().size(), 2);
    EXPECT_EQ(platform.boxTexts()[0], q("ファイル名には「/」を使えません。"));
    EXPECT_TRUE(platform.boxTexts()[1].contains(q("「😀」")));
    EXPECT_TRUE(std::filesystem::is_empty(other));
}

TEST_F(ImportWindowTest, AFileDroppedOnTheWindowIsReadAndAnEmptyOneIsRefused) {
    spit(dir.file("empty.csv"), "");
    platform.answerNotice();
    frm.FormDropFiles({QUrl::fromLocalFile(QString::fromStdString(dir.file("empty.csv")))});
    EXPECT_EQ(frm.wordList(), nullptr);
    spit(dir.file("header.tsv"), sample("header.tsv"));
    frm.FormDropFiles({QUrl::fromLocalFile(QString::fromStdString(dir.file("header.tsv")))});
    ASSERT_NE(frm.wordList(), nullptr);
    EXPECT_EQ(frm.wordList()->format(), WordListFormat::Tsv);
}

TEST_F(ImportWindowTest, TheEditorOpensTheImportAndNamesTheNewFileReadyToLoad) {
    spit(dir.file("bom.csv"), sample("bom.csv"));
    TfrmEditDic editor(UserFiles(settings), settings.files, settings.look, settings.files.DicInUse);
    editor.FormShow();
    platform.answerModal([&](QDialog& d) {
        auto& import = dynamic_cast<TfrmImport&>(d);
        child<QLineEdit>(import, "txtFolder")->setText(QString::fromStdString(folder));
        EXPECT_TRUE(import.openFile(QString::fromStdString(dir.file("bom.csv"))));
        platform.answerNotice(ui::Button::No);
        child<QPushButton>(import, "cmdImport")->click();
        return import.result();
    });
    child<QPushButton>(editor, "cmdImport")->click();
    EXPECT_EQ(child<QComboBox>(editor, "cboDicFile")->currentText(), q("bom.txt"));
    editor.cmdLoadClick();
    EXPECT_EQ(editor.edit().rows().size(), 2);
    EXPECT_EQ(slurp(folder + "/bom.txt"), sample("bom.expected.txt"));
}

// --- hostile files ---

namespace {

constexpr std::size_t kHuge = 50u << 20;

// The longest text of a combo box's items, and of their tooltips.
qsizetype longestItem(QComboBox* box, int role) {
    qsizetype most = 0;
    for (int i = 0; i < box->count(); ++i) most = std::max(most, box->itemData(i, role).toString().size());
    return most;
}

} // namespace

TEST_F(ImportWindowTest, AHugeLineAsTheHeaderGivesColumnNamesCutForTheScreen) {
    {
        std::string header = "English,Japanese,";
        header.resize(kHuge, 'x');
        spit(dir.file("huge.csv"), header);
    }
    PeakMemory memory;
    ASSERT_TRUE(frm.openFile(QString::fromStdString(dir.file("huge.csv"))));
    frm.show();
    QApplication::processEvents();
    // The file's bytes, and little more: nothing near the line's size on the screen.
    EXPECT_LT(memory.growth(), kHuge + kHuge / 2);
    for (const char* name : {"cboEnglish", "cboJapanese", "cboComment"}) {
        EXPECT_LE(longestItem(box(name), Qt::DisplayRole), 40);
        EXPECT_LE(longestItem(box(name), Qt::ToolTipRole), 501);
        EXPECT_LT(box(name)->sizeHint().width(), 600);
    }
    const int last = box("cboComment")->count() - 1;
    EXPECT_EQ(box("cboComment")->itemText(last), q("3列目（xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…）"));
    EXPECT_TRUE(box("cboComment")->itemData(last, Qt::ToolTipRole).toString().endsWith(q("xxx…")));
    EXPECT_EQ(frm.summaryText(), q("全 0 件 ： 書き込む単語 0 件、取り込めない項目 0 件"));
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(ImportWindowTest, AHugeLineAsAnEntryIsPreviewedCutAndLeftOut) {
    {
        std::string entry = "apple,";
        entry.resize(kHuge, 'x');
        spit(dir.file("huge.csv"), entry);
    }
    PeakMemory memory;
    ASSERT_TRUE(frm.openFile(QString::fromStdString(dir.file("huge.csv"))));
    frm.show();
    QApplication::processEvents();
    EXPECT_LT(memory.growth(), kHuge + kHuge / 2);
    EXPECT_EQ(previewColumn(ImportPreviewTable::English), QStringList{q("apple")});
    EXPECT_LE(previewColumn(ImportPreviewTable::Japanese).value(0).size(), 101);
    EXPECT_EQ(previewColumn(ImportPreviewTable::Note), QStringList{q("行が長すぎます（64 KB を超えています）")});
    auto* preview = child<QTreeView>(frm, "lstPreview")->model();
    EXPECT_LE(preview->data(preview->index(0, ImportPreviewTable::Japanese), Qt::ToolTipRole).toString().size(),
              501);
    EXPECT_FALSE(child<QPushButton>(frm, "cmdImport")->isEnabled());
}

TEST_F(ImportWindowTest, AFileOverTheLimitIsRefusedBeforeItIsRead) {
    const std::string big = dir.file("big.csv");
    spit(big, "a,b\n");
    std::filesystem::resize_file(big, (50u << 20) + 1);  // sparse: no disk taken
    PeakMemory memory;
    platform.answerNotice();
    EXPECT_FALSE(frm.openFile(QString::fromStdString(big)));
    EXPECT_LT(memory.growth(), std::size_t{10} << 20);
    EXPECT_EQ(frm.wordList(), nullptr);
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_EQ(platform.boxTexts()[0],
              QString::fromStdString(big) +
                  q("\n\nこのファイルは読み込めません。\nファイルが大きすぎます（51 MB）。読み込めるのは 50 MB までです。"));
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice)[0].caption, q("エラー"));
}

TEST_F(ImportWindowTest, AProgramFileIsRefusedAsNoText) {
    platform.answerNotice();
    EXPECT_FALSE(frm.openFile(QStringLiteral("/bin/ls")));
    EXPECT_EQ(frm.wordList(), nullptr);
    EXPECT_TRUE(previewColumn(ImportPreviewTable::English).isEmpty());
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_EQ(platform.boxTexts()[0], q("/bin/ls\n\nこのファイルは読み込めません。\n"
                                        "テキストファイルではありません（文字ではないデータ NUL を含んでいます）。"));
    EXPECT_FALSE(child<QPushButton>(frm, "cmdImport")->isEnabled());
    // Nor is a device, which would never end.
    platform.answerNotice();
    EXPECT_FALSE(frm.openFile(QStringLiteral("/dev/zero")));
    EXPECT_TRUE(platform.boxTexts().value(1).endsWith(q("通常のファイルではありません。")));
}

TEST_F(ImportWindowTest, ControlCharactersAndLookAlikesAreMarkedAndWhatIsWrittenIsWhatWasShown) {
    spit(dir.file("marks.csv"), "wave,波〜,〜です\r\nprice,¥100\r\nbell,ベル\x07\r\nminus,−1\r\nsea,海\r\n"
                                "wave2,〜\r\nline,‾\r\n");
    platform.answerOpenFile(QString::fromStdString(dir.file("marks.csv")));
    child<QPushButton>(frm, "cmdSelectFile")->click();
    EXPECT_EQ(previewColumn(ImportPreviewTable::Japanese),
              (QStringList{q("波～"), q("¥100"), q("ベル␇"), q("－1"), q("海"), q("～"), q("‾")}));
    EXPECT_EQ(previewColumn(ImportPreviewTable::Note),
              (QStringList{q("「〜」は「～」として書き込みます"), q("Shift-JIS で表せない文字「¥」があります"),
                           q("制御文字（U+0007）があります"), q("「−」は「－」として書き込みます"), QString(),
                           q("「〜」は「～」として書き込みます"), q("Shift-JIS で表せない文字「‾」があります")}));
    // Only left-out entries carry the warning sign.
    auto* preview = child<QTreeView>(frm, "lstPreview")->model();
    EXPECT_TRUE(preview->data(preview->index(0, ImportPreviewTable::Note), Qt::DecorationRole).isNull());
    EXPECT_FALSE(preview->data(preview->index(1, ImportPreviewTable::Note), Qt::DecorationRole).isNull());

    // The file holds exactly the rows shown without a mark.
    QStringList shown;
    for (int r : {0, 3, 4, 5})
        shown << previewColumn(ImportPreviewTable::English)[r] + q("=") + previewColumn(ImportPreviewTable::Japanese)[r] +
                     q("*") + previewColumn(ImportPreviewTable::Comment)[r];
    platform.answerNotice(ui::Button::No);
    child<QPushButton>(frm, "cmdImport")->click();
    EXPECT_EQ(ui::toQ(slurp(folder + "/marks.txt")), shown.join(q("\r\n")) + q("\r\n"));
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].contains(q("4 語を書き込みました。\n"
                                                  "「〜」は「～」として書き込みます (2 件)\n"
                                                  "「−」は「－」として書き込みます (1 件)\n\n"
                                                  "取り込めなかった項目 3 件:\n"
                                                  "2行目 「price」: Shift-JIS で表せない文字「¥」があります\n"
                                                  "3行目 「bell」: 制御文字（U+0007）があります\n"
                                                  "7行目 「line」: Shift-JIS で表せない文字「‾」があります\n")))
        << platform.boxTexts()[0].toStdString();
}

TEST_F(ImportWindowTest, TheFinalBoxStaysOnTheScreenWhateverTheLeftOutEntriesHold) {
    std::string list = "ok,はい\n";
    for (int i = 0; i < 40; ++i) list += "word" + std::to_string(i) + std::string(3000, 'w') + ",😀\n";
    spit(dir.file("long.csv"), list);
    ASSERT_TRUE(frm.openFile(QString::fromStdString(dir.file("long.csv"))));
    platform.answerNotice(ui::Button::No);
    child<QPushButton>(frm, "cmdImport")->click();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    const QString text = platform.boxTexts()[0];
    EXPECT_LT(text.size(), 1500) << text.toStdString();
    EXPECT_LE(text.count(QLatin1Char('\n')), 22);
    EXPECT_TRUE(text.contains(q("\nほか 30 件\n")));
    // As a box, it fits on a small screen.
    QMessageBox box(QMessageBox::Question, q("インポート"), text, QMessageBox::Yes | QMessageBox::No);
    EXPECT_LT(box.sizeHint().height(), 700);
    EXPECT_LT(box.sizeHint().width(), 1000);
}

TEST_F(ImportWindowTest, ALongListIsCountedAPartAtATimeWhileTheWindowAnswers) {
    std::string list;
    for (int i = 0; i < 50000; ++i) list += "word" + std::to_string(i) + ",単語" + std::to_string(i) + "\n";
    spit(dir.file("long.csv"), list);
    ASSERT_TRUE(frm.openFile(QString::fromStdString(dir.file("long.csv"))));
    // The first part is counted at once, the rest at later turns of the event loop.
    EXPECT_EQ(frm.summaryText(), q("全 50000 件 ： 数えています…（20000 件まで）"));
    EXPECT_FALSE(child<QPushButton>(frm, "cmdImport")->isEnabled());
    EXPECT_EQ(previewColumn(ImportPreviewTable::English).size(), 20);
    // A change meanwhile counts anew.
    box("cboComment")->setCurrentIndex(0);
    EXPECT_EQ(frm.summaryText(), q("全 50000 件 ： 数えています…（20000 件まで）"));
    for (int turn = 0; turn < 10 && frm.summaryText().contains(q("数えています")); ++turn)
        QApplication::processEvents();
    EXPECT_EQ(frm.summaryText(), q("全 50000 件 ： 書き込む単語 50000 件、取り込めない項目 0 件"));
    EXPECT_TRUE(child<QPushButton>(frm, "cmdImport")->isEnabled());
}

TEST_F(ImportWindowTest, TheSummaryAccountsForBlankEntriesAsThePreviewShowsThem) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<entries>\n"
        "<entry id=\"0\"><translation id=\"0\"><text>apple</text></translation>"
        "<translation id=\"1\"><text>りんご</text></translation></entry>\n";
    for (int i = 1; i <= 14; ++i)
        xml += "<entry id=\"" + std::to_string(i) +
               "\"><translation id=\"0\"><text></text></translation></entry>\n";
    xml += "</entries>\n</kvtml>\n";
    spit(dir.file("blank.kvtml"), xml);
    platform.answerOpenFile(QString::fromStdString(dir.file("blank.kvtml")));
    child<QPushButton>(frm, "cmdSelectFile")->click();

    // The 14 blank entries the preview notes are the 14 the summary counts.
    const QStringList notes = previewColumn(ImportPreviewTable::Note);
    ASSERT_EQ(notes.size(), 15);
    EXPECT_EQ(notes.count(q("空の項目です（取り込むものがありません）")), 14);
    auto* preview = child<QTreeView>(frm, "lstPreview")->model();
    for (int r = 1; r < 15; ++r)  // noted, without the warning sign of a word left out
        EXPECT_TRUE(preview->data(preview->index(r, ImportPreviewTable::Note), Qt::DecorationRole).isNull());
    EXPECT_EQ(frm.summaryText(),
              q("全 15 件 ： 書き込む単語 1 件、取り込めない項目 0 件、空の項目 14 件（取り込みません）"));

    platform.answerNotice(ui::Button::No);
    child<QPushButton>(frm, "cmdImport")->click();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].contains(q("空の項目 14 件は取り込みませんでした。")));
    EXPECT_FALSE(platform.boxTexts()[0].contains(q("取り込めなかった項目")));
}

TEST_F(ImportWindowTest, APathTypedIntoTheFileFieldIsReadWithEnter) {
    auto* field = child<QLineEdit>(frm, "txtSourceFile");
    EXPECT_FALSE(field->isReadOnly());

    // A name without a folder is looked for where the file choice opens: at first the
    // dictionaries' folder.
    spit(dir.folder() + "dictionary/bom.csv", sample("bom.csv"));
    field->setText(QStringLiteral("bom.csv"));
    QTest::keyClick(field, Qt::Key_Enter);
    ASSERT_NE(frm.wordList(), nullptr);
    EXPECT_EQ(frm.wordList()->format(), WordListFormat::Csv);
    EXPECT_EQ(field->text(), QString::fromStdString(dir.folder() + "dictionary/bom.csv"));

    // A whole path is read as it is.
    spit(dir.file("header.tsv"), sample("header.tsv"));
    field->setText(QString::fromStdString(dir.file("header.tsv")));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(frm.wordList()->format(), WordListFormat::Tsv);
    EXPECT_EQ(field->text(), QString::fromStdString(dir.file("header.tsv")));

    // A path that is not there is told in Japanese, and the field names the file read.
    platform.answerNotice();
    field->setText(QString::fromStdString(dir.file("missing.csv")));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].contains(q("ファイルまたはフォルダが見つかりません")));
    EXPECT_EQ(field->text(), QString::fromStdString(dir.file("header.tsv")));
    EXPECT_EQ(frm.wordList()->format(), WordListFormat::Tsv);
}
