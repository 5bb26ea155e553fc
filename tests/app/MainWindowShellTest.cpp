#include "app/TfrmAbout.h"
#include "base/IniFile.h"
#include "services/CompanionLink.h"
#include "tests/app/ShellFixture.h"
#include "ui/DataBar.h"
#include "ui/ElidedLabel.h"
#include "ui/Gauge.h"
#include "ui/RadioGroup.h"
#include "ui/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <csignal>
#include <sys/stat.h>

using namespace qor;
using qor::test::crlf;
using qor::test::PlatformCall;
using qor::test::slurp;
using qor::test::spit;

namespace {

using ShellTest = test::ShellFixture;

// Captions of a menu's entries, "-" for a separator, with the shortcut after a tab.
QStringList entries(const QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            out << QStringLiteral("-");
        else if (a->shortcut().isEmpty())
            out << a->text();
        else
            out << a->text() + QLatin1Char('\t') + a->shortcut().toString();
    }
    return out;
}

QStringList hints(const QToolBar* bar) {
    QStringList out;
    for (QAction* a : bar->actions()) {
        if (!a->isVisible() || a->isSeparator()) continue;
        if (QWidget* w = bar->widgetForAction(a); w && !w->toolTip().isEmpty()) out << w->toolTip();
    }
    return out;
}

const QString kRestart =
    QStringLiteral("ダイアログの表示に失敗しました。\nQor Helperを再起動してください。");

} // namespace

TEST_F(ShellTest, FirstStartWithAnEmptyFolder) {
    platform.answerNotice().answerModal(test::typeAndOk(QStringLiteral("Taro")));
    auto main = start();
    ASSERT_TRUE(main->started());
    EXPECT_EQ(main->width(), 604);
    EXPECT_EQ(main->height(), 441);
    EXPECT_FALSE(main->isMaximized());

    EXPECT_FALSE(ctl<QToolBar>(*main, "tbStandardToolBar")->isHidden());
    EXPECT_FALSE(ctl<QToolBar>(*main, "tbFileToolBar")->isHidden());
    EXPECT_TRUE(ctl<QToolBar>(*main, "tbQuestionSetupToolBar")->isHidden());
    EXPECT_FALSE(ctl<QWidget>(*main, "pnlRightCommandButton")->isHidden());
    EXPECT_FALSE(ctl<QStatusBar>(*main, "sbInfo")->isHidden());
    EXPECT_FALSE(ctl<ui::DataBar>(*main, "pnlQuestionNum")->isHidden());
    EXPECT_FALSE(ctl<ui::DataBar>(*main, "pnlAtariNum")->isHidden());
    EXPECT_TRUE(ctl<ui::DataBar>(*main, "pnlHazureNum")->isHidden());
    EXPECT_FALSE(ctl<ui::DataBar>(*main, "pnlPercent")->isHidden());
    EXPECT_FALSE(ctl<ui::DataBar>(*main, "pnlTime")->isHidden());
    for (QAction* a : {ctl<QAction>(*main, "actStandardToolBar"), ctl<QAction>(*main, "actFileToolBar"), ctl<QAction>(*main, "actRightCommandButton"),
                       ctl<QAction>(*main, "actStatusBar"), ctl<QAction>(*main, "actQuestionNum"), ctl<QAction>(*main, "actAtariNum"),
                       ctl<QAction>(*main, "actPercent"), ctl<QAction>(*main, "actTime")})
        EXPECT_TRUE(a->isChecked()) << a->text().toStdString();
    EXPECT_FALSE(ctl<QAction>(*main, "actQuestionSetupToolBar")->isChecked());
    EXPECT_FALSE(ctl<QAction>(*main, "actHazureNum")->isChecked());

    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("noun.txt"));
    EXPECT_EQ(main->statusPanelText(0), QStringLiteral(" 現在使用中の辞書 ： ") +
                                            QString::fromStdString(dir.folder()) +
                                            QStringLiteral("dictionary/noun.txt"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Qor Helper   【Taro】"));
    EXPECT_EQ(ctl<QComboBox>(*main, "cboQuestionType")->currentIndex(), 0);
    EXPECT_EQ(ctl<QComboBox>(*main, "cboAnswerType")->currentIndex(), 0);
    EXPECT_EQ(ctl<QLineEdit>(*main, "txtQuestionNum")->text(), QStringLiteral("10"));
    EXPECT_EQ(ctl<ui::UpDown>(*main, "udQuestionNum")->buddy(), ctl<QLineEdit>(*main, "txtQuestionNum"));
    EXPECT_TRUE(ctl<ui::RadioGroup>(*main, "rgAnswer")->isHidden());
    EXPECT_TRUE(ctl<QPlainTextEdit>(*main, "moComment")->isHidden());
    EXPECT_TRUE(ctl<QPlainTextEdit>(*main, "moHatsuon")->isHidden());
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->minimumHeight(), 60);
    EXPECT_FALSE(ctl<QMenu>(*main, "mnuVocBook")->menuAction()->isEnabled());
    EXPECT_EQ(main->settings().drill.TimeLimit, 5);
    EXPECT_EQ(main->dateTexts().yearMonth, "20023");
    EXPECT_EQ(main->dateTexts().clock, sj("9：5：07"));
    EXPECT_TRUE(ctl<QTimer>(*main, "tmrDate")->isActive());
    EXPECT_EQ(ctl<QTimer>(*main, "tmrDate")->interval(), 1000);
    EXPECT_EQ(main->companionProcess(), nullptr);
    // Idle: only the start command of the drill is enabled, in every copy.
    EXPECT_TRUE(ctl<QPushButton>(*main, "cmdStart")->isEnabled());
    EXPECT_FALSE(ctl<QPushButton>(*main, "cmdResult")->isEnabled());
    EXPECT_FALSE(ctl<QPushButton>(*main, "cmdStop")->isEnabled());
    EXPECT_FALSE(ctl<QPushButton>(*main, "cmdPlayVoice")->isEnabled());
    EXPECT_FALSE(ctl<QAction>(*main, "actNextWord")->isEnabled());
    EXPECT_FALSE(ctl<QAction>(*main, "actAddVocBook")->isEnabled());
    // The first showing writes only the month of the record roll-over.
    EXPECT_EQ(slurp(setupIni()), crlf({"[Date]", "PrevYearMonth=20023"}));
}

