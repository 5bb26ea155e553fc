#include "base/Cp932.h"
#include "base/IniFile.h"
#include "settings/TfrmUser.h"
#include "settings/UserSelection.h"
#include "tests/support/Controls.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::ScriptedPlatform;
using qor::test::slurp;
using qor::test::spit;

namespace {

const QString kFirstRun = QStringLiteral(
    "この度は、Qor Helperをご使用いただきありがとうございます m(._.)m\n\n"
    "まず最初に、ユーザー名を指定する必要があります\n"
    "次に表示されるダイアログで、ユーザー名を記入し\"OK\"を押してください\n"
    "（次回からこのウインドウは表示されません）");

// Types a name into the selection dialog and presses OK.
std::function<int(QDialog&)> typeAndOk(const QString& name) {
    return [name](QDialog& d) {
        auto& frm = dynamic_cast<TfrmUser&>(d);
        ctl<QComboBox>(frm, "cboUserName")->setEditText(name);
        ctl<QPushButton>(frm, "cmdOk")->click();
        return frm.result();
    };
}

class UserSelectionTest : public ::testing::Test {
protected:
    test::TempDir dir;
    UserRegistry registry{dir.folder()};
    TUserSettings settings;
    ScriptedPlatform platform;

    void SetUp() override { settings.ProgramFolder = dir.folder(); }
};

} // namespace

TEST_F(UserSelectionTest, FirstStartShowsTheMessageThenRegistersTheUser) {
    platform.answerNotice().answerModal(typeAndOk(QStringLiteral("太郎")));
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    auto notices = platform.callsOf(test::PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, kFirstRun);
    EXPECT_EQ(notices[0].caption, QStringLiteral("Qor Helper"));
    EXPECT_EQ(notices[0].noticeKind, 1);
    EXPECT_EQ(platform.callsOf(test::PlatformCall::Modal)[0].caption, QStringLiteral("ユーザーの選択"));
    EXPECT_EQ(settings.UserName, sj("太郎"));
    EXPECT_EQ(registry.users(), std::vector<std::string>{sj("太郎")});
    EXPECT_EQ(registry.launchCount(sj("太郎")), 1);
    EXPECT_TRUE(test::exists(dir.folder() + "太郎"));
}

TEST_F(UserSelectionTest, KnownUserStartsDirectlyAndCounts) {
    registry.select("Taro");
    registry.recordExit("Taro");
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_TRUE(platform.calls().empty());
    EXPECT_EQ(settings.UserName, "Taro");
    EXPECT_EQ(registry.launchCount("Taro"), 2);
}

TEST_F(UserSelectionTest, SeveralUsersModeOpensTheDialogPresetWithTheLastUser) {
    registry.select("Taro");
    registry.select("Hanako");
    registry.recordExit("Taro");
    spit(dir.file("User.ini"), slurp(dir.file("User.ini")) + crlf({"ShowUser=1"}));
    QString preset;
    QStringList listed;
    platform.answerModal([&](QDialog& d) {
        auto& frm = dynamic_cast<TfrmUser&>(d);
        preset = ctl<QComboBox>(frm, "cboUserName")->currentText();
        for (int i = 0; i < ctl<QComboBox>(frm, "cboUserName")->count(); ++i)
            listed << ctl<QComboBox>(frm, "cboUserName")->itemText(i);
        ctl<QPushButton>(frm, "cmdOk")->click();
        return frm.result();
    });
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_EQ(preset, QStringLiteral("Taro"));
    EXPECT_EQ(listed, (QStringList{QStringLiteral("Taro"), QStringLiteral("Hanako")}));
    EXPECT_TRUE(settings.ShowUser);
    EXPECT_EQ(registry.launchCount("Taro"), 2);
    EXPECT_EQ(registry.users().size(), 2u);
}

TEST_F(UserSelectionTest, EmptyOrUnsafeNamesKeepTheDialogOpen) {
    registry.recordExit(" ");
    platform.answerModal([&](QDialog& d) {
        auto& frm = dynamic_cast<TfrmUser&>(d);
        ctl<QComboBox>(frm, "cboUserName")->setEditText(QString());
        ctl<QPushButton>(frm, "cmdOk")->click();
        EXPECT_TRUE(frm.isVisible());
        ctl<QComboBox>(frm, "cboUserName")->setEditText(QStringLiteral(".."));
        ctl<QPushButton>(frm, "cmdOk")->click();
        EXPECT_TRUE(frm.isVisible());
        ctl<QComboBox>(frm, "cboUserName")->setEditText(QStringLiteral("a😀"));
        ctl<QPushButton>(frm, "cmdOk")->click();
        EXPECT_TRUE(frm.isVisible());
        ctl<QComboBox>(frm, "cboUserName")->setEditText(QStringLiteral("Jiro"));
        ctl<QPushButton>(frm, "cmdOk")->click();
        return frm.result();
    });
    platform.answerMessage().answerMessage().answerNotice();
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    QStringList boxes = platform.boxTexts();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[0], QStringLiteral("ユーザー名が選択 / 記入されていません"));
    EXPECT_TRUE(boxes[2].contains(QStringLiteral("😀")));
    EXPECT_EQ(settings.UserName, "Jiro");
    EXPECT_FALSE(test::exists(dir.file("..User.ini")));
    EXPECT_EQ(registry.users(), std::vector<std::string>{"Jiro"});
}

