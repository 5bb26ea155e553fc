// The tabs of "基本設定": every click rule with its dependent controls, the file
// choosers, users, the schedule, fonts, the voice files and the companion.

#include "base/IniFile.h"
#include "settings/SetupGeneralPages.h"
#include "settings/SetupLookPages.h"
#include "settings/SetupSoundPages.h"
#include "settings/SetupUserPages.h"
#include "settings/SetupWidgets.h"
#include "settings/TfrmDicSetup.h"
#include "tests/settings/SetupFixture.h"
#include "ui/RadioGroup.h"

#include "tests/support/Controls.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringListModel>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>

using namespace qor;
using test::crlf;
using test::PlatformCall;
using test::q;
using test::slurp;
using test::spit;

namespace {

using SetupTabsTest = test::SetupFixture;

QStringList column(const QTreeView* table, int col) {
    QStringList out;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        out << table->model()->index(r, col).data().toString();
    return out;
}

void clickRow(QTreeView* table, int row) {
    QModelIndex index = table->model()->index(row, 0);
    table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
}

} // namespace

// --- click rules ---

TEST_F(SetupTabsTest, TheTimeLimitFieldFollowsItsBox) {
    settings.drill.TimeLimit = 17;
    dialog();
    auto* box = find<QCheckBox>("chkTimerOn");
    auto* seconds = find<QSpinBox>("txtTimeLimit");
    EXPECT_FALSE(seconds->isEnabled());
    EXPECT_EQ(seconds->minimum(), 1);
    EXPECT_EQ(seconds->maximum(), 60);
    box->click();
    EXPECT_TRUE(seconds->isEnabled());
    EXPECT_EQ(seconds->value(), 17);
    box->click();
    EXPECT_FALSE(seconds->isEnabled());
}

TEST_F(SetupTabsTest, ResultDisplayUntickedUnticksAndDisablesItsThreeBoxes) {
    settings.drill.ShowResult = true;
    settings.drill.ShowErrorOnly = true;
    settings.drill.ShowEasyAtari = true;
    dialog();
    auto* errorOnly = find<QCheckBox>("chkShowErrorOnly");
    EXPECT_TRUE(errorOnly->isChecked());
    find<QCheckBox>("chkShowResult")->click();
    for (const char* name : {"chkShowErrorOnly", "chkShowEasyError", "chkShowEasyAtari"}) {
        EXPECT_FALSE(find<QCheckBox>(name)->isChecked()) << name;
        EXPECT_FALSE(find<QCheckBox>(name)->isEnabled()) << name;
    }
    find<QCheckBox>("chkShowResult")->click();
    EXPECT_TRUE(errorOnly->isEnabled());
    EXPECT_FALSE(errorOnly->isChecked());
    // Shown with the result display off, the dependents are off whatever the record says.
    settings.drill.ShowResult = false;
    dialog();
    EXPECT_FALSE(errorOnly->isChecked());
    EXPECT_FALSE(errorOnly->isEnabled());
}

TEST_F(SetupTabsTest, PronunciationAndImportanceTakeTheirDependentsAlong) {
    settings.drill.ShowPronunciation = true;
    settings.drill.ShowPronResultOnly = true;
    settings.drill.ImportantOn = true;
    settings.drill.AutoImportantOn = true;
    dialog();
    auto* resultOnly = find<QCheckBox>("chkShowPronResultOnly");
    auto* autoImportant = find<QCheckBox>("chkAutoImportantOn");
    EXPECT_TRUE(resultOnly->isChecked());
    EXPECT_TRUE(autoImportant->isChecked());
    find<QCheckBox>("chkShowPronunciation")->click();
    EXPECT_FALSE(resultOnly->isChecked());
    EXPECT_FALSE(resultOnly->isEnabled());
    find<QCheckBox>("chkImportantOn")->click();
    EXPECT_FALSE(autoImportant->isChecked());
    EXPECT_FALSE(autoImportant->isEnabled());
    find<QCheckBox>("chkImportantOn")->click();
    EXPECT_TRUE(autoImportant->isEnabled());
    // Signs off: "ShowPronResultOnly" keeps the record's value.
    ctl<QPushButton>(*window, "cmdOk")->click();
    EXPECT_FALSE(settings.drill.ShowPronunciation);
    EXPECT_TRUE(settings.drill.ShowPronResultOnly);
    EXPECT_FALSE(settings.drill.AutoImportantOn);
}

