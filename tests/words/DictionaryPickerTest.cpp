#include "base/Cp932.h"
#include "base/TextFile.h"
#include "settings/DictionaryInUse.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"
#include "words/DictionaryList.h"

#include <QUrl>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::exists;
using qor::test::PlatformCall;
using qor::test::ScriptedPlatform;
using qor::test::slurp;
using qor::test::spit;

namespace {

const QString kEmptyFile = QStringLiteral(
    "選択されたファイルには、何も書かれていません。\nまず、単語を１０語記入してから選択してください。");
const QString kNotDictionary =
    QStringLiteral("選択されたファイルは、Qor Helper用辞書ファイルではありません");
const QString kFirstUse = QStringLiteral(
    "初めて使用する辞書ファイルのようです。\n\n初めての辞書ファイルを使用する場合は、\n"
    "１）\"辞書の選択\"ボタン\n２）ドラッグ＆ドロップ\nで指定しなおしてください。");
const QString kStatus = QStringLiteral(" 現在使用中の辞書 ： ");

class DictionaryPickerTest : public ::testing::Test {
protected:
    test::TempDir dir;
    TUserSettings settings;
    ScriptedPlatform platform;
    DictionaryInUse source{settings};
    DictionaryPicker choice{source, nullptr};
    std::string verbs = dir.file("verbs.txt");
    std::string old = dir.file("old.txt");

    void SetUp() override {
        settings.ProgramFolder = dir.folder();
        settings.UserName = "taro";
        std::filesystem::create_directory(dir.file("taro"));
        spit(verbs, crlf({"run=hashiru*x", "walk=aruku*y"}));
        spit(old, crlf({"old=furui*z"}));
        settings.files.DicInUse = old;
    }

    std::string setupIni() const { return settings.setupIniPath(); }

    // Nothing changed: the old dictionary stays, Setup.ini untouched.
    void expectUnchanged(const DictionaryChange& change) {
        EXPECT_FALSE(change.changed);
        EXPECT_EQ(settings.files.DicInUse, old);
        EXPECT_FALSE(exists(setupIni()));
    }

    void expectWarning(const QString& text) {
        auto notices = platform.callsOf(PlatformCall::Notice);
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0].text, text);
        EXPECT_EQ(notices[0].caption, QStringLiteral("エラー"));
        EXPECT_EQ(notices[0].noticeKind, ui::kNoticeWarning);
    }
};

} // namespace

TEST_F(DictionaryPickerTest, SelectCommandTestsRemembersAndShowsTheFile) {
    platform.answerOpenFile(QString::fromStdString(verbs));
    DictionaryChange change = choice.selectWithDialog();
    auto dialogs = platform.callsOf(PlatformCall::OpenFile);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, QStringLiteral("辞書ファイル (*.txt)|*.txt"));
    EXPECT_TRUE(platform.callsOf(PlatformCall::Notice).empty());

    EXPECT_TRUE(change.changed);
    EXPECT_EQ(change.comboText, QStringLiteral("verbs.txt"));
    EXPECT_EQ(change.statusText, kStatus + QString::fromStdString(verbs));
    EXPECT_EQ(settings.files.DicInUse, verbs);
    EXPECT_EQ(choice.dictionaryName(), "verbs");
    EXPECT_EQ(slurp(setupIni()), crlf({"[Dictionary Path]", "verbs.txt=" + verbs}));

    // The window then puts the file name into cboDicFile: its change finds the path.
    DictionaryChange combo = choice.comboTextChanged(change.comboText);
    EXPECT_EQ(settings.files.DicInUse, verbs);
    EXPECT_EQ(combo.statusText, change.statusText);
}

TEST_F(DictionaryPickerTest, CancelledDialogChangesNothing) {
    platform.answerOpenFile(QString());
    expectUnchanged(choice.selectWithDialog());
}

TEST_F(DictionaryPickerTest, EmptyFileAndNonDictionaryAreRefused) {
    spit(verbs, "");
    platform.answerOpenFile(QString::fromStdString(verbs)).answerNotice();
    expectUnchanged(choice.selectWithDialog());
    expectWarning(kEmptyFile);

    platform.clearCalls();
    spit(verbs, crlf({"no asterisk", "run=hashiru*x"}));
    platform.answerOpenFile(QString::fromStdString(verbs)).answerNotice();
    expectUnchanged(choice.selectWithDialog());
    expectWarning(kNotDictionary);
}