TEST_F(ShellTest, EveryMenuEntryWithItsShortcutAndSeparator) {
    knownUser();
    auto main = start();
    QStringList bar;
    for (QAction* a : main->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"ファイル (&F)", "表示 (&V)", "成績の表示 (&G)", "設定 (&S)",
                                "ヘルプ (&H)"}));
    EXPECT_EQ(entries(ctl<QMenu>(*main, "mnuFile")),
              QStringList({"辞書の作成\tF3", "辞書の編集\tF4", "辞書の印刷\tF5",
                           "発音記号の追加\tF6", "簡易テスト用紙の作成\tF7", "-", "終了 (&X)"}));
    const QStringList view{"基本操作ツールバー (&B)", "ファイル操作ツールバー (&F)",
                           "出題設定ツールバー (&Q)", "ライトコマンドボタン (&R)",
                           "ステータスバー (&S)",     "-",
                           "データバー (&D)"};
    const QStringList dataBars{"出題数 (&N)", "正解数 (&A)", "不正解数 (&H)", "正解率 (&P)",
                               "時間 (&T)"};
    EXPECT_EQ(entries(ctl<QMenu>(*main, "mnuView")), view);
    EXPECT_EQ(entries(ctl<QMenu>(*main, "mnuDataBar")), dataBars);
    EXPECT_EQ(
        entries(ctl<QMenu>(*main, "mnuScore")),
        QStringList({"間違えの表示 (&E)", "正解率の表示 (&P)", "グラフの表示 (&G)",
                     "不正解数の詳細 (&N)", "学習履歴の表示 (&H)", "学習カレンダー (&C)", "-",
                     "単語帳の編集 (&V)"}));
    EXPECT_EQ(entries(ctl<QMenu>(*main, "mnuVocBook")), QStringList({"単語帳の編集 (&D)", "単語帳の削除 (&C)"}));
    EXPECT_EQ(entries(ctl<QMenu>(*main, "mnuSetting")), QStringList({"単語の検索 (&F)", "-", "基本設定\tF2"}));
    EXPECT_EQ(entries(ctl<QMenu>(*main, "mnuHelp")),
              QStringList({"ヘルプを開く\tF1", "バージョン情報 (&V)", "ホームページへ (&W)"}));
    EXPECT_EQ(entries(ctl<QMenu>(*main, "pmMain")),
              QStringList({"始める", "結果", "止める", "-", "次の文字を表示\tCtrl+N",
                           "音声の再生\tCtrl+V", "単語帳に追加\tCtrl+A", "-", "基本設定 (&S)"}));
    EXPECT_EQ(entries(ctl<QMenu>(*main, "pmToolBar")), view);
    EXPECT_EQ(entries(ctl<QMenu>(*main, "pmDataBar")), dataBars);
    std::unique_ptr<QMenu> dockMenu(main->createPopupMenu());
    EXPECT_EQ(entries(dockMenu.get()), view);
}

TEST_F(ShellTest, ToolbarsHoldTheirButtonsHintsAndLists) {
    knownUser();
    auto main = start();
    EXPECT_EQ(ctl<QToolBar>(*main, "tbStandardToolBar")->windowTitle(), QStringLiteral("基本操作ツールバー"));
    EXPECT_EQ(ctl<QToolBar>(*main, "tbFileToolBar")->windowTitle(), QStringLiteral("ファイル操作ツールバー"));
    EXPECT_EQ(ctl<QToolBar>(*main, "tbQuestionSetupToolBar")->windowTitle(), QStringLiteral("出題設定ツールバー"));
    EXPECT_EQ(hints(ctl<QToolBar>(*main, "tbStandardToolBar")),
              QStringList({"ヘルプを開く", "基本設定", "始める", "結果", "グラフの表示", "止める",
                           "正解率の表示", "単語を検索する", "不正解数の詳細", "間違えの表示",
                           "バージョン情報", "ホームページへ", "音声の再生", "学習履歴の表示"}));
    EXPECT_EQ(hints(ctl<QToolBar>(*main, "tbFileToolBar")),
              QStringList({"辞書の選択", "辞書の印刷", "辞書の作成", "テキストファイルの新規作成",
                           "メモ帳で開く", "使用する辞書"}));
    EXPECT_EQ(entries(ctl<QToolButton>(*main, "cmdPrint")->menu()),
              QStringList({"辞書の印刷\tF5", "簡易テスト用紙の作成\tF7"}));
    EXPECT_EQ(entries(ctl<QToolButton>(*main, "cmdDictionary")->menu()),
              QStringList({"辞書の作成\tF3", "辞書の編集\tF4", "発音記号の追加\tF6",
                           "CSV形式で保存 (&C)", "インポート (&I)..."}));
    EXPECT_EQ(ctl<QToolButton>(*main, "cmdPrint")->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(ctl<QToolButton>(*main, "cmdDictionary")->popupMode(), QToolButton::MenuButtonPopup);

    QStringList types;
    for (int i = 0; i < ctl<QComboBox>(*main, "cboQuestionType")->count(); ++i)
        types << ctl<QComboBox>(*main, "cboQuestionType")->itemText(i);
    EXPECT_EQ(types, QStringList({"英語から日本語へ", "日本語から英語へ"}));
    QStringList forms;
    for (int i = 0; i < ctl<QComboBox>(*main, "cboAnswerType")->count(); ++i)
        forms << ctl<QComboBox>(*main, "cboAnswerType")->itemText(i);
    EXPECT_EQ(forms, QStringList({"タイプ形式", "３択 （選択形式）", "４択 （選択形式）",
                                  "５択 （選択形式）"}));
    QStringList countLabels;
    for (QLabel* label : ctl<QToolBar>(*main, "tbQuestionSetupToolBar")->findChildren<QLabel*>()) {
        if (label->buddy() == ctl<QLineEdit>(*main, "txtQuestionNum")) countLabels << label->text();
    }
    EXPECT_EQ(countLabels, QStringList({"出題数 ： "}));
    EXPECT_EQ(ctl<QToolButton>(*main, "cmdOk")->text(), QStringLiteral("OK"));
    EXPECT_EQ(ctl<QToolButton>(*main, "cmdOk")->toolTip(), QStringLiteral("出題開始"));
    EXPECT_EQ(ctl<ui::UpDown>(*main, "udQuestionNum")->minimum(), 1);
    EXPECT_EQ(ctl<ui::UpDown>(*main, "udQuestionNum")->maximum(), 1000);

    QStringList right;
    for (QPushButton* b :
         {ctl<QPushButton>(*main, "cmdStart"), ctl<QPushButton>(*main, "cmdResult"), ctl<QPushButton>(*main, "cmdStop"), ctl<QPushButton>(*main, "cmdFind"), ctl<QPushButton>(*main, "cmdPlayVoice")})
        right << b->text() + QLatin1Char('|') + b->toolTip();
    EXPECT_EQ(right, QStringList({"始める|さあ、始めましょう", "結果|結果は、どうかな？",
                                  "止める|ギブアップ！", "検索|単語の検索", " 再生|音声の再生"}));
    EXPECT_EQ(ctl<QLineEdit>(*main, "txtAnswer")->accessibleName(), QStringLiteral("解答"));
}

TEST_F(ShellTest, TheCopiesOfACommandAreEnabledTogether) {
    knownUser();
    auto main = start();
    QToolButton* toolbarResult =
        qobject_cast<QToolButton*>(ctl<QToolBar>(*main, "tbStandardToolBar")->widgetForAction(ctl<QAction>(*main, "actResult")));
    ASSERT_TRUE(toolbarResult);
    ASSERT_TRUE(ctl<QMenu>(*main, "pmMain")->actions().contains(ctl<QAction>(*main, "actResult")));
    ctl<QAction>(*main, "actResult")->setEnabled(true);
    EXPECT_TRUE(ctl<QPushButton>(*main, "cmdResult")->isEnabled());
    EXPECT_TRUE(toolbarResult->isEnabled());
    ctl<QAction>(*main, "actResult")->setEnabled(false);
    EXPECT_FALSE(ctl<QPushButton>(*main, "cmdResult")->isEnabled());
    EXPECT_FALSE(toolbarResult->isEnabled());

    // The pop-up's "基本設定 (&S)" follows "基本設定" and runs it.
    ctl<QAction>(*main, "actSetup")->setEnabled(false);
    EXPECT_FALSE(ctl<QAction>(*main, "actSetupPopup")->isEnabled());
    ctl<QAction>(*main, "actSetup")->setEnabled(true);
    EXPECT_TRUE(ctl<QAction>(*main, "actSetupPopup")->isEnabled());
    platform.answerModal([](QDialog&) { return QDialog::Rejected; });
    ctl<QAction>(*main, "actSetupPopup")->trigger();
    auto modals = platform.callsOf(PlatformCall::Modal);
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0].text, QStringLiteral("qor::TfrmSetup"));
    EXPECT_EQ(modals[0].caption, QStringLiteral("基本設定"));

    // Clicking a disabled command's button does nothing.
    platform.clearCalls();
    ctl<QAction>(*main, "actFind")->setEnabled(false);
    ctl<QPushButton>(*main, "cmdFind")->click();
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(ShellTest, ClosingWritesTheUserAndTheWindowStateExactly) {
    platform.answerNotice().answerModal(test::typeAndOk(QStringLiteral("Taro")));
    auto main = start();
    ctl<QLineEdit>(*main, "txtQuestionNum")->setText(QStringLiteral("025"));
    ctl<QComboBox>(*main, "cboAnswerType")->setCurrentIndex(3);
    ctl<QComboBox>(*main, "cboQuestionType")->setCurrentIndex(1);
    const int top = main->y();
    const int left = main->x();
    main->close();
    EXPECT_FALSE(ctl<QTimer>(*main, "tmrDate")->isActive());
    EXPECT_EQ(slurp(dir.file("User.ini")),
              crlf({"[User]", "UserNum=1", "1=Taro", "", "[Taro]", "Num=1", "", "[Setup]", "Boot=1",
                    "UserName=Taro"}));
    EXPECT_EQ(slurp(setupIni()), crlf({"[Date]",
                                       "PrevYearMonth=20023",
                                       "",
                                       "[QuestionSetup]",
                                       "AnswerType=3",
                                       "QuestionType=1",
                                       "QuestionNum=025",
                                       "DicFilePath=" + dir.folder() + "dictionary/noun.txt",
                                       "",
                                       "[Toolbar]",
                                       "StandardToolBar=1",
                                       "FileToolBar=1",
                                       "QuestionSetupToolBar=0",
                                       "RightCommandButton=1",
                                       "StatusBar=1",
                                       "",
                                       "[Form Information]",
                                       "Maximized=0",
                                       "Height=441",
                                       "Width=604",
                                       "Top=" + std::to_string(top),
                                       "Left=" + std::to_string(left),
                                       "",
                                       "[Data Bar]",
                                       "ShowQuestionNum=1",
                                       "ShowAtariNum=1",
                                       "ShowHazureNum=0",
                                       "ShowPercent=1",
                                       "ShowTime=1"}));
    // Closing twice writes once.
    std::string before = slurp(setupIni());
    main->close();
    EXPECT_EQ(slurp(setupIni()), before);
}

