// The main window's search command and its button open the word search on the
// dictionary in use, through the window registry.

#include "tests/app/ShellFixture.h"
#include "tools/TfrmFind.h"

#include <QPushButton>

using namespace qor;
using qor::test::PlatformCall;

namespace {

using FindCommandTest = test::ShellFixture;

TEST_F(FindCommandTest, TheSearchButtonOpensTheWordSearchOnTheDictionaryInUse) {
    knownUser({"[File Path]", "defDicFilePath=" + dir.file("verbs.txt")});
    auto main = start();
    ASSERT_EQ(main->settings().files.DicInUse, dir.file("verbs.txt"));
    std::string searched;
    platform.answerModal([&](QDialog& d) {
        auto* find = dynamic_cast<TfrmFind*>(&d);
        EXPECT_TRUE(find);
        if (find)
            searched = find->dictionaryPath();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("単語の検索"));
        return QDialog::Rejected;
    });
    ctl<QPushButton>(*main, "cmdFind")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).size(), 1u);
    EXPECT_EQ(searched, dir.file("verbs.txt"));
    EXPECT_EQ(ctl<QPushButton>(*main, "cmdFind")->text(), QStringLiteral("検索"));
}

} // namespace
