#include "base/DataRoot.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::slurp;
using qor::test::spit;

TEST(DataRoot, HomeArgumentThenEnvironmentThenXdgThenHome) {
    Environment env{"/env/root", "/xdg", "/home/taro"};
    EXPECT_EQ(chooseDataRoot({"--home", "/tmp/x/"}, env), "/tmp/x");
    EXPECT_EQ(chooseDataRoot({"--home=/tmp/y"}, env), "/tmp/y");
    EXPECT_EQ(chooseDataRoot({}, env), "/env/root");
    env.qorHelperHome.reset();
    EXPECT_EQ(chooseDataRoot({}, env), "/xdg/qor-helper");
    env.xdgDataHome.reset();
    EXPECT_EQ(chooseDataRoot({}, env), "/home/taro/.local/share/qor-helper");
    EXPECT_EQ(argsWithoutHome({"a", "--home", "/x", "b", "--home=/y"}),
              (std::vector<std::string>{"a", "b"}));
}

TEST(DataRoot, InstallationDataIsCopiedOnlyWhereMissing) {
    test::TempDir from;
    test::TempDir to;
    spit(from.file("dictionary/noun.txt"), "new");
    spit(from.file("hit.wav"), "wave");
    spit(to.file("dictionary/noun.txt"), "learner's own");
    ASSERT_TRUE(installMissing(from.path(), to.path()));
    EXPECT_EQ(slurp(to.file("dictionary/noun.txt")), "learner's own");
    EXPECT_EQ(slurp(to.file("hit.wav")), "wave");
}