TEST_F(ShellTest, SaveSizeWithoutAStoredSizeOpensAt441By582) {
    knownUser({"[Setup]", "SaveSize=1"});
    auto main = start();
    EXPECT_EQ(main->width(), 582);
    EXPECT_EQ(main->height(), 441);
}

TEST_F(ShellTest, StoredSizeAndPositionAreRestored) {
    knownUser({"[Setup]", "SaveSize=1", "SavePosition=1", "", "[Form Information]", "Maximized=0",
               "Height=480", "Width=640", "Top=30", "Left=20"});
    auto main = start();
    EXPECT_EQ(main->width(), 640);
    EXPECT_EQ(main->height(), 480);
    EXPECT_EQ(main->x(), 20);
    EXPECT_EQ(main->y(), 30);
}

class MaximizedTest : public test::ShellFixture {
protected:
    // Maximized at exit with the given switch on: the next start is maximized, and a
    // normal window at exit opens normally again.
    void roundTrip(const std::string& key) {
        knownUser({"[Setup]", key + "=1"});
        {
            auto main = start();
            EXPECT_FALSE(main->isMaximized());
            main->setWindowState(Qt::WindowMaximized);
            main->close();
        }
        EXPECT_EQ(IniFile(setupIni()).read("Form Information", "Maximized", ""), "1");
        {
            auto again = start();
            EXPECT_TRUE(again->isMaximized());
            again->setWindowState(Qt::WindowNoState);
            again->close();
        }
        EXPECT_EQ(IniFile(setupIni()).read("Form Information", "Maximized", ""), "0");
        EXPECT_FALSE(start()->isMaximized());
    }
};

TEST_F(MaximizedTest, SurvivesARestartWithSaveSize) {
    roundTrip("SaveSize");
}

TEST_F(MaximizedTest, SurvivesARestartWithSavePosition) {
    roundTrip("SavePosition");
}

TEST_F(ShellTest, WithoutEitherSwitchAMaximizedWindowOpensNormally) {
    knownUser({"[Setup]", "SaveToolBar=1", "", "[Form Information]", "Maximized=1"});
    auto main = start();
    EXPECT_FALSE(main->isMaximized());
    EXPECT_EQ(main->width(), 604);
}