TEST_F(SetupTabsTest, TheMissedWordFileFollowsItsBox) {
    settings.files.SaveErrorFile = "/e/miss.txt";
    dialog();
    auto* field = find<QLineEdit>("txtSaveErrorFile");
    auto* chooser = find<QPushButton>("cmdSelectSaveErrorFile");
    EXPECT_EQ(field->text(), QString());
    EXPECT_FALSE(chooser->isEnabled());
    find<QCheckBox>("chkSaveError")->click();
    EXPECT_EQ(field->text(), QStringLiteral("/e/miss.txt"));
    EXPECT_TRUE(chooser->isEnabled());
    find<QCheckBox>("chkSaveError")->click();
    EXPECT_EQ(field->text(), QString());
    EXPECT_FALSE(chooser->isEnabled());
}

TEST_F(SetupTabsTest, EachSoundForgetsItsFileWhenOffAndTriesOnlyANamedFile) {
    const struct {
        const char* box;
        const char* field;
        const char* select;
        const char* tryButton;
    } rows[] = {
        {"chkAtariOn", "txtAtariSoundFile", "cmdSelectAtariSoundFile", "cmdTryAtariSoundFile"},
        {"chkHazureOn", "txtHazureSoundFile", "cmdSelectHazureSoundFile", "cmdTryHazureSoundFile"},
        {"chkFinishOn", "txtFinishSoundFile", "cmdSelectFinishSoundFile", "cmdTryFinishSoundFile"},
    };
    settings.sound.FinishSoundFile = "/s/fanfare.wav";
    settings.sound.FinishOn = true;
    dialog();
    for (const auto& r : rows) {
        auto* box = find<QCheckBox>(r.box);
        auto* field = find<QLineEdit>(r.field);
        auto* tryButton = find<QPushButton>(r.tryButton);
        ASSERT_TRUE(box->isChecked()) << r.box;
        EXPECT_FALSE(field->text().isEmpty()) << r.box;
        EXPECT_TRUE(tryButton->isEnabled()) << r.box;
        platform.clearCalls();
        tryButton->click();
        ASSERT_EQ(platform.callsOf(PlatformCall::Wave).size(), 1u) << r.box;
        EXPECT_EQ(platform.callsOf(PlatformCall::Wave)[0].text, field->text());

        box->click();
        EXPECT_TRUE(field->text().isEmpty()) << r.box;
        EXPECT_FALSE(field->isEnabled()) << r.box;
        EXPECT_FALSE(find<QPushButton>(r.select)->isEnabled()) << r.box;
        EXPECT_FALSE(tryButton->isEnabled()) << r.box;
        box->click();
        EXPECT_TRUE(find<QPushButton>(r.select)->isEnabled()) << r.box;
    }
    // An emptied field stops the try button; the slot itself still refuses to play.
    auto* finish = find<QLineEdit>("txtFinishSoundFile");
    finish->clear();
    EXPECT_FALSE(find<QPushButton>("cmdTryFinishSoundFile")->isEnabled());
    platform.clearCalls();
    platform.answerNotice();
    ctl<SetupSoundPage>(*window, "tsSound")->cmdTryFinishSoundFileClick();
    EXPECT_EQ(platform.boxTexts(), QStringList{q("WAVファイルが選択されていません")});
    EXPECT_TRUE(platform.callsOf(PlatformCall::Wave).empty());

    // "参照" takes a wave file into the field and its hint.
    platform.answerOpenFile(QStringLiteral("/s/bell.wav"));
    find<QPushButton>("cmdSelectFinishSoundFile")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::OpenFile).back().caption,
              q("サウンドファイル (*.wav)|*.wav"));
    EXPECT_EQ(finish->text(), QStringLiteral("/s/bell.wav"));
    EXPECT_EQ(finish->toolTip(), QStringLiteral("/s/bell.wav"));
    EXPECT_TRUE(find<QPushButton>("cmdTryFinishSoundFile")->isEnabled());
}

TEST_F(SetupTabsTest, SeveralUsersEnablesTheListAndShowsTheRegistration) {
    UserRegistry(dir.folder()).registerUser("Hanako");
    dialog();
    auto* list = find<QComboBox>("cboUserName");
    auto* group = find<QGroupBox>("gbUser");
    EXPECT_FALSE(list->isEnabled());
    EXPECT_TRUE(group->isHidden());
    find<QCheckBox>("chkShowUser")->click();
    EXPECT_TRUE(list->isEnabled());
    EXPECT_FALSE(group->isHidden());
    list->setCurrentText(QStringLiteral("Hanako"));
    find<QCheckBox>("chkShowUser")->click();
    EXPECT_EQ(list->currentText(), QStringLiteral("Taro"));
    EXPECT_FALSE(list->isEnabled());
    EXPECT_TRUE(group->isHidden());
}

