// "辞書の表示設定": the four default dictionaries and their captions.

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "settings/DefaultDictionaries.h"
#include "settings/SettingsStore.h"
#include "settings/TfrmDicSetup.h"
#include "tests/support/Controls.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::exists;
using qor::test::PlatformCall;
using qor::test::ScriptedPlatform;
using qor::test::slurp;
using qor::test::spit;

namespace {

// A control of row 0 to 3: "txtDicFile", "txtDicFile_1" ...
template <class T> T* rowControl(const QObject& window, const char* name, int row) {
    const std::string full = row == 0 ? std::string(name) : name + ("_" + std::to_string(row));
    return ctl<T>(window, full.c_str());
}

class DicSetupTest : public ::testing::Test {
protected:
    test::TempDir dir;
    TUserSettings s;
    ScriptedPlatform platform;

    void SetUp() override {
        s.ProgramFolder = dir.folder();
        s.UserName = "Taro";
        makeFolder(s.userFolder());
        SettingsStore::load(s);
    }

    void fill(TfrmDicSetup& w) {
        for (int i = 0; i < 4; ++i) {
            rowControl<QLineEdit>(w, "txtDicFile", i)->setText(
                QStringLiteral("/d/%1.txt").arg(i + 1));
            rowControl<QLineEdit>(w, "txtCaption", i)->setText(QStringLiteral("種類%1").arg(i + 1));
        }
    }
};

} // namespace

TEST_F(DicSetupTest, ShowingFillsTheRowsFromTheRecord) {
    s.dicTypes.defDicCaption_2 = sj("熟語");
    TfrmDicSetup w(s);
    rowControl<QLineEdit>(w, "txtCaption", 0)->setText(QStringLiteral("left over"));
    w.FormShow();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("辞書の表示設定"));
    EXPECT_EQ(rowControl<QLineEdit>(w, "txtDicFile", 0)->text(), QString::fromStdString(dir.folder() + "dictionary/noun.txt"));
    EXPECT_EQ(rowControl<QLineEdit>(w, "txtDicFile", 3)->text(), QString::fromStdString(dir.folder() + "dictionary/other.txt"));
    EXPECT_EQ(rowControl<QLineEdit>(w, "txtCaption", 0)->text(), QStringLiteral("名詞"));
    EXPECT_EQ(rowControl<QLineEdit>(w, "txtCaption", 2)->text(), QStringLiteral("熟語"));
    EXPECT_EQ(rowControl<QPushButton>(w, "cmdSelectDic", 1)->text(), QStringLiteral("参照"));
}

TEST_F(DicSetupTest, OkStoresTheEightKeysAndTheRecord) {
    TfrmDicSetup w(s);
    w.FormShow();
    fill(w);
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(s.dicTypes.defDicType, "/d/1.txt");
    EXPECT_EQ(s.dicTypes.defDicType_3, "/d/4.txt");
    EXPECT_EQ(s.dicTypes.defDicCaption_1, sj("種類2"));
    EXPECT_EQ(slurp(s.setupIniPath()),
              crlf({"[Default Dictionary Type]", "defDicType=/d/1.txt", "defDicCaption=" + sj("種類1"),
                    "defDicType_1=/d/2.txt", "defDicCaption_1=" + sj("種類2"),
                    "defDicType_2=/d/3.txt", "defDicCaption_2=" + sj("種類3"),
                    "defDicType_3=/d/4.txt", "defDicCaption_3=" + sj("種類4")}));
}

