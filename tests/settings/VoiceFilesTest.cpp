// The voice tab's files: the list of a folder, renaming, and the companion test.

#include "settings/VoiceFiles.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::slurp;
using qor::test::spit;

TEST(VoiceFilesTest, TheWaveFilesOfAFolderInNameOrder) {
    test::TempDir dir;
    spit(dir.file("run.wav"), "r");
    spit(dir.file("Apple.WAV"), "a");
    spit(nativePath(dir.file(sj("走る.wav"))), "j");
    spit(dir.file("notes.txt"), "n");
    makeFolder(dir.file("folder.wav"));
    auto names = listWaveFiles(dir.folder());
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, (std::vector<std::string>{"Apple.WAV", "run.wav", sj("走る.wav")}));
    EXPECT_FALSE(listWaveFiles(dir.file("missing/")));
}

TEST(VoiceFilesTest, ARenameNeverOverwritesNorLeavesTheFolder) {
    test::TempDir dir;
    spit(dir.file("run.wav"), "r");
    spit(dir.file("walk.wav"), "w");
    ASSERT_TRUE(renameVoiceFile(dir.folder(), "run.wav", "running.wav"));
    EXPECT_EQ(slurp(dir.file("running.wav")), "r");

    FileStatus taken = renameVoiceFile(dir.folder(), "running.wav", "walk.wav");
    EXPECT_FALSE(taken);
    EXPECT_EQ(taken.errorNumber(), EEXIST);
    EXPECT_EQ(slurp(dir.file("walk.wav")), "w");
    EXPECT_EQ(renameVoiceFile(dir.folder(), "walk.wav", "../walk.wav").errorNumber(), EINVAL);
    EXPECT_FALSE(renameVoiceFile(dir.folder(), "walk.wav", ""));
    EXPECT_FALSE(renameVoiceFile(dir.folder(), "gone.wav", "here.wav"));
    EXPECT_TRUE(fileExists(dir.file("walk.wav")));
}

TEST(VoiceFilesTest, TheCompanionIsVexaWithOrWithoutExe) {
    test::TempDir dir;
    EXPECT_TRUE(isCompanionFileName("vexa"));
    EXPECT_TRUE(isCompanionFileName("vexa.exe"));
    EXPECT_FALSE(isCompanionFileName("Vexa.exe"));
    EXPECT_FALSE(isCompanionFileName("vexa.sh"));
    spit(dir.file("vexa"), "x");
    spit(dir.file("other"), "x");
    EXPECT_TRUE(isCompanionProgram(dir.file("vexa")));
    EXPECT_FALSE(isCompanionProgram(dir.file("vexa.exe"))); // not there
    EXPECT_FALSE(isCompanionProgram(dir.file("other")));
}