TEST_F(SetupTabsTest, TheScheduleGroupFollowsItsBox) {
    dialog();
    auto* group = find<QGroupBox>("gbPlan");
    EXPECT_TRUE(group->isHidden());
    find<QCheckBox>("chkPlanOn")->click();
    EXPECT_FALSE(group->isHidden());
    find<QCheckBox>("chkPlanOn")->click();
    EXPECT_TRUE(group->isHidden());
}

TEST_F(SetupTabsTest, TheColourChangeGroupTakesTheRecordWhenTicked) {
    settings.look.ChangeType = 2;
    settings.look.ChangeColorPercent = 35;
    settings.look.ColorType = 0x00FF00;
    TfrmSetup& w = dialog();
    auto* group = find<QGroupBox>("gbColorChange");
    EXPECT_FALSE(group->isEnabled());
    EXPECT_EQ(ctl<ui::RadioGroup>(w, "rgChangeType")->itemIndex(), -1);
    find<QCheckBox>("chkColorChangeOn")->click();
    EXPECT_TRUE(group->isEnabled());
    EXPECT_EQ(ctl<ui::RadioGroup>(w, "rgChangeType")->itemIndex(), 1);
    EXPECT_EQ(find<QSpinBox>("txtChangeColorPercent")->value(), 35);
    EXPECT_EQ(find<ColorPanel>("pnlColorType")->color(), 0x00FF00);
    EXPECT_EQ(find<ColorPanel>("pnlColorType")->toolTip(), q("クリックで色変更"));
    find<QCheckBox>("chkColorChangeOn")->click();
    EXPECT_EQ(ctl<ui::RadioGroup>(w, "rgChangeType")->itemIndex(), -1);
    EXPECT_FALSE(group->isEnabled());
    settings.look.ChangeType = 1;
    find<QCheckBox>("chkColorChangeOn")->click();
    EXPECT_EQ(ctl<ui::RadioGroup>(w, "rgChangeType")->itemIndex(), 0);
}

TEST_F(SetupTabsTest, TheDateChoiceFollowsItsBox) {
    settings.window.DateType = 2;
    TfrmSetup& w = dialog();
    ui::RadioGroup* choice = ctl<ui::RadioGroup>(w, "rgDateType");
    EXPECT_FALSE(choice->isEnabled());
    EXPECT_EQ(choice->itemIndex(), -1);
    find<QCheckBox>("chkShowDate")->click();
    EXPECT_TRUE(choice->isEnabled());
    EXPECT_EQ(choice->itemIndex(), 2);
    find<QCheckBox>("chkShowDate")->click();
    EXPECT_EQ(choice->itemIndex(), -1);
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(settings.window.DateType, 0);
}

TEST_F(SetupTabsTest, VoiceOffClearsTheSourceAndHidesTheVoiceGroup) {
    settings.sound.VoiceOn = true;
    settings.sound.VoiceType = 0;
    settings.sound.AutoVoiceOn = true;
    TfrmSetup& w = dialog();
    auto* autoVoice = find<QCheckBox>("chkAutoVoiceOn");
    auto* group = find<QStackedWidget>("pnlVoice");
    EXPECT_TRUE(autoVoice->isChecked());
    EXPECT_FALSE(group->isHidden());
    EXPECT_EQ(group->currentWidget(), ctl<QGroupBox>(w, "gbVoiceFile"));
    find<QCheckBox>("chkVoiceOn")->click();
    EXPECT_EQ(ctl<ui::RadioGroup>(w, "rgVoiceType")->itemIndex(), -1);
    EXPECT_FALSE(ctl<ui::RadioGroup>(w, "rgVoiceType")->isEnabled());
    EXPECT_FALSE(autoVoice->isChecked());
    EXPECT_FALSE(autoVoice->isEnabled());
    EXPECT_TRUE(group->isHidden());
    find<QCheckBox>("chkVoiceOn")->click();
    EXPECT_TRUE(ctl<ui::RadioGroup>(w, "rgVoiceType")->isEnabled());
    EXPECT_TRUE(group->isHidden()); // no source chosen yet
    ctl<ui::RadioGroup>(w, "rgVoiceType")->button(1)->click();
    EXPECT_FALSE(group->isHidden());
    EXPECT_EQ(group->currentWidget(), ctl<QGroupBox>(w, "gbCompanion"));
}

// --- file choosers ---