TEST_F(DicSetupTest, AnEmptyFieldKeepsTheDialogOpenAndWritesNothing) {
    TfrmDicSetup w(s);
    w.FormShow();
    fill(w);
    rowControl<QLineEdit>(w, "txtCaption", 1)->clear();
    platform.answerMessage();
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(platform.boxTexts(), QStringList{QStringLiteral("キャプション設定で未設定の項目があります")});
    EXPECT_NE(w.result(), QDialog::Accepted);
    EXPECT_FALSE(exists(s.setupIniPath()));
    EXPECT_EQ(s.dicTypes.defDicCaption, sj("名詞"));

    // A missing path is named first, even with a caption missing too.
    platform.clearCalls();
    rowControl<QLineEdit>(w, "txtDicFile", 3)->clear();
    platform.answerMessage();
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(platform.boxTexts(), QStringList{QStringLiteral("辞書が指定されていない項目があります")});
    EXPECT_FALSE(exists(s.setupIniPath()));
}

TEST_F(DicSetupTest, ReferenceTestsTheChosenFileAndTypedPathsAreTakenAsTheyAre) {
    std::string good = dir.file("good.txt");
    std::string notDic = dir.file("notes.txt");
    std::string empty = dir.file("empty.txt");
    spit(good, crlf({"run=hashiru*x"}));
    spit(notDic, crlf({"just some text", "a=b*c"}));
    spit(empty, "");
    TfrmDicSetup w(s);
    w.FormShow();
    const QString before = rowControl<QLineEdit>(w, "txtDicFile", 1)->text();

    platform.answerOpenFile(QString::fromStdString(notDic)).answerMessage();
    rowControl<QPushButton>(w, "cmdSelectDic", 1)->click();
    platform.answerOpenFile(QString::fromStdString(empty)).answerMessage();
    rowControl<QPushButton>(w, "cmdSelectDic", 1)->click();
    EXPECT_EQ(platform.boxTexts(),
              (QStringList{QStringLiteral("選択されたファイルは、Qor Helper用辞書ファイルではありません"),
                           QStringLiteral("選択されたファイルには、何も書かれていません。\n"
                                          "まず、単語を１０語記入してから選択してください。")}));
    // Both are plain messages, and the field keeps its text.
    EXPECT_EQ(platform.callsOf(PlatformCall::Message).size(), 2u);
    EXPECT_EQ(rowControl<QLineEdit>(w, "txtDicFile", 1)->text(), before);

    platform.answerOpenFile(QString::fromStdString(good));
    rowControl<QPushButton>(w, "cmdSelectDic", 1)->click();
    EXPECT_EQ(rowControl<QLineEdit>(w, "txtDicFile", 1)->text(), QString::fromStdString(good));
    auto opens = platform.callsOf(PlatformCall::OpenFile);
    ASSERT_EQ(opens.size(), 3u);
    EXPECT_EQ(opens[0].caption, QStringLiteral("辞書ファイル (*.txt)|*.txt"));

    // A path typed by hand is not tested.
    rowControl<QLineEdit>(w, "txtDicFile", 2)->setText(QString::fromStdString(notDic));
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(s.dicTypes.defDicType_1, good);
    EXPECT_EQ(s.dicTypes.defDicType_2, notDic);
}

TEST_F(DicSetupTest, CancelCopiesNothing) {
    TfrmDicSetup w(s);
    w.FormShow();
    fill(w);
    ctl<QPushButton>(w, "cmdCancel")->click();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(s.dicTypes.defDicType, dir.folder() + "dictionary/noun.txt");
    EXPECT_FALSE(exists(s.setupIniPath()));
}

TEST_F(DicSetupTest, AFailedWriteIsReportedAndTheRecordKeptAsItWas) {
    // A folder where Setup.ini should be cannot be written over.
    makeFolder(s.setupIniPath());
    TfrmDicSetup w(s);
    w.FormShow();
    fill(w);
    platform.answerNotice();
    ctl<QPushButton>(w, "cmdOk")->click();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].caption, QStringLiteral("エラー"));
    EXPECT_TRUE(notices[0].text.contains(QStringLiteral("Setup.ini")));
    EXPECT_NE(w.result(), QDialog::Accepted);
    EXPECT_EQ(s.dicTypes.defDicType, dir.folder() + "dictionary/noun.txt");
}