TEST_F(ShellTest, ToolbarVisibilityIsSavedAlwaysButRestoredOnlyWithSaveToolBar) {
    knownUser({"[Setup]", "SaveToolBar=0"});
    {
        auto main = start();
        ctl<QAction>(*main, "actStandardToolBar")->trigger();
        ctl<QAction>(*main, "actQuestionSetupToolBar")->trigger();
        ctl<QAction>(*main, "actStatusBar")->trigger();
        EXPECT_TRUE(ctl<QToolBar>(*main, "tbStandardToolBar")->isHidden());
        EXPECT_FALSE(ctl<QToolBar>(*main, "tbQuestionSetupToolBar")->isHidden());
        main->close();
    }
    IniFile saved(setupIni());
    EXPECT_EQ(saved.read("Toolbar", "StandardToolBar", ""), "0");
    EXPECT_EQ(saved.read("Toolbar", "QuestionSetupToolBar", ""), "1");
    EXPECT_EQ(saved.read("Toolbar", "StatusBar", ""), "0");
    {
        auto main = start();
        EXPECT_FALSE(ctl<QToolBar>(*main, "tbStandardToolBar")->isHidden());
        EXPECT_TRUE(ctl<QToolBar>(*main, "tbQuestionSetupToolBar")->isHidden());
        EXPECT_FALSE(ctl<QStatusBar>(*main, "sbInfo")->isHidden());
        EXPECT_TRUE(ctl<QAction>(*main, "actStandardToolBar")->isChecked());
        main->close();
    }
    // The ignored values were overwritten by what the window showed.
    EXPECT_EQ(IniFile(setupIni()).read("Toolbar", "StandardToolBar", ""), "1");

    IniFile::writeOne(setupIni(), "Setup", "SaveToolBar", "1");
    IniFile::writeOne(setupIni(), "Toolbar", "FileToolBar", "0");
    IniFile::writeOne(setupIni(), "Toolbar", "QuestionSetupToolBar", "1");
    IniFile::writeOne(setupIni(), "Toolbar", "RightCommandButton", "0");
    auto main = start();
    EXPECT_TRUE(ctl<QToolBar>(*main, "tbFileToolBar")->isHidden());
    EXPECT_FALSE(ctl<QAction>(*main, "actFileToolBar")->isChecked());
    EXPECT_FALSE(ctl<QToolBar>(*main, "tbQuestionSetupToolBar")->isHidden());
    EXPECT_TRUE(ctl<QAction>(*main, "actQuestionSetupToolBar")->isChecked());
    EXPECT_TRUE(ctl<QWidget>(*main, "pnlRightCommandButton")->isHidden());
    EXPECT_FALSE(ctl<QAction>(*main, "actRightCommandButton")->isChecked());
    EXPECT_FALSE(ctl<QToolBar>(*main, "tbStandardToolBar")->isHidden());
}

TEST_F(ShellTest, AToggleKeepsItsMenuItemAndPopupItemTickedAlike) {
    knownUser();
    auto main = start();
    std::unique_ptr<QMenu> dockMenu(main->createPopupMenu());
    const QList<QAction*> view = ctl<QMenu>(*main, "mnuView")->actions();
    const QList<QAction*> popup = ctl<QMenu>(*main, "pmToolBar")->actions();
    const QList<QAction*> dock = dockMenu->actions();
    QWidget* targets[] = {ctl<QToolBar>(*main, "tbStandardToolBar"), ctl<QToolBar>(*main, "tbFileToolBar"),
                          ctl<QToolBar>(*main, "tbQuestionSetupToolBar"), ctl<QWidget>(*main, "pnlRightCommandButton"), ctl<QStatusBar>(*main, "sbInfo")};
    for (int i = 0; i < 5; ++i) {
        const bool before = view[i]->isChecked();
        view[i]->trigger();
        EXPECT_EQ(popup[i]->isChecked(), !before) << i;
        EXPECT_EQ(dock[i]->isChecked(), !before) << i;
        EXPECT_EQ(targets[i]->isHidden(), before) << i;
        popup[i]->trigger();
        EXPECT_EQ(view[i]->isChecked(), before) << i;
        EXPECT_EQ(targets[i]->isHidden(), !before) << i;
    }

    const QList<QAction*> barsView = ctl<QMenu>(*main, "mnuDataBar")->actions();
    const QList<QAction*> barsPopup = ctl<QMenu>(*main, "pmDataBar")->actions();
    barsPopup[2]->trigger(); // wrong answers on
    barsView[0]->trigger();  // questions off
    EXPECT_TRUE(barsView[2]->isChecked());
    EXPECT_FALSE(barsPopup[0]->isChecked());
    EXPECT_TRUE(main->settings().look.ShowHazureNum);
    EXPECT_FALSE(main->settings().look.ShowQuestionNum);
    EXPECT_TRUE(ctl<ui::DataBar>(*main, "pnlQuestionNum")->isHidden());
    EXPECT_FALSE(ctl<ui::DataBar>(*main, "pnlHazureNum")->isHidden());
    main->close();
    IniFile saved(setupIni());
    EXPECT_EQ(saved.read("Data Bar", "ShowQuestionNum", ""), "0");
    EXPECT_EQ(saved.read("Data Bar", "ShowHazureNum", ""), "1");
}

TEST_F(ShellTest, AToolbarsCloseBoxUnticksBothItems) {
    knownUser();
    auto main = start();
    main->show();
    QApplication::processEvents();
    for (QToolBar* bar : {ctl<QToolBar>(*main, "tbStandardToolBar"), ctl<QToolBar>(*main, "tbFileToolBar")}) {
        QAction* closeBox = nullptr;
        for (QAction* a : bar->actions()) {
            if (a->text() == QStringLiteral("閉じる")) closeBox = a;
        }
        ASSERT_TRUE(closeBox);
        EXPECT_FALSE(closeBox->isVisible()); // docked: closed from the menus
        emit bar->topLevelChanged(true);     // floating: its own box shows
        EXPECT_TRUE(closeBox->isVisible());
        closeBox->trigger();
        EXPECT_TRUE(bar->isHidden());
    }
    EXPECT_FALSE(ctl<QAction>(*main, "actStandardToolBar")->isChecked());
    EXPECT_FALSE(ctl<QAction>(*main, "actFileToolBar")->isChecked());
    ctl<QAction>(*main, "actQuestionSetupToolBar")->trigger();
    ctl<QToolBar>(*main, "tbQuestionSetupToolBar")->close();
    EXPECT_FALSE(ctl<QAction>(*main, "actQuestionSetupToolBar")->isChecked());
    main->close();
    EXPECT_EQ(IniFile(setupIni()).read("Toolbar", "FileToolBar", ""), "0");
}