TEST_F(SetupTabsTest, TheDefaultDictionaryIsTestedWithItsTwoWarnings) {
    std::string good = dir.file("verbs.txt");
    std::string notDic = dir.file("notes.txt");
    std::string empty = dir.file("empty.txt");
    spit(good, crlf({sj("run=走る*x")}));
    spit(notDic, crlf({"plain text"}));
    spit(empty, "");
    dialog();
    auto* field = find<QLineEdit>("txtDefDicPath");
    const QString before = field->text();
    platform.answerOpenFile(QString::fromStdString(notDic)).answerNotice();
    platform.answerOpenFile(QString::fromStdString(empty)).answerNotice();
    find<QPushButton>("cmdSelectDefDic")->click();
    find<QPushButton>("cmdSelectDefDic")->click();
    EXPECT_EQ(platform.boxTexts(),
              (QStringList{q("選択されたファイルは、Qor Helper用辞書ファイルではありません"),
                           q("選択されたファイルには、何も書かれていません。\n"
                             "まず、単語を１０語記入してから選択してください。")}));
    for (const PlatformCall& c : platform.callsOf(PlatformCall::Notice))
        EXPECT_EQ(c.caption, q("エラー"));
    EXPECT_EQ(field->text(), before);
    platform.answerOpenFile(QString::fromStdString(good));
    find<QPushButton>("cmdSelectDefDic")->click();
    EXPECT_EQ(field->text(), QString::fromStdString(good));
    EXPECT_EQ(field->toolTip(), QString::fromStdString(good));
    auto opens = platform.callsOf(PlatformCall::OpenFile);
    EXPECT_EQ(opens[0].caption, q("辞書ファイル (*.txt)|*.txt"));
    ctl<QPushButton>(*window, "cmdOk")->click();
    EXPECT_EQ(settings.files.DefDicPath, good);
}

TEST_F(SetupTabsTest, TheOtherChoosersTakeTheirFilters) {
    dialog();
    find<QCheckBox>("chkSaveError")->click();
    platform.answerOpenFile(QStringLiteral("/d/sign.txt"))
        .answerOpenFile(QStringLiteral("/d/miss.txt"));
    find<QPushButton>("cmdSelectPhoneticSign")->click();
    find<QPushButton>("cmdSelectSaveErrorFile")->click();
    auto opens = platform.callsOf(PlatformCall::OpenFile);
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[0].caption, q("発音記号用ファイル (*.txt)|*.txt"));
    EXPECT_EQ(opens[1].caption, q("間違え記録先ファイル (*.txt)|*.txt"));
    EXPECT_EQ(find<QLineEdit>("txtPhoneticSignFile")->text(), QStringLiteral("/d/sign.txt"));
    EXPECT_EQ(find<QLineEdit>("txtSaveErrorFile")->text(), QStringLiteral("/d/miss.txt"));
}

TEST_F(SetupTabsTest, TheVocabularyBookIsChosenOrMadeNewInASaveDialog) {
    dialog();
    const std::string existing = dir.file("book.txt");
    spit(existing, crlf({sj("apple=りんご*fruit")}));
    const std::string fresh = dir.file("new book.txt");
    platform.answerSaveFile(QString::fromStdString(existing))
        .answerSaveFile(QString::fromStdString(fresh))
        .answerSaveFile(QString());
    auto* field = find<QLineEdit>("txtVocBook");
    find<QPushButton>("cmdSelectVocBook")->click();
    EXPECT_EQ(field->text(), QString::fromStdString(existing));
    // A book that is there is kept as it is.
    EXPECT_EQ(slurp(existing), crlf({sj("apple=りんご*fruit")}));
    // A name that is not there yet makes a new, empty book.
    find<QPushButton>("cmdSelectVocBook")->click();
    EXPECT_EQ(field->text(), QString::fromStdString(fresh));
    ASSERT_TRUE(test::exists(fresh));
    EXPECT_EQ(slurp(fresh), "");
    find<QPushButton>("cmdSelectVocBook")->click();  // cancelled: the field keeps its path
    EXPECT_EQ(field->text(), QString::fromStdString(fresh));
    auto saves = platform.callsOf(PlatformCall::SaveFile);
    ASSERT_EQ(saves.size(), 3u);
    for (const PlatformCall& save : saves) {
        EXPECT_EQ(save.caption, q("単語帳用ファイル (*.txt)|*.txt"));
        // Choosing a book replaces nothing: no question whether to replace it.
        EXPECT_EQ(save.saveMode, ui::SaveMode::Append);
    }
    EXPECT_TRUE(platform.boxTexts().isEmpty());

    // A place that takes no file is told, in Japanese, and the field keeps its path.
    platform.answerSaveFile(QString::fromStdString(dir.file("no folder/book.txt"))).answerNotice();
    find<QPushButton>("cmdSelectVocBook")->click();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_EQ(platform.boxTexts()[0],
              QString::fromStdString(dir.file("no folder/book.txt")) +
                  q("\nファイルまたはフォルダが見つかりません"));
    EXPECT_EQ(field->text(), QString::fromStdString(fresh));
}