TEST_F(UserSelectionTest, ClosingWithoutOkAtFirstStartEndsAndWritesNothing) {
    platform.answerNotice().answerModal([](QDialog&) { return QDialog::Rejected; });
    EXPECT_FALSE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_FALSE(test::exists(dir.file("User.ini")));
}

TEST_F(UserSelectionTest, ClosingWithoutOkLaterGoesOnWithTheLastUser) {
    registry.select("Taro");
    registry.recordExit("Taro");
    registry.setShowUser(1);
    platform.answerModal([](QDialog&) { return QDialog::Rejected; });
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_EQ(settings.UserName, "Taro");
}

TEST_F(UserSelectionTest, NotShowAgainAlwaysStoresZero) {
    registry.select("Taro");
    registry.recordExit("Taro");
    registry.setShowUser(1);
    QString hintTicked, hintCleared;
    platform.answerModal([&](QDialog& d) {
        auto& frm = dynamic_cast<TfrmUser&>(d);
        ctl<QCheckBox>(frm, "chkNotShow")->click();
        hintTicked = ctl<QCheckBox>(frm, "chkNotShow")->toolTip();
        ctl<QCheckBox>(frm, "chkNotShow")->click();
        hintCleared = ctl<QCheckBox>(frm, "chkNotShow")->toolTip();
        ctl<QPushButton>(frm, "cmdOk")->click();
        return frm.result();
    });
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_EQ(hintTicked, QStringLiteral("解除するには、基本設定の『複数のユーザーで使用する』をチェックします"));
    EXPECT_TRUE(hintCleared.isEmpty());
    EXPECT_EQ(registry.readStartup().showUser, 0);
    EXPECT_FALSE(settings.ShowUser);
}

TEST_F(UserSelectionTest, NotShowAgainAtTheFirstStartIsStoredOnlyByOk) {
    // Closed without OK: nothing at all is written.
    bool writtenWhileOpen = true;
    platform.answerNotice().answerModal([&](QDialog& d) {
        auto& frm = dynamic_cast<TfrmUser&>(d);
        ctl<QCheckBox>(frm, "chkNotShow")->click();
        writtenWhileOpen = test::exists(dir.file("User.ini"));
        return static_cast<int>(QDialog::Rejected);
    });
    EXPECT_FALSE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_FALSE(writtenWhileOpen);
    EXPECT_FALSE(test::exists(dir.file("User.ini")));

    // Ticked and unticked, then OK: "ShowUser" is stored as 0 with the new user.
    writtenWhileOpen = true;
    platform.answerNotice().answerModal([&](QDialog& d) {
        auto& frm = dynamic_cast<TfrmUser&>(d);
        ctl<QCheckBox>(frm, "chkNotShow")->click();
        ctl<QCheckBox>(frm, "chkNotShow")->click();
        writtenWhileOpen = test::exists(dir.file("User.ini"));
        ctl<QComboBox>(frm, "cboUserName")->setEditText(QStringLiteral("Taro"));
        ctl<QPushButton>(frm, "cmdOk")->click();
        return frm.result();
    });
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_FALSE(writtenWhileOpen);
    EXPECT_EQ(IniFile(dir.file("User.ini")).read("Setup", "ShowUser", "none"), "0");
    EXPECT_FALSE(settings.ShowUser);
    EXPECT_EQ(registry.users(), std::vector<std::string>{"Taro"});
}

TEST_F(UserSelectionTest, NotShowAgainAtTheFirstStartIsNotStoredUnlessClicked) {
    platform.answerNotice().answerModal(typeAndOk(QStringLiteral("Taro")));
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_EQ(IniFile(dir.file("User.ini")).read("Setup", "ShowUser", "none"), "none");
}

TEST_F(UserSelectionTest, AKnownNameInOtherLetterCaseIsANewUser) {
    registry.select("Taro");
    registry.recordExit("Taro");
    registry.setShowUser(1);
    platform.answerModal(typeAndOk(QStringLiteral("taro")));
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_EQ(settings.UserName, "taro");
    EXPECT_EQ(registry.users(), (std::vector<std::string>{"Taro", "taro"}));
    EXPECT_EQ(registry.launchCount("taro"), 1);
    EXPECT_EQ(registry.launchCount("Taro"), 1);
    EXPECT_TRUE(test::exists(dir.folder() + "taro"));
}

TEST_F(UserSelectionTest, AStoredNameThatCannotBeUsedIsExplainedBeforeTheChoice) {
    // Written into User.ini by hand: it would leave the data folder.
    spit(dir.file("User.ini"), crlf({"[Setup]", "Boot=1", "UserName=../../etc"}));
    platform.answerNotice().answerModal(typeAndOk(QStringLiteral("Hanako")));
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    auto notices = platform.callsOf(test::PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].text.startsWith(QStringLiteral("前回のユーザー名「../../etc」は使用できません。")));
    EXPECT_TRUE(notices[0].text.contains(QStringLiteral("/ \\ [ ] =")));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeWarning);
    EXPECT_EQ(settings.UserName, "Hanako");
    EXPECT_FALSE(test::exists(dir.folder() + "../../etc/Setup.ini"));
    // The no-user value of a start that never chose one needs no explanation.
    ScriptedPlatform quiet;
    spit(dir.file("User.ini"), crlf({"[Setup]", "Boot=1", "UserName= "}));
    quiet.answerModal(typeAndOk(QStringLiteral("Hanako")));
    ASSERT_TRUE(selectUserAtStartup(nullptr, registry, settings));
    EXPECT_TRUE(quiet.callsOf(test::PlatformCall::Notice).empty());
}