TEST_F(ShellTest, TheQuestionToolbarComesBackOnTheSecondDockRow) {
    knownUser();
    auto main = start();
    main->show();
    QApplication::processEvents();
    ctl<QAction>(*main, "actQuestionSetupToolBar")->trigger();
    QApplication::processEvents();
    QToolBar* q = ctl<QToolBar>(*main, "tbQuestionSetupToolBar");
    const int firstRow = ctl<QToolBar>(*main, "tbStandardToolBar")->y();
    EXPECT_EQ(ctl<QToolBar>(*main, "tbFileToolBar")->y(), firstRow);
    EXPECT_EQ(main->toolBarArea(q), Qt::TopToolBarArea);
    EXPECT_TRUE(main->toolBarBreak(q));
    const int secondRow = q->y();
    EXPECT_GE(secondRow, firstRow + ctl<QToolBar>(*main, "tbStandardToolBar")->height());
    EXPECT_TRUE(ctl<QAction>(*main, "actQuestionSetupToolBar")->isChecked());

    // Dragged to the bottom and switched off and on: back on the second row, and
    // switching it again and again does not push it further down.
    main->addToolBar(Qt::BottomToolBarArea, q);
    for (int i = 0; i < 3; ++i) {
        ctl<QAction>(*main, "actQuestionSetupToolBar")->trigger();
        ctl<QAction>(*main, "actQuestionSetupToolBar")->trigger();
        QApplication::processEvents();
        EXPECT_EQ(main->toolBarArea(q), Qt::TopToolBarArea);
        EXPECT_EQ(q->y(), secondRow);
        EXPECT_FALSE(q->isHidden());
        EXPECT_TRUE(ctl<QAction>(*main, "actQuestionSetupToolBar")->isChecked());
    }
    main->close();
}

TEST_F(ShellTest, DataBarsKeepTheirOrderAboveTheStatusBar) {
    knownUser({"[Data Bar]", "ShowHazureNum=1"});
    auto main = start();
    main->show();
    QApplication::processEvents();
    QWidget* bars[] = {ctl<ui::DataBar>(*main, "pnlQuestionNum"), ctl<ui::DataBar>(*main, "pnlAtariNum"), ctl<ui::DataBar>(*main, "pnlHazureNum"),
                       ctl<ui::DataBar>(*main, "pnlPercent"), ctl<ui::DataBar>(*main, "pnlTime")};
    auto bottomOf = [&](QWidget* w) { return w->mapTo(main.get(), QPoint(0, w->height())).y(); };
    auto topOf = [&](QWidget* w) { return w->mapTo(main.get(), QPoint(0, 0)).y(); };
    for (int i = 0; i + 1 < 5; ++i)
        EXPECT_LE(bottomOf(bars[i]), topOf(bars[i + 1])) << i;
    EXPECT_LE(bottomOf(bars[4]), ctl<QStatusBar>(*main, "sbInfo")->y());
    EXPECT_GE(topOf(bars[0]), bottomOf(ctl<QLineEdit>(*main, "txtAnswer")));

    // Switching the first one off and on again puts it back first.
    ctl<QAction>(*main, "actQuestionNum")->trigger();
    ctl<QAction>(*main, "actPercent")->trigger();
    ctl<QAction>(*main, "actQuestionNum")->trigger();
    QApplication::processEvents();
    EXPECT_LE(bottomOf(bars[0]), topOf(bars[1]));
    EXPECT_TRUE(ctl<ui::DataBar>(*main, "pnlPercent")->isHidden());
    EXPECT_EQ(ctl<QLabel>(*main, "lblPercent")->text(), QStringLiteral(" ： 0 / 0 ％"));
    EXPECT_EQ(ctl<QLabel>(*main, "lblTime")->text(), QStringLiteral(" ： 0 / 0 秒"));
    EXPECT_EQ(ctl<QLabel>(*ctl<ui::DataBar>(*main, "pnlHazureNum"), "caption")->text(),
              QStringLiteral("不正解数 ： "));
    main->close();
}

TEST_F(ShellTest, StatusBarPanelsAndTheFirstFollowingTheWidth) {
    knownUser();
    auto main = start();
    main->show();
    // Panel 0 is the window's width less 440 while its text fits in that (a longer text
    // takes room from the countdown's panel).
    main->statusPanel(0)->setText(QStringLiteral(" 現在使用中の辞書 ： "));
    QApplication::processEvents();
    EXPECT_EQ(main->statusPanel(0)->width(), 604 - 440);
    EXPECT_EQ(main->statusPanel(1)->width(), 160);
    EXPECT_EQ(main->statusPanel(2)->width(), 100);
    EXPECT_GE(main->statusPanel(3)->width(), 50);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(main->statusPanel(i)->alignment(), Qt::AlignCenter) << i;
    // Side by side, none covering the next.
    for (int i = 0; i < 3; ++i)
        EXPECT_LT(main->statusPanel(i)->geometry().right(), main->statusPanel(i + 1)->x()) << i;
    main->resize(900, 500);
    QApplication::processEvents();
    EXPECT_EQ(main->statusPanel(0)->width(), 460);
    EXPECT_LT(main->statusPanel(0)->x(), main->statusPanel(1)->x());
    EXPECT_LT(main->statusPanel(2)->x(), main->statusPanel(3)->x());

    // A long path never widens the window: it is shortened in its middle, whole as the
    // tooltip, and the window keeps its width.
    main->resize(604, 441);
    QApplication::processEvents();
    const QString longPath = QStringLiteral(" 現在使用中の辞書 ： /home/taro/") +
                             QString(QStringLiteral("単語帳/")).repeated(20) +
                             QStringLiteral("noun.txt");
    main->statusPanel(0)->setText(longPath);
    QApplication::processEvents();
    auto* panel = qobject_cast<ui::ElidedLabel*>(main->statusPanel(0));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(main->width(), 604);
    EXPECT_TRUE(panel->elided());
    EXPECT_TRUE(panel->shownText().contains(QChar(0x2026)));
    EXPECT_TRUE(panel->shownText().endsWith(QStringLiteral("noun.txt")));
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->shownText()),
              panel->contentsRect().width());
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), panel->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel, &tip);
    EXPECT_EQ(QToolTip::text(), longPath);
    // The drill's longest hint fits its panel whole.
    main->statusPanel(1)->setText(QStringLiteral("\"英数字\"と\"漢字\"で解答"));
    EXPECT_FALSE(qobject_cast<ui::ElidedLabel*>(main->statusPanel(1))->elided());
    main->close();
}

TEST_F(ShellTest, TheQuestionBoxTakesTheHeightTheWindowHas) {
    knownUser();
    auto main = start();
    main->show();
    QApplication::processEvents();
    // No empty band between the answer field and the data bars.
    const int answerBottom = ctl<QLineEdit>(*main, "txtAnswer")->mapTo(main.get(), QPoint(0, ctl<QLineEdit>(*main, "txtAnswer")->height())).y();
    const int barsTop = ctl<ui::DataBar>(*main, "pnlQuestionNum")->mapTo(main.get(), QPoint(0, 0)).y();
    EXPECT_LT(barsTop - answerBottom, 24);
    EXPECT_GT(ctl<QPlainTextEdit>(*main, "moQuestion")->height(), 60);
    main->resize(604, 700);
    QApplication::processEvents();
    const int taller = ctl<QPlainTextEdit>(*main, "moQuestion")->height();
    EXPECT_GT(taller, 200);
    main->close();
}