TEST_F(SetupTabsTest, TheDictionarySetupAndTheNewTextFileOpenFromTheFileTab) {
    dialog();
    platform.answerModal([](QDialog& d) {
        EXPECT_TRUE(dynamic_cast<TfrmDicSetup*>(&d));
        return QDialog::Rejected;
    });
    find<QPushButton>("cmdDicSetup")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).at(0).caption, q("辞書の表示設定"));
    find<QPushButton>("cmdNewText")->click();
    EXPECT_EQ(hostCalls, QStringList{QStringLiteral("newText")});
}

TEST_F(SetupTabsTest, TheDictionaryHistoryIsClearedAtOnce) {
    spit(setupIni(), crlf({"[Dictionary]", "DicNum=2", "1=a.txt", "2=b.txt"}));
    TfrmSetup& w = dialog();
    find<QPushButton>("cmdResetHistory")->click();
    EXPECT_EQ(slurp(setupIni()), crlf({"[Dictionary]", "DicNum=0", "1=", "2="}));
    EXPECT_EQ(hostCalls, QStringList{QStringLiteral("history")});
    ctl<QPushButton>(w, "cmdCancel")->click();
    EXPECT_EQ(slurp(setupIni()), crlf({"[Dictionary]", "DicNum=0", "1=", "2="}));
}

// --- users ---

TEST_F(SetupTabsTest, RegisteringAUserIsStoredAtOnceAndRefusesBadOrKnownNames) {
    settings.ShowUser = true;
    TfrmSetup& w = dialog();
    auto* name = find<QLineEdit>("txtUserName");
    auto* add = find<QPushButton>("cmdAddUser");
    EXPECT_EQ(add->toolTip(), q("ユーザーの追加"));
    auto* table = find<QTreeView>("lstUser");
    EXPECT_EQ(table->model()->headerData(0, Qt::Horizontal).toString(), q("ユーザー名"));
    EXPECT_EQ(table->model()->headerData(1, Qt::Horizontal).toString(), q("使用回数"));
    EXPECT_EQ(column(table, 0), QStringList{QStringLiteral("Taro")});
    EXPECT_EQ(column(table, 1), QStringList{QStringLiteral("1")});

    name->setText(q("花子"));
    add->click();
    EXPECT_EQ(column(table, 0), (QStringList{QStringLiteral("Taro"), q("花子")}));
    EXPECT_EQ(column(table, 1), (QStringList{QStringLiteral("1"), QStringLiteral("0")}));
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_GE(find<QComboBox>("cboUserName")->findText(q("花子")), 0);
    EXPECT_TRUE(folderExists(dir.file(sj("花子"))));
    EXPECT_EQ(UserRegistry(dir.folder()).users(), (std::vector<std::string>{"Taro", sj("花子")}));

    for (const char* bad : {"Taro", "a/b", "", "[x]"}) {
        platform.clearCalls();
        platform.answerNotice();
        name->setText(q(bad));
        add->click();
        EXPECT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u) << bad;
    }
    EXPECT_EQ(UserRegistry(dir.folder()).users().size(), 2u);
    // "キャンセル" does not undo a registration.
    ctl<QPushButton>(w, "cmdCancel")->click();
    EXPECT_EQ(UserRegistry(dir.folder()).users().size(), 2u);
}

// --- schedule ---