TEST_F(DictionaryPickerTest, UnreadableFilesShowPathAndReasonInJapanese) {
    const std::string missing = dir.file("missing.txt");
    const std::string folder = dir.file("folder.txt");
    std::filesystem::create_directory(folder);
    for (const auto& [path, reason] :
         {std::pair{missing, QStringLiteral("ファイルまたはフォルダが見つかりません")},
          std::pair{folder, QStringLiteral("ファイルではなくフォルダです")}}) {
        platform.clearCalls();
        platform.answerNotice();
        expectUnchanged(choice.choose(QString::fromStdString(path)));
        expectWarning(QString::fromStdString(path) + QStringLiteral("\n") + reason);
    }
}

TEST_F(DictionaryPickerTest, OnlyTheFirstDroppedFileIsTaken) {
    const std::string notDic = dir.file("notes.txt");
    spit(notDic, crlf({"plain text"}));
    // A drop that starts with a web address chooses nothing, whatever follows.
    EXPECT_FALSE(choice.acceptDroppedFiles({QUrl(QStringLiteral("https://example.org/a.txt")),
                                                     QUrl::fromLocalFile(QString::fromStdString(verbs))})
                     .changed);
    QList<QUrl> urls{QUrl::fromLocalFile(QString::fromStdString(verbs)),
                     QUrl::fromLocalFile(QString::fromStdString(notDic))};
    DictionaryChange change = choice.acceptDroppedFiles(urls);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(settings.files.DicInUse, verbs);
    EXPECT_EQ(change.comboText, QStringLiteral("verbs.txt"));

    // The first file is refused: the next one is not tried.
    platform.answerNotice();
    change = choice.acceptDroppedFiles({QUrl::fromLocalFile(QString::fromStdString(notDic)),
                                                 QUrl::fromLocalFile(QString::fromStdString(old))});
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(settings.files.DicInUse, verbs);
    expectWarning(kNotDictionary);

    EXPECT_FALSE(choice.acceptDroppedFiles({}).changed);
}

TEST_F(DictionaryPickerTest, AnUnreadableSetupIniKeepsTheDictionaryInUse) {
    settings.files.DicInUse = verbs;
    makeFolder(setupIni());  // a folder where Setup.ini should be
    platform.answerNotice();
    DictionaryChange change = choice.comboTextChanged(QStringLiteral("verbs.txt"));
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(settings.files.DicInUse, verbs);
    auto notices = platform.callsOf(test::PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].text.startsWith(QString::fromStdString(setupIni())));
}

TEST_F(DictionaryPickerTest, ComboTextLooksUpTheRememberedPath) {
    ASSERT_TRUE(rememberDictionaryPath(setupIni(), verbs));
    DictionaryChange change = choice.comboTextChanged(QStringLiteral("verbs.txt"));
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(settings.files.DicInUse, verbs);
    EXPECT_EQ(change.statusText, kStatus + QString::fromStdString(verbs));

    // Texts without ".txt" (typing in progress) change nothing and show no box.
    change = choice.comboTextChanged(QStringLiteral("verbs.tx"));
    EXPECT_FALSE(change.changed);
    EXPECT_TRUE(change.comboText.isEmpty());
    EXPECT_EQ(settings.files.DicInUse, verbs);
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(DictionaryPickerTest, AnUnknownComboNameLeavesNoDictionary) {
    platform.answerNotice();
    DictionaryChange change = choice.comboTextChanged(QStringLiteral("new.txt"));
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, kFirstUse);
    EXPECT_EQ(notices[0].caption, QStringLiteral("辞書の選択失敗"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeInformation);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(settings.files.DicInUse, "");
    EXPECT_EQ(choice.dictionaryName(), "");
    EXPECT_EQ(change.statusText, kStatus);
    EXPECT_FALSE(exists(setupIni()));
}

TEST_F(DictionaryPickerTest, JapanesePathsAreKeptAsCp932) {
    const std::string native = dir.file("動詞.txt");
    spit(native, crlf({sj("走る=run*x")}));
    platform.answerOpenFile(QString::fromStdString(native));
    DictionaryChange change = choice.selectWithDialog();
    ASSERT_TRUE(change.changed);
    EXPECT_EQ(settings.files.DicInUse, sj(native));
    EXPECT_EQ(choice.dictionaryName(), sj("動詞"));
    EXPECT_EQ(change.comboText, QStringLiteral("動詞.txt"));
    EXPECT_EQ(rememberedDictionaryPath(setupIni(), sj("動詞.txt")), sj(native));
}

TEST_F(DictionaryPickerTest, PathsCp932CannotHoldAreRefusedWithAClearMessage) {
    // "😀" has no CP932 form; "〜" (wave dash) has one, but it comes back as "～" and
    // would name another file.
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("a😀.txt"), QStringLiteral("😀")},
        {QStringLiteral("a〜b.txt"), QStringLiteral("〜")},
    };
    for (const auto& [name, bad] : cases) {
        const std::string native = dir.file(name.toStdString());
        spit(native, crlf({"a=b*c"}));
        platform.clearCalls();
        platform.answerNotice();
        expectUnchanged(choice.choose(QString::fromStdString(native)));
        auto notices = platform.callsOf(PlatformCall::Notice);
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_TRUE(notices[0].text.contains(QStringLiteral("「") + bad + QStringLiteral("」")))
            << notices[0].text.toStdString();
        EXPECT_TRUE(notices[0].text.contains(QStringLiteral("Shift-JIS")));
        EXPECT_EQ(notices[0].caption, QStringLiteral("エラー"));
    }
}

