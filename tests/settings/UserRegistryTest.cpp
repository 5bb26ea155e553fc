#include "base/Cp932.h"
#include "settings/UserRegistry.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;

TEST(UserRegistry, NewUserIsRegisteredWithCounterOneAndAFolder) {
    test::TempDir dir;
    UserRegistry users(dir.folder());
    StartupState s = users.readStartup();
    EXPECT_TRUE(s.firstStart);
    EXPECT_EQ(s.showUser, 0);
    EXPECT_EQ(s.lastUser, " ");
    ASSERT_TRUE(users.select("Taro"));
    EXPECT_EQ(slurp(dir.file("User.ini")), crlf({"[User]", "UserNum=1", "1=Taro", "", "[Taro]", "Num=1"}));
    EXPECT_TRUE(test::exists(dir.file("Taro")));
}

TEST(UserRegistry, KnownUserOnlyRaisesTheCounterAndOtherCaseIsANewUser) {
    test::TempDir dir;
    UserRegistry users(dir.folder());
    users.select("Taro");
    users.select("Taro");
    EXPECT_EQ(users.launchCount("Taro"), 2);
    EXPECT_EQ(users.users(), std::vector<std::string>{"Taro"});
    users.select("taro");
    EXPECT_EQ(users.users(), (std::vector<std::string>{"Taro", "taro"}));
    EXPECT_EQ(users.launchCount("taro"), 1);
    users.countLaunch("Taro");
    EXPECT_EQ(users.launchCount("Taro"), 3);
}

TEST(UserRegistry, RegistrationFromTheSettingsDialogStartsAtZero) {
    test::TempDir dir;
    UserRegistry users(dir.folder());
    users.select(sj("太郎"));
    users.registerUser("Hanako");
    EXPECT_EQ(users.users(), (std::vector<std::string>{sj("太郎"), "Hanako"}));
    EXPECT_EQ(users.launchCount("Hanako"), 0);
    EXPECT_TRUE(test::exists(dir.file("Hanako")));
    EXPECT_TRUE(test::exists(dir.folder() + "太郎"));
}

TEST(UserRegistry, ExitRecordsBootAndTheUser) {
    test::TempDir dir;
    UserRegistry users(dir.folder());
    users.select("Taro");
    users.setShowUser(0);
    users.recordExit("Taro");
    StartupState s = users.readStartup();
    EXPECT_FALSE(s.firstStart);
    EXPECT_EQ(s.lastUser, "Taro");
    EXPECT_EQ(slurp(dir.file("User.ini")),
              crlf({"[User]", "UserNum=1", "1=Taro", "", "[Taro]", "Num=1", "", "[Setup]",
                    "ShowUser=0", "Boot=1", "UserName=Taro"}));
}

TEST(UserRegistry, NamesThatWouldLeaveTheFolderOrBreakUserIniAreRefused) {
    const std::vector<std::string> bad{"", ".", "..", "a/b", "a\\b", "[x", "x]", "a=b",
                                       "tab\there", "nl\nx", "   "};
    for (const std::string& name : bad)
        EXPECT_TRUE(userNameProblem(name).has_value()) << name;
    const std::vector<std::string> good{"Taro", "taro 2", sj("太郎"), sj("表示"), "a.b"};
    for (const std::string& name : good)
        EXPECT_FALSE(userNameProblem(name).has_value()) << name;
}