TEST_F(SetupTabsTest, TheScheduleTableWithItsCommandsAndWarnings) {
    spit(setupIni(), crlf({"[Plan]", "PlanNum=1", "0=" + sj("期末試験") + ",2002/3/15"}));
    settings.schedule.PlanOn = true;
    TfrmSetup& w = dialog();
    auto* table = find<QTreeView>("lstItem");
    auto* purpose = find<QLineEdit>("txtPurpose");
    EXPECT_EQ(table->model()->headerData(2, Qt::Horizontal).toString(), q("残り日数"));
    EXPECT_EQ(column(table, 0), QStringList{q("期末試験")});
    EXPECT_EQ(column(table, 1), QStringList{QStringLiteral("2002/3/15")});
    EXPECT_EQ(column(table, 2), QStringList{QStringLiteral("12")});
    for (const char* name : {"cmdChange", "cmdDelete"})
        EXPECT_FALSE(find<QPushButton>(name)->isEnabled());
    EXPECT_FALSE(find<QToolButton>("cmdUp")->isEnabled());

    // An empty purpose, a date that does not exist, a purpose too long: refused.
    platform.answerNotice().answerNotice().answerNotice();
    find<QPushButton>("cmdAdd")->click();
    purpose->setText(q("英検"));
    find<QSpinBox>("txtMonth")->setValue(2);
    find<QSpinBox>("txtDay")->setValue(31);
    find<QPushButton>("cmdAdd")->click();
    purpose->setText(q("期末試験の前日だ"));
    find<QSpinBox>("txtDay")->setValue(28);
    find<QPushButton>("cmdAdd")->click();
    EXPECT_EQ(platform.boxTexts(),
              (QStringList{
                  q("目的が記入されていません"),
                  q("日程の日付が正しくありません。\n2002年2月31日 という日はありません。"),
                  q("目的が長すぎます。\n全角で７文字、半角で１４文字以内で記入してください。")}));
    EXPECT_EQ(table->model()->rowCount(), 1);

    purpose->setText(q("英検"));
    find<QSpinBox>("txtMonth")->setValue(6);
    find<QSpinBox>("txtDay")->setValue(9);
    find<QPushButton>("cmdAdd")->click();
    EXPECT_EQ(column(table, 0), (QStringList{q("期末試験"), q("英検")}));
    EXPECT_TRUE(purpose->text().isEmpty());

    // A click puts the row into the fields; change, move, delete.
    clickRow(table, 1);
    EXPECT_EQ(purpose->text(), q("英検"));
    EXPECT_EQ(find<QSpinBox>("txtMonth")->value(), 6);
    EXPECT_TRUE(find<QPushButton>("cmdChange")->isEnabled());
    EXPECT_TRUE(find<QToolButton>("cmdUp")->isEnabled());
    purpose->setText(q("英検２級"));
    find<QPushButton>("cmdChange")->click();
    EXPECT_TRUE(purpose->text().isEmpty());
    EXPECT_EQ(column(table, 0), (QStringList{q("期末試験"), q("英検２級")}));
    find<QToolButton>("cmdUp")->click();
    EXPECT_EQ(column(table, 0), (QStringList{q("英検２級"), q("期末試験")}));
    EXPECT_EQ(selectedRow(table), 0);
    EXPECT_EQ(ctl<SetupSchedulePage>(w, "tsSchedule")->planEntries(),
              (std::vector<std::string>{sj("英検２級,2002/6/9"), sj("期末試験,2002/3/15")}));

    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(slurp(setupIni())
                  .find(crlf({"[Plan]", "PlanNum=2", "0=" + sj("英検２級,2002/6/9"),
                              "1=" + sj("期末試験,2002/3/15"), ""})),
              0u);

    dialog();
    clickRow(table, 1);
    find<QPushButton>("cmdDelete")->click();
    EXPECT_EQ(column(table, 0), QStringList{q("英検２級")});
    EXPECT_FALSE(find<QPushButton>("cmdDelete")->isEnabled());
}

TEST_F(SetupTabsTest, ASixthScheduleEntryIsRefused) {
    std::vector<std::string> lines{"[Plan]", "PlanNum=5"};
    for (int i = 0; i < 5; ++i)
        lines.push_back(std::to_string(i) + "=t" + std::to_string(i) + ",2002/4/" +
                        std::to_string(i + 1));
    std::string bytes;
    for (const std::string& l : lines)
        bytes += l + "\r\n";
    spit(setupIni(), bytes);
    dialog();
    find<QLineEdit>("txtPurpose")->setText(QStringLiteral("sixth"));
    platform.answerNotice();
    find<QPushButton>("cmdAdd")->click();
    EXPECT_EQ(platform.boxTexts(), QStringList{q("登録できるのは、最大５つまでです")});
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice)[0].caption, q("エラー"));
    EXPECT_EQ(find<QTreeView>("lstItem")->model()->rowCount(), 5);
}

TEST_F(SetupTabsTest, APurposeShiftJisCannotHoldIsRefused) {
    dialog();
    find<QLineEdit>("txtPurpose")->setText(QString::fromUtf8("試験😀"));
    platform.answerNotice();
    find<QPushButton>("cmdAdd")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    EXPECT_EQ(find<QTreeView>("lstItem")->model()->rowCount(), 0);
}

// --- fonts ---

