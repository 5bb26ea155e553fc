#include "settings/UserFiles.h"

#include <gtest/gtest.h>

using namespace qor;

TEST(UserFiles, NamesTheSameFilesAsTheRecord) {
    TUserSettings settings;
    settings.ProgramFolder = "/data/qor/";
    settings.UserName = "Taro";
    UserFiles files(settings);
    EXPECT_EQ(files.dataFolder(), "/data/qor/");
    EXPECT_EQ(files.folder(), settings.userFolder());
    EXPECT_EQ(files.file("Hist.txt"), settings.userFile("Hist.txt"));
    EXPECT_EQ(files.setupIni(), settings.setupIniPath());
    EXPECT_EQ(files.setupIni(), "/data/qor/Taro/Setup.ini");
}

TEST(UserFiles, IsTakenWhenBuiltSoALaterUserChangeMakesANewValue) {
    TUserSettings settings;
    settings.ProgramFolder = "/data/qor/";
    settings.UserName = "Taro";
    const UserFiles taro(settings);
    settings.UserName = "Hanako";
    EXPECT_EQ(taro.folder(), "/data/qor/Taro");
    EXPECT_NE(UserFiles(settings), taro);
    EXPECT_EQ(UserFiles(settings).folder(), "/data/qor/Hanako");
}
