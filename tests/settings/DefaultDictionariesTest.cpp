#include "base/Cp932.h"
#include "base/TextFile.h"
#include "settings/DefaultDictionaries.h"
#include "settings/SettingsStore.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

class DefaultDictionariesTest : public ::testing::Test {
protected:
    test::TempDir dir;
    TUserSettings s;

    void SetUp() override {
        s.ProgramFolder = dir.folder();
        s.UserName = "Taro";
        makeFolder(s.userFolder());
        SettingsStore::load(s);
    }
};

TEST_F(DefaultDictionariesTest, TheFourEntriesOfTheRecordInOrder) {
    DefaultDictionarySet set = defaultDictionaries(s.dicTypes);
    EXPECT_EQ(set[0].path, dir.folder() + "dictionary/noun.txt");
    EXPECT_EQ(set[0].caption, sj("名詞"));
    EXPECT_EQ(set[1].path, dir.folder() + "dictionary/verb.txt");
    EXPECT_EQ(set[2].caption, sj("形容詞・副詞"));
    EXPECT_EQ(set[3].path, dir.folder() + "dictionary/other.txt");
    EXPECT_EQ(defaultDictionaryWithFileName(s.dicTypes, "verb.txt"), 1);
    EXPECT_EQ(defaultDictionaryWithFileName(s.dicTypes, "verbs.txt"), -1);
    EXPECT_EQ(defaultDictionaryWithFileName(s.dicTypes, ""), -1);
}

TEST_F(DefaultDictionariesTest, SavingWritesTheEightKeysPathThenCaptionRowByRow) {
    spit(s.setupIniPath(), crlf({"[Setup]", "ShowResult=1"}));
    DefaultDictionarySet set{{{"/a/1.txt", sj("一")}, {"/a/2.txt", sj("二")},
                              {"/a/3.txt", sj("三")}, {"/a/4.txt", sj("四")}}};
    setDefaultDictionaries(s, set);
    EXPECT_EQ(s.dicTypes.defDicType_2, "/a/3.txt");
    EXPECT_EQ(s.dicTypes.defDicCaption_3, sj("四"));
    ASSERT_TRUE(saveDefaultDictionaries(s));
    EXPECT_EQ(slurp(s.setupIniPath()),
              crlf({"[Setup]", "ShowResult=1", "", "[Default Dictionary Type]",
                    "defDicType=/a/1.txt", "defDicCaption=" + sj("一"), "defDicType_1=/a/2.txt",
                    "defDicCaption_1=" + sj("二"), "defDicType_2=/a/3.txt",
                    "defDicCaption_2=" + sj("三"), "defDicType_3=/a/4.txt",
                    "defDicCaption_3=" + sj("四")}));
    // And the record loads them back.
    TUserSettings again;
    again.ProgramFolder = s.ProgramFolder;
    again.UserName = s.UserName;
    SettingsStore::load(again);
    EXPECT_EQ(defaultDictionaries(again.dicTypes)[3].path, "/a/4.txt");
    EXPECT_EQ(defaultDictionaries(again.dicTypes)[0].caption, sj("一"));
}

TEST_F(DefaultDictionariesTest, PathsAreCheckedBeforeCaptions) {
    DefaultDictionarySet set = defaultDictionaries(s.dicTypes);
    EXPECT_EQ(checkDefaultDictionaries(set), DefaultDictionaryProblem::None);
    set[2].caption.clear();
    EXPECT_EQ(checkDefaultDictionaries(set), DefaultDictionaryProblem::MissingCaption);
    set[3].path.clear();
    EXPECT_EQ(checkDefaultDictionaries(set), DefaultDictionaryProblem::MissingPath);
}