TEST_F(SetupTabsTest, FontColoursAndTheReset) {
    settings.look.FontQuestion = sj("ＭＳ Ｐゴシック");
    settings.look.FontQuestionSize = 40; // outside the sizes a learner can choose
    settings.look.FontMessageColor = 255;
    TfrmSetup& w = dialog();
    auto* question = find<QComboBox>("cboFontQuestion");
    EXPECT_EQ(question->currentText(), q("ＭＳ Ｐゴシック"));
    // The lists offer 10 to 30 only; a size beyond shows as the nearest end.
    EXPECT_EQ(find<QComboBox>("cboFontQuestionSize")->currentText(), QStringLiteral("30"));
    EXPECT_EQ(find<QComboBox>("cboFontQuestionSize")->count(), 21);
    EXPECT_EQ(find<QSpinBox>("txtQuestionSize")->maximum(), kPanelHeightRange.hi);
    EXPECT_EQ(find<QSpinBox>("txtCommentSize")->minimum(), kPanelHeightRange.lo);
    EXPECT_GE(question->findText(q("ＭＳ 明朝")), 0);
    EXPECT_GE(question->findText(QStringLiteral("Qor PronSign")), 0);
    EXPECT_EQ(find<QComboBox>("cboFontCommentSize")->itemText(0), QStringLiteral("10"));

    platform.answerColor(QColor(0, 128, 0)).answerColor(std::nullopt);
    find<QPushButton>("cmdFontColorEnglish")->click();
    find<QPushButton>("cmdFontColorJapanese")->click(); // cancelled: stays black
    EXPECT_EQ(ctl<SetupFontPage>(w, "tsFont")->fontColor(FontSlot::English), 0x008000);
    EXPECT_EQ(ctl<SetupFontPage>(w, "tsFont")->fontColor(FontSlot::Japanese), 0);

    find<QPushButton>("cmdReset")->click();
    EXPECT_EQ(question->currentText(), q("ＭＳ 明朝"));
    EXPECT_EQ(find<QComboBox>("cboFontQuestionSize")->currentText(), QStringLiteral("25"));
    EXPECT_EQ(find<QComboBox>("cboFontCommentSize")->currentText(), QStringLiteral("13"));
    EXPECT_EQ(find<QComboBox>("cboFontPhoneticSign")->currentText(),
              QStringLiteral("Qor PronSign"));
    EXPECT_EQ(find<QComboBox>("cboFontMessage")->currentText(), q("ＭＳ Ｐゴシック"));
    for (std::size_t i = 0; i < kFontSlots; ++i)
        EXPECT_EQ(ctl<SetupFontPage>(w, "tsFont")->fontColor(static_cast<FontSlot>(i)), 0);
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(settings.look.FontQuestion, sj("ＭＳ 明朝"));
    EXPECT_EQ(settings.look.FontMessageColor, 0);
}

// --- voice ---

class SetupVoiceTest : public test::SetupFixture {
protected:
    std::string voices = dir.file("voices/");
    SetupVoiceTest() {
        makeFolder(voices);
        spit(voices + "run.wav", "r");
        spit(voices + "walk.wav", "w");
        settings.sound.VoiceOn = true;
        settings.sound.VoiceType = 0;
        settings.sound.HatsuonDir = voices;
    }
    QStringList listed() { return ctl<SetupVoicePage>(*window, "tsVoice")->voiceFiles(); }
    void choose(const char* file) {
        auto* list = find<QListView>("lstVoiceFile");
        int row = static_cast<int>(listed().indexOf(QString::fromLatin1(file)));
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect);
    }
};

TEST_F(SetupVoiceTest, TheFolderListPlaysRenamesDeletesAndRefreshes) {
    dialog();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("run.wav"), QStringLiteral("walk.wav")}));
    for (const char* name : {"cmdPlayVoice", "cmdNameChange", "cmdDeleteVoice"})
        EXPECT_FALSE(find<QPushButton>(name)->isEnabled()) << name;
    choose("run.wav");
    for (const char* name : {"cmdPlayVoice", "cmdNameChange", "cmdDeleteVoice"})
        EXPECT_TRUE(find<QPushButton>(name)->isEnabled()) << name;

    find<QPushButton>("cmdPlayVoice")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::Wave).at(0).text,
              QString::fromStdString(voices + "run.wav"));

    platform.answerInput(QStringLiteral("running.wav"));
    find<QPushButton>("cmdNameChange")->click();
    auto inputs = platform.callsOf(PlatformCall::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].caption, q("ファイル名の変更"));
    EXPECT_EQ(inputs[0].text, q("新しいファイル名の記入(要拡張子)"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("running.wav"), QStringLiteral("walk.wav")}));

    // A name that is taken is refused and nothing is lost.
    choose("running.wav");
    platform.answerInput(QStringLiteral("walk.wav")).answerNotice();
    find<QPushButton>("cmdNameChange")->click();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].text.startsWith(q("ファイル名変更に失敗しました")));
    EXPECT_EQ(notices[0].caption, q("エラー"));
    EXPECT_EQ(slurp(voices + "walk.wav"), "w");
    EXPECT_EQ(slurp(voices + "running.wav"), "r");

    choose("walk.wav");
    platform.answerTrash(true);
    find<QPushButton>("cmdDeleteVoice")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::Trash).at(0).text,
              QString::fromStdString(voices + "walk.wav"));

    spit(voices + "apple.wav", "a");
    find<QPushButton>("cmdUpdate")->click();
    EXPECT_EQ(listed().first(), QStringLiteral("apple.wav"));
}