TEST_F(ShellTest, HintsNeverHideTheStatusPanels) {
    knownUser();
    auto main = start();
    main->show();
    QApplication::processEvents();
    QStringList before;
    for (int i = 0; i < 4; ++i)
        before << main->statusPanelText(i);
    ASSERT_FALSE(before[0].isEmpty());

    // Hovering a right-panel button, a menu entry and a toolbar button.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(ctl<QPushButton>(*main, "cmdStart"), &enter);
    ctl<QAction>(*main, "actShowGraph")->showStatusText(main.get());
    QStatusTipEvent tip(QStringLiteral("グラフの表示"));
    QApplication::sendEvent(ctl<QToolBar>(*main, "tbStandardToolBar")->widgetForAction(ctl<QAction>(*main, "actShowGraph")), &tip);
    QApplication::processEvents();

    EXPECT_TRUE(ctl<QStatusBar>(*main, "sbInfo")->currentMessage().isEmpty());
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(main->statusPanel(i)->isVisible()) << i;
        EXPECT_EQ(main->statusPanelText(i), before[i]) << i;
    }
    main->close();
}

TEST_F(ShellTest, SettingsShapeTheWindow) {
    knownUser({"[Setup]",
               "moQuestionSize=80",
               "moCommentSize=40",
               "ShowComment=1",
               "ShowPronunciation=1",
               "NotFlat=1",
               "VocBookOn=1",
               "UseEndDicFile=1",
               "",
               "[Color]",
               "FontQuestionColor=255",
               "AtariNum=16711680",
               "",
               "[QuestionSetup]",
               "AnswerType=2",
               "QuestionType=1",
               "QuestionNum=abc",
               "DicFilePath=/data/verb.txt",
               "",
               "[Dictionary]",
               "DicNum=2",
               "1=noun.txt",
               "2=verb.txt"});
    auto main = start();
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->minimumHeight(), 80);
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moComment")->minimumHeight(), 40);
    EXPECT_FALSE(ctl<QPlainTextEdit>(*main, "moComment")->isHidden());
    EXPECT_FALSE(ctl<QPlainTextEdit>(*main, "moHatsuon")->isHidden());
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(ctl<ui::Gauge>(*main, "cgAtariNum")->color(), QColor(0, 0, 255));
    EXPECT_TRUE(ctl<QMenu>(*main, "mnuVocBook")->menuAction()->isEnabled());

    // Raised buttons: every toolbar button but the voice button.
    EXPECT_FALSE(qobject_cast<QToolButton*>(ctl<QToolBar>(*main, "tbStandardToolBar")->widgetForAction(ctl<QAction>(*main, "actHelp")))
                     ->autoRaise());
    EXPECT_TRUE(
        qobject_cast<QToolButton*>(ctl<QToolBar>(*main, "tbStandardToolBar")->widgetForAction(ctl<QAction>(*main, "actPlayVoice")))
            ->autoRaise());
    EXPECT_FALSE(ctl<QToolButton>(*main, "cmdPrint")->autoRaise());
    EXPECT_FALSE(ctl<QToolButton>(*main, "cmdDictionary")->autoRaise());
    EXPECT_FALSE(ctl<QToolButton>(*main, "cmdOk")->autoRaise());

    // The question toolbar takes the stored choices; the number as typed.
    EXPECT_EQ(ctl<QComboBox>(*main, "cboAnswerType")->currentIndex(), 2);
    EXPECT_EQ(ctl<QComboBox>(*main, "cboQuestionType")->currentIndex(), 1);
    EXPECT_EQ(ctl<QLineEdit>(*main, "txtQuestionNum")->text(), QStringLiteral("abc"));
    EXPECT_FALSE(ctl<ui::RadioGroup>(*main, "rgAnswer")->isHidden());
    EXPECT_FALSE(ctl<ui::RadioGroup>(*main, "rgAnswer")->isEnabled());
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->items(), QStringList({"正解 １", "正解 ２", "正解 ３", "正解 ４"}));
    ctl<QComboBox>(*main, "cboAnswerType")->setCurrentIndex(3);
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->items(),
              QStringList({"正解 １", "正解 ２", "正解 ３", "正解 ４", "正解 ５"}));
    EXPECT_FALSE(ctl<ui::RadioGroup>(*main, "rgAnswer")->isEnabled());
    ctl<QComboBox>(*main, "cboAnswerType")->setCurrentIndex(0);
    EXPECT_TRUE(ctl<ui::RadioGroup>(*main, "rgAnswer")->isHidden());
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->count(), 0);

    // The last dictionary, and the list of those used.
    EXPECT_EQ(main->settings().files.DicInUse, "/data/verb.txt");
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("verb.txt"));
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->count(), 2);
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->itemText(1), QStringLiteral("verb.txt"));
    main->close();
    EXPECT_EQ(IniFile(setupIni()).read("QuestionSetup", "QuestionNum", ""), "abc");
}

TEST_F(ShellTest, PronunciationOnlyInTheResultKeepsThePanelHidden) {
    knownUser({"[Setup]", "ShowPronunciation=1", "ShowPronResultOnly=1"});
    auto main = start();
    EXPECT_TRUE(ctl<QPlainTextEdit>(*main, "moHatsuon")->isHidden());
}

TEST_F(ShellTest, ValuesThatAreNoNumbersAreToldOnceInOneBox) {
    knownUser({"[Setup]", "SavePosition=x", "moQuestionSize=big", "SaveToolBar=1", "", "[Data Bar]",
               "ShowHazureNum=yes", "", "[Toolbar]", "StatusBar=on"});
    platform.answerNotice();
    auto main = start();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    const QString text = notices[0].text;
    EXPECT_EQ(text.count(QStringLiteral("SavePosition=x")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("moQuestionSize=big")));
    EXPECT_TRUE(text.contains(QStringLiteral("ShowHazureNum=yes")));
    EXPECT_TRUE(text.contains(QStringLiteral("StatusBar=on")));
    EXPECT_EQ(notices[0].noticeKind, 0);
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->minimumHeight(), 60);
    EXPECT_TRUE(ctl<ui::DataBar>(*main, "pnlHazureNum")->isHidden());
    EXPECT_FALSE(ctl<QStatusBar>(*main, "sbInfo")->isHidden());
}