TEST_F(DictionaryPickerTest, FileNamesThatCannotBeRememberedAreRefused) {
    // "=" would split the key line, "[a]" would make it a section header: either name
    // would be lost from "Dictionary Path" at once. Dialog and drop refuse them alike.
    const std::string odd = dir.file("a=b.txt");
    const std::string bracketed = dir.file("[a]");
    spit(odd, crlf({"a=b*c"}));
    spit(bracketed, crlf({"a=b*c"}));
    platform.answerNotice();
    expectUnchanged(choice.choose(QString::fromStdString(odd)));
    platform.answerOpenFile(QString::fromStdString(bracketed)).answerNotice();
    expectUnchanged(choice.selectWithDialog());
    platform.answerNotice();
    expectUnchanged(
        choice.acceptDroppedFiles({QUrl::fromLocalFile(QString::fromStdString(bracketed))}));
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 3u);
    for (const auto& n : notices)
        EXPECT_TRUE(n.text.startsWith(QStringLiteral("このファイル名は、辞書ファイルの名前として使用できません。")));
}

TEST_F(DictionaryPickerTest, ASetupFileThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(setupIni());
    platform.answerNotice();
    DictionaryChange change = choice.choose(QString::fromStdString(verbs));
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(settings.files.DicInUse, old);
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].text.startsWith(QString::fromStdString(setupIni()) + "\n"));
    EXPECT_EQ(notices[0].caption, QStringLiteral("エラー"));
}

TEST_F(DictionaryPickerTest, TheListLeavesOutTheGapsAndShowsTheGivenFile) {
    spit(setupIni(), crlf({"[Dictionary]", "DicNum=4", "1=a.txt", "2=", "4=d.txt"}));
    choice.showListed(verbs);
    EXPECT_EQ(choice.count(), 2);
    EXPECT_EQ(choice.itemText(0), QStringLiteral("a.txt"));
    EXPECT_EQ(choice.itemText(1), QStringLiteral("d.txt"));
    EXPECT_EQ(choice.currentIndex(), 0);
    EXPECT_EQ(choice.currentText(), QStringLiteral("verbs.txt"));
    EXPECT_TRUE(choice.isEditable());
    EXPECT_EQ(choice.objectName(), QStringLiteral("cboDicFile"));

    // Filled again: the old names go, and the list may mark none of them.
    spit(setupIni(), crlf({"[Dictionary]", "DicNum=1", "1=b.txt"}));
    choice.showListed(old, DictionaryPicker::Mark::None);
    EXPECT_EQ(choice.count(), 1);
    EXPECT_EQ(choice.currentIndex(), -1);
    EXPECT_EQ(choice.currentText(), QStringLiteral("old.txt"));
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(DictionaryPickerTest, TheTypedNameIsLookedUpUnderItsRememberedPath) {
    ASSERT_TRUE(rememberDictionaryPath(setupIni(), verbs));
    choice.setEditText(QStringLiteral("verbs.txt"));
    EXPECT_EQ(choice.typedPath(), verbs);
    choice.setEditText(QStringLiteral("unknown.txt"));
    EXPECT_EQ(choice.typedPath(), std::string());
    // A name Shift-JIS cannot hold is refused with a box, and names no path.
    platform.answerNotice();
    choice.setEditText(QStringLiteral("😀.txt"));
    EXPECT_EQ(choice.typedPath(), std::nullopt);
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
}

TEST_F(DictionaryPickerTest, StatusTextHasItsLeadingSpace) {
    EXPECT_EQ(DictionaryPicker::statusText(sj("/d/動詞.txt")),
              QStringLiteral(" 現在使用中の辞書 ： /d/動詞.txt"));
    EXPECT_EQ(DictionaryPicker::statusText("verbs.txt"), kStatus + QStringLiteral("verbs.txt"));
}

TEST_F(DictionaryPickerTest, TheOpenDialogStartsInTheFolderOfTheDictionaryInUse) {
    std::filesystem::create_directories(dir.file("lists/english"));
    const std::string inUse = dir.file("lists/english/nouns.txt");
    spit(inUse, crlf({"cat=neko*x"}));
    settings.files.DicInUse = inUse;
    platform.answerOpenFile(QString());
    choice.selectWithDialog();
    // Without a dictionary in use (or with one whose folder is gone): the data folder's
    // dictionary folder, never the working directory.
    settings.files.DicInUse = dir.file("gone/verbs.txt");
    platform.answerOpenFile(QString());
    choice.selectWithDialog();
    auto opened = platform.callsOf(PlatformCall::OpenFile);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].folder, QString::fromStdString(dir.file("lists/english/")));
    EXPECT_EQ(opened[1].folder, QString::fromStdString(dir.file("dictionary/")));
}