TEST_F(SetupVoiceTest, TheFolderBrowserAndItsFallback) {
    std::string other = dir.file("other");
    makeFolder(other);
    spit(other + "/go.wav", "g");
    dialog();
    platform.answerFolder(QString::fromStdString(other));
    find<QPushButton>("cmdSelectDir")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::Folder).at(0).text,
              q("音声ファイルのあるフォルダを指定してください"));
    EXPECT_EQ(find<QLineEdit>("txtHatsuonDir")->text(), QString::fromStdString(other + "/"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("go.wav")});

    platform.answerFolder(QString());
    find<QPushButton>("cmdSelectDir")->click();
    EXPECT_EQ(find<QLineEdit>("txtHatsuonDir")->text(), QString::fromStdString(voices));

    // A folder that cannot be listed shows the program folder's files.
    spit(dir.file("hit.wav"), "h");
    find<QLineEdit>("txtHatsuonDir")->setText(QString::fromStdString(dir.file("missing/")));
    find<QPushButton>("cmdUpdate")->click();
    EXPECT_EQ(listed(), QStringList{QStringLiteral("hit.wav")});
}

TEST_F(SetupVoiceTest, TheCompanionIsVexaAndTheBundledOneIsOffered) {
    std::string bundled = dir.file("bin/vexa");
    makeFolder(dir.file("bin"));
    spit(bundled, "x");
    bundledCompanion = bundled;
    TfrmSetup& w = dialog();
    auto* path = find<QLineEdit>("txtHearingPath");
    auto* note = find<QLabel>("lblNoCompanion");
    EXPECT_EQ(path->text(), QString::fromStdString(bundled));
    EXPECT_TRUE(note->isHidden());
    EXPECT_TRUE(settings.sound.CompanionFound);

    ctl<ui::RadioGroup>(w, "rgVoiceType")->button(1)->click();
    EXPECT_TRUE(find<QCheckBox>("chkAutoVoiceOn")->isEnabled());

    // Another program is refused: the field empties and the red note shows.
    spit(dir.file("player"), "x");
    platform.answerOpenFile(QString::fromStdString(dir.file("player"))).answerNotice();
    find<QPushButton>("cmdSelectHearing")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::OpenFile).at(0).caption,
              q("ヴェクサ (vexa vexa.exe)|vexa;vexa.exe"));
    EXPECT_EQ(platform.boxTexts(), QStringList{q("指定されたファイルは、ヴェクサではありません")});
    EXPECT_TRUE(path->text().isEmpty());
    EXPECT_FALSE(note->isHidden());
    EXPECT_FALSE(find<QCheckBox>("chkAutoVoiceOn")->isEnabled());
    EXPECT_FALSE(settings.sound.CompanionFound);

    // "vexa.exe" is accepted as well.
    spit(dir.file("vexa.exe"), "x");
    platform.answerOpenFile(QString::fromStdString(dir.file("vexa.exe")));
    find<QPushButton>("cmdSelectHearing")->click();
    EXPECT_EQ(path->text(), QString::fromStdString(dir.file("vexa.exe")));
    EXPECT_TRUE(note->isHidden());
    EXPECT_TRUE(settings.sound.CompanionFound);
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(settings.sound.HearingPath, dir.file("vexa.exe"));
    EXPECT_EQ(settings.sound.VoiceType, 1);
    ASSERT_EQ(notified.size(), 1u);
    EXPECT_TRUE(notified[0].has(SettingsGroup::Sound));
}

TEST_F(SetupVoiceTest, AStoredPathThatIsNotTheCompanionIsForgotten) {
    spit(dir.file("player.exe"), "x");
    settings.sound.HearingPath = dir.file("player.exe");
    TfrmSetup& w = dialog();
    EXPECT_TRUE(find<QLineEdit>("txtHearingPath")->text().isEmpty());
    EXPECT_FALSE(find<QLabel>("lblNoCompanion")->isHidden());
    EXPECT_FALSE(settings.sound.CompanionFound);
    // Switching to the companion empties the stored path at once.
    ctl<ui::RadioGroup>(w, "rgVoiceType")->button(1)->click();
    EXPECT_EQ(settings.sound.HearingPath, "");
    EXPECT_FALSE(find<QCheckBox>("chkAutoVoiceOn")->isEnabled());
}