TEST_F(ShellTest, AbsurdSettingsAreBroughtIntoRangeAndToldOnceInOneBox) {
    knownUser({"[Setup]", "moCommentSize=100000", "moQuestionSize=100000", "ShowComment=1",
               "DateType=9", "SaveSize=1", "", "[Font]", "FontQuestionSize=100000", "", "[Color]",
               "FontQuestionColor=-1", "", "[Form Information]", "Height=100000", "Width=100000"});
    platform.answerNotice();
    auto main = start();
    main->show();
    QApplication::processEvents();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    const QString text = notices[0].text;
    for (const char* named : {"moCommentSize=100000 → 200", "moQuestionSize=100000 → 200",
                              "FontQuestionSize=100000 → 30", "FontQuestionColor=-1 → 0",
                              "DateType=9 → 0"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(named))) << named;
    // The window is a window again: its answer field within a screen of 768 pixels.
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moComment")->minimumHeight(), 200);
    EXPECT_LT(main->minimumSizeHint().height(), 700);
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->font().pointSize(), 30);
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->palette().color(QPalette::Text), QColor(Qt::black));
    // A stored size larger than the screen opens at the screen's size.
    const QRect screen = main->screen()->availableGeometry();
    EXPECT_LE(main->height(), screen.height());
    EXPECT_LE(main->width(), screen.width());
}

TEST_F(ShellTest, RecordsOfManyDictionariesThatCannotBeWrittenAreNamedInOneShortBox) {
    std::vector<std::string> lines{"[Dictionary]", "DicNum=25"};
    for (int i = 1; i <= 25; ++i)
        lines.push_back(std::to_string(i) + "=d" + std::to_string(i) + ".txt");
    knownUser(std::vector<std::string_view>(lines.begin(), lines.end()));
    // A folder where each record file belongs: the roll-over cannot write one of them.
    for (int i = 1; i <= 25; ++i)
        ASSERT_TRUE(makeFolder(dir.file("Taro/20023_d" + std::to_string(i) + ".dat")));
    platform.answerNotice();
    auto main = start();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].caption, QStringLiteral("エラー"));
    EXPECT_TRUE(notices[0].text.startsWith(QStringLiteral("記録ファイルを書き込めませんでした。")));
    EXPECT_TRUE(notices[0].text.contains(QStringLiteral("20023_d1.dat")));
    EXPECT_TRUE(notices[0].text.endsWith(QStringLiteral("ほか 15 件")));
    EXPECT_EQ(notices[0].text.count(QLatin1Char('\n')), 12);
}

TEST_F(ShellTest, AGapInTheListOfDictionariesIsNoNameInTheToolbarsList) {
    knownUser({"[Dictionary]", "DicNum=3", "1=noun.txt", "3=mine.txt"});
    auto main = start();
    ASSERT_EQ(ctl<QComboBox>(*main, "cboDicFile")->count(), 2);
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->itemText(0), QStringLiteral("noun.txt"));
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->itemText(1), QStringLiteral("mine.txt"));
    // The list marks none of them; the text names the dictionary in use.
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentIndex(), -1);
    EXPECT_FALSE(ctl<QComboBox>(*main, "cboDicFile")->currentText().isEmpty());
}

TEST_F(ShellTest, EveryOpenerReportsItsOwnFailure) {
    knownUser();
    auto main = start();
    main->openers() = WindowOpeners{};
    const std::pair<void (TfrmMain::*)(), const char*> openers[] = {
        {&TfrmMain::cmdSetupClick, "基本設定"},
        {&TfrmMain::cmdEditDicClick, "辞書の編集"},
        {&TfrmMain::cmdPrintDicClick, "辞書の印刷"},
        {&TfrmMain::cmdMakeTestClick, "簡易テスト用紙作成"},
        {&TfrmMain::cmdShowPercentClick, "正解率の表示"},
        {&TfrmMain::cmdShowGraphClick, "グラフの表示"},
        {&TfrmMain::cmdShowErrorNumClick, "不正解の詳細"},
        {&TfrmMain::cmdFindClick, "単語の検索"},
        {&TfrmMain::cmdNewTextClick, "テキストファイルの新規作成"},
        {&TfrmMain::cmdEditVocBookClick, "単語編集"},
        {&TfrmMain::cmdMakeDicClick, "辞書の作成"},
        {&TfrmMain::cmdMakePronClick, "発音記号の追加"},
        {&TfrmMain::cmdShowHistroyClick, "学習履歴の表示"},
        {&TfrmMain::cmdStartClick, "出題設定"},
        {&TfrmMain::cmdVersionClick, "バージョン情報"},
    };
    for (const auto& [handler, name] : openers) {
        platform.clearCalls();
        platform.answerNotice();
        (main.get()->*handler)();
        auto notices = platform.callsOf(PlatformCall::Notice);
        ASSERT_EQ(notices.size(), 1u) << name;
        EXPECT_EQ(notices[0].text, QString::fromUtf8(name) + kRestart);
        EXPECT_EQ(notices[0].caption, QStringLiteral("エラー"));
        EXPECT_EQ(notices[0].noticeKind, 0);
    }
}

TEST_F(ShellTest, AnOpenerShowsItsWindowModallyOrReportsAThrowingFactory) {
    knownUser();
    auto main = start();
    int afterResult = -1;
    main->openers().add(
        MainCommand::EditDic,
        [](TfrmMain& m) {
            auto d = std::make_unique<QDialog>(&m);
            d->setWindowTitle(QStringLiteral("辞書の編集"));
            return d;
        },
        [&](TfrmMain&, QDialog&, int result) { afterResult = result; });
    platform.answerModal([](QDialog& d) {
        d.accept();
        return QDialog::Accepted;
    });
    main->cmdEditDicClick();
    auto modals = platform.callsOf(PlatformCall::Modal);
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0].caption, QStringLiteral("辞書の編集"));
    EXPECT_EQ(afterResult, QDialog::Accepted);

    main->openers().add(MainCommand::Find, [](TfrmMain&) -> std::unique_ptr<QDialog> {
        throw std::runtime_error("no window");
    });
    platform.answerNotice();
    main->cmdFindClick();
    EXPECT_EQ(platform.boxTexts().last(), QStringLiteral("単語の検索") + kRestart);
}

TEST_F(ShellTest, TheSettingsDialogIsMadeOnceAndShownAgain) {
    knownUser();
    auto main = start();
    int made = 0;
    main->openers().add(MainCommand::Setup, [&](TfrmMain& m) {
        ++made;
        return std::make_unique<QDialog>(&m);
    });
    main->createLongLivedDialogs();
    EXPECT_EQ(made, 1);
    QDialog* dialog = main->longLivedDialog(MainCommand::Setup);
    ASSERT_TRUE(dialog);
    platform.answerModal([](QDialog&) { return QDialog::Rejected; });
    platform.answerModal([](QDialog&) { return QDialog::Rejected; });
    main->cmdSetupClick();
    main->cmdSetupClick();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).size(), 2u);
    EXPECT_EQ(main->longLivedDialog(MainCommand::Setup), dialog);
}