// --- dictionaries written in UTF-8 by other editors ---

class Utf8DictionaryPickerTest : public DictionaryPickerTest {
protected:
    std::string utf8 = dir.file("list.txt");
    std::string copy = dir.file("list-sjis.txt");
    const std::string original = "\xEF\xBB\xBF" "run=走る*動詞\nsmile=笑顔*😀\n";

    void SetUp() override {
        DictionaryPickerTest::SetUp();
        spit(utf8, original);
    }
    QString utf8Path() const { return QString::fromStdString(utf8); }
};

TEST_F(Utf8DictionaryPickerTest, AConvertedCopyBesideItBecomesTheDictionary) {
    platform.answerOpenFile(utf8Path()).answerNotice(ui::Button::Yes).answerNotice();
    DictionaryChange change = choice.selectWithDialog();
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(settings.files.DicInUse, copy);
    EXPECT_EQ(change.comboText, QStringLiteral("list-sjis.txt"));
    EXPECT_EQ(slurp(copy), sj("run=走る*動詞") + "\r\n");
    EXPECT_EQ(slurp(utf8), original);
    EXPECT_EQ(rememberedDictionaryPath(setupIni(), "list-sjis.txt"), copy);

    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_TRUE(notices[0].text.startsWith(
        QStringLiteral("選択されたファイルは、UTF-8 で書かれた辞書ファイルのようです。")));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeQuestion);
    EXPECT_EQ(notices[1].caption, QStringLiteral("辞書の変換"));
    EXPECT_EQ(notices[1].noticeKind, ui::kNoticeInformation);
    EXPECT_EQ(notices[1].text,
              QStringLiteral("Shift-JIS に変換したコピーを作成しました。\n") + QString::fromStdString(copy) +
                  QStringLiteral("\n\nShift-JIS で表せない文字を含む 1 行は、コピーに入れていません。\n"
                                 "2行目 「smile」: Shift-JIS で表せない文字「😀」があります"));
}

TEST_F(Utf8DictionaryPickerTest, DeclinedChangesNothingAndWritesNothing) {
    platform.answerNotice(ui::Button::No);
    expectUnchanged(choice.acceptDroppedFiles({QUrl::fromLocalFile(utf8Path())}));
    EXPECT_FALSE(exists(copy));
    EXPECT_EQ(slurp(utf8), original);
}

TEST_F(Utf8DictionaryPickerTest, AFolderThatTakesNoCopyIsToldAndNothingChanges) {
    test::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active()) GTEST_SKIP() << "no read-only folder here";
    platform.answerNotice(ui::Button::Yes).answerNotice();
    DictionaryChange change = choice.choose(utf8Path());
    readOnly.release();
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(settings.files.DicInUse, old);
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1].caption, QStringLiteral("エラー"));
    EXPECT_TRUE(notices[1].text.contains(QString::fromStdString(dir.path())));
    EXPECT_FALSE(exists(copy));
}

TEST_F(Utf8DictionaryPickerTest, AWordListOfAnotherProgramIsPointedToTheImport) {
    spit(utf8, "run,走る\n");
    platform.answerNotice();
    expectUnchanged(choice.choose(utf8Path()));
    expectWarning(kNotDictionary + QStringLiteral(
                                       "\n\n他のプログラムの単語リスト（CSV・TSV・KVTML）は、"
                                       "「辞書の作成」のメニューにある「インポート」で、辞書ファイルに変換できます。"));
}

TEST_F(Utf8DictionaryPickerTest, ASecondChoiceTakesTheEarlierCopy) {
    platform.answerNotice(ui::Button::Yes).answerNotice();
    choice.choose(utf8Path());
    platform.clearCalls();
    platform.answerNotice(ui::Button::Yes).answerNotice();
    EXPECT_TRUE(choice.choose(utf8Path()).changed);
    EXPECT_EQ(settings.files.DicInUse, copy);
    EXPECT_FALSE(exists(dir.file("list-sjis-2.txt")));
    EXPECT_TRUE(platform.boxTexts().last().startsWith(QStringLiteral("前に変換したコピーを使用します。")));
}