TEST_F(ShellTest, VersionSendsItsCommandWhenVoiceIsOnAndShowsTheAboutBox) {
    knownUser({"[Setup]", "VoiceOn=1"});
    auto main = start();
    QString caption;
    QString version;
    platform.answerModal([&](QDialog& d) {
        auto& about = dynamic_cast<TfrmAbout&>(d);
        caption = about.windowTitle();
        version = ctl<QLabel>(about, "lblVersion")->text();
        ctl<QPushButton>(about, "cmdOk")->click();
        return about.result();
    });
    main->cmdVersionClick();
    EXPECT_EQ(platform.companionTexts(), QStringList({"ANI;9"}));
    EXPECT_EQ(platform.calls().front().kind, PlatformCall::Companion);
    EXPECT_TRUE(platform.clipboardTexts().isEmpty());
    EXPECT_EQ(caption, QStringLiteral("Qor Helperについて"));
    EXPECT_EQ(version, QStringLiteral("Version 4.9"));
}

TEST_F(ShellTest, HelpHomepageAndTheDictionaryOpenWithTheirPrograms) {
    knownUser({"[Dictionary Path]", "noun.txt=" + dir.file("dictionary/noun.txt")});
    makeFolder(dir.file("help"));
    makeFolder(dir.file("dictionary"));
    spit(dir.file("help/contents.html"), "<html></html>");
    spit(dir.file("help/index.html"), "<html></html>");
    spit(dir.file("dictionary/noun.txt"), "apple=りんご*\r\n");
    auto main = start();
    EXPECT_EQ(ctl<QAction>(*main, "actHelp")->shortcut(), QKeySequence(Qt::Key_F1));
    ctl<QAction>(*main, "actHelp")->trigger();
    ctl<QAction>(*main, "actHomepage")->trigger();
    ctl<QAction>(*main, "actByMemo")->trigger();
    QStringList opened;
    for (const PlatformCall& c : platform.callsOf(PlatformCall::OpenPath))
        opened << c.text;
    EXPECT_EQ(opened, QStringList({QString::fromStdString(dir.file("help/contents.html")),
                                   QString::fromStdString(dir.file("help/index.html")),
                                   QString::fromStdString(dir.file("dictionary/noun.txt"))}));
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(ShellTest, AMissingHelpOrUnknownDictionaryIsReported) {
    knownUser();
    auto main = start();
    platform.answerNotice().answerNotice();
    main->cmdHelpClick();
    ctl<QComboBox>(*main, "cboDicFile")->setEditText(QStringLiteral("unknown.txt"));
    main->cmdByMemoClick();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_TRUE(notices[0].text.startsWith(QString::fromStdString(dir.file("help/contents.html"))));
    EXPECT_EQ(notices[0].caption, QStringLiteral("エラー"));
    EXPECT_TRUE(notices[1].text.contains(QStringLiteral("ファイルまたはフォルダが見つかりません")));
    EXPECT_TRUE(platform.callsOf(PlatformCall::OpenPath).empty());
}

TEST_F(ShellTest, TheCompanionProgramIsStartedToldWhereToSitAndAskedToEnd) {
    makeFolder(dir.file("voice"));
    const std::string program = dir.file("voice/speaker");
    spit(program, "#!/bin/sh\nexec sleep 30\n");
    chmod(program.c_str(), 0755);
    knownUser({"[Setup]", "VoiceOn=1", "VoiceType=1", "", "[File Path]", "HearingPath=" + program});
    auto main = start();
    ASSERT_TRUE(main->companionProcess());
    EXPECT_EQ(main->companionProcess()->state(), QProcess::Running);
    const qint64 pid = main->companionProcess()->processId();
    QRect frame = main->frameGeometry();
    // The corner goes to the data folder, never beside the program.
    EXPECT_EQ(slurp(dir.file("vexa/Setup.ini")),
              crlf({"[Setup]", "left=" + std::to_string(frame.x() + frame.width()),
                    "top=" + std::to_string(frame.y() + frame.height())}));
    EXPECT_FALSE(test::exists(dir.file("voice/Setup.ini")));
    EXPECT_EQ(main->companionProcess()->arguments(),
              (QStringList{"--settings", QString::fromStdString(dir.file("vexa/Setup.ini")),
                           "--channel", ui::companionChannelName(), "--owner",
                           QString::number(QCoreApplication::applicationPid())}));
    main->close();
    EXPECT_EQ(main->companionProcess(), nullptr);
    EXPECT_NE(::kill(static_cast<pid_t>(pid), 0), 0);
}

TEST_F(ShellTest, ACompanionThatCannotStartIsReportedAndOnlyTheCornerNeedsAPath) {
    makeFolder(dir.file("voice"));
    knownUser({"[Setup]", "VoiceOn=1", "VoiceType=1", "", "[File Path]",
               "HearingPath=" + dir.file("voice/none")});
    platform.answerNotice();
    auto main = start();
    EXPECT_EQ(main->companionProcess(), nullptr);
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(
        QStringLiteral("音声用のプログラムを起動できませんでした。")));
    // The corner is written whatever the voice settings say.
    EXPECT_TRUE(test::exists(dir.file("vexa/Setup.ini")));
}

TEST_F(ShellTest, VoiceKeysWinOverTheAnswerFieldOnlyWhileEnabled) {
    knownUser();
    auto main = start();
    auto overridden = [&] {
        QKeyEvent ev(QEvent::ShortcutOverride, Qt::Key_V, Qt::ControlModifier);
        ev.setAccepted(false);
        QApplication::sendEvent(ctl<QLineEdit>(*main, "txtAnswer"), &ev);
        return ev.isAccepted();
    };
    EXPECT_TRUE(overridden()); // the field pastes
    ctl<QAction>(*main, "actPlayVoice")->setEnabled(true);
    EXPECT_FALSE(overridden()); // the command plays
}

TEST_F(ShellTest, TheDefaultDictionaryOpensInTheEditorBeforeItWasEverChosen) {
    // A first start: the dictionary in use is the default one, not yet remembered under
    // "Dictionary Path"; "メモ帳で開く" opens it rather than showing an empty path.
    knownUser();
    makeFolder(dir.file("dictionary"));
    spit(dir.file("dictionary/noun.txt"), "apple=りんご*\r\n");
    auto main = start();
    ASSERT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("noun.txt"));
    ctl<QAction>(*main, "actByMemo")->trigger();
    auto opened = platform.callsOf(PlatformCall::OpenPath);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text, QString::fromStdString(dir.file("dictionary/noun.txt")));
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}
