#include "app/MainMenus.h"

#include "app/TfrmMain.h"
#include "app/ToolbarIcons.h"
#include "ui/ActionLink.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <utility>

namespace qor {

MainMenus::MainMenus(TfrmMain& main) : main_(main) {
    buildActions();
    buildMenus();
}

QAction* MainMenus::command(const char* name, const QString& text, const QString& hint,
                            void (TfrmMain::*handler)(), int icon, const QKeySequence& key) {
    auto* a = new QAction(text, &main_);
    a->setObjectName(QLatin1String(name));
    if (!hint.isEmpty()) a->setToolTip(hint);
    if (icon >= 0) {
        a->setIcon(toolIcon(static_cast<ToolIcon>(icon)));
        // Menus show captions only; pictures belong to the toolbars.
        a->setIconVisibleInMenu(false);
    }
    if (!key.isEmpty()) a->setShortcut(key);
    QObject::connect(a, &QAction::triggered, &main_, handler);
    // Shortcuts work whether or not a menu showing the entry is open.
    main_.addAction(a);
    return a;
}

QAction* MainMenus::toggle(const char* name, const QString& text, void (TfrmMain::*handler)()) {
    auto* a = new QAction(text, &main_);
    a->setObjectName(QLatin1String(name));
    a->setCheckable(true);
    a->setChecked(true);
    QObject::connect(a, &QAction::triggered, &main_, handler);
    return a;
}

void MainMenus::buildActions() {
    auto I = [](ToolIcon i) { return static_cast<int>(i); };
    actHelp_ = command("actHelp", QStringLiteral("ヘルプを開く"), QStringLiteral("ヘルプを開く"),
                      &TfrmMain::cmdHelpClick, I(ToolIcon::Help), QKeySequence(Qt::Key_F1));
    actSetup_ = command("actSetup", QStringLiteral("基本設定"), QStringLiteral("基本設定"),
                       &TfrmMain::cmdSetupClick, I(ToolIcon::Setup), QKeySequence(Qt::Key_F2));
    actSetupPopup_ = new QAction(QStringLiteral("基本設定 (&S)"), &main_);
    actSetupPopup_->setObjectName(QStringLiteral("actSetupPopup"));
    ui::linkTwin(actSetupPopup_, actSetup_);
    actStart_ = command("actStart", QStringLiteral("始める"), QStringLiteral("始める"), &TfrmMain::cmdStartClick,
                       I(ToolIcon::Start), {});
    actResult_ = command("actResult", QStringLiteral("結果"), QStringLiteral("結果"), &TfrmMain::cmdResultClick,
                        I(ToolIcon::Result), {});
    actShowGraph_ = command("actShowGraph", QStringLiteral("グラフの表示 (&G)"), QStringLiteral("グラフの表示"),
                           &TfrmMain::cmdShowGraphClick, I(ToolIcon::Graph), {});
    actStop_ = command("actStop", QStringLiteral("止める"), QStringLiteral("止める"), &TfrmMain::cmdStopClick,
                      I(ToolIcon::Stop), {});
    actShowPercent_ = command("actShowPercent", QStringLiteral("正解率の表示 (&P)"), QStringLiteral("正解率の表示"),
                             &TfrmMain::cmdShowPercentClick, I(ToolIcon::Percent), {});
    actFind_ = command("actFind", QStringLiteral("単語の検索 (&F)"), QStringLiteral("単語を検索する"),
                      &TfrmMain::cmdFindClick, I(ToolIcon::Find), {});
    actShowErrorNum_ = command("actShowErrorNum", QStringLiteral("不正解数の詳細 (&N)"), QStringLiteral("不正解数の詳細"),
                &TfrmMain::cmdShowErrorNumClick, I(ToolIcon::ErrorNum), {});
    actShowError_ = command("actShowError", QStringLiteral("間違えの表示 (&E)"), QStringLiteral("間違えの表示"),
                           &TfrmMain::cmdShowErrorClick, I(ToolIcon::ShowError), {});
    actVersion_ = command("actVersion", QStringLiteral("バージョン情報 (&V)"), QStringLiteral("バージョン情報"),
                         &TfrmMain::cmdVersionClick, I(ToolIcon::Version), {});
    actHomepage_ = command("actHomepage", QStringLiteral("ホームページへ (&W)"), QStringLiteral("ホームページへ"),
                          &TfrmMain::cmdHomepageClick, I(ToolIcon::Homepage), {});
    actPlayVoice_ = command("actPlayVoice", QStringLiteral("音声の再生"), QStringLiteral("音声の再生"),
                           &TfrmMain::cmdPlayVoiceClick, I(ToolIcon::PlayVoice),
                           QKeySequence(Qt::CTRL | Qt::Key_V));
    actShowHistory_ = command("actShowHistory", QStringLiteral("学習履歴の表示 (&H)"), QStringLiteral("学習履歴の表示"),
                &TfrmMain::cmdShowHistroyClick, I(ToolIcon::History), {});
    actStudyCalendar_ = command("actStudyCalendar", QStringLiteral("学習カレンダー (&C)"),
                                QStringLiteral("学習カレンダー"), &TfrmMain::cmdStudyCalendarClick, -1, {});
    actNextWord_ = command("actNextWord", QStringLiteral("次の文字を表示"), {}, &TfrmMain::cmdNextWordClick, -1,
                          QKeySequence(Qt::CTRL | Qt::Key_N));
    actAddVocBook_ = command("actAddVocBook", QStringLiteral("単語帳に追加"), {}, &TfrmMain::cmdAddVocBookClick, -1,
                            QKeySequence(Qt::CTRL | Qt::Key_A));

    actSelectDicFile_ = command("actSelectDicFile", QStringLiteral("辞書の選択"), QStringLiteral("辞書の選択"),
                               &TfrmMain::cmdSelectDicFileClick, I(ToolIcon::SelectDic), {});
    actPrintDic_ = command("actPrintDic", QStringLiteral("辞書の印刷"), QStringLiteral("辞書の印刷"),
                &TfrmMain::cmdPrintDicClick, I(ToolIcon::PrintDic), QKeySequence(Qt::Key_F5));
    actMakeTest_ = command("actMakeTest", QStringLiteral("簡易テスト用紙の作成"), QStringLiteral("簡易テスト用紙の作成"),
                &TfrmMain::cmdMakeTestClick, -1, QKeySequence(Qt::Key_F7));
    actMakeDic_ = command("actMakeDic", QStringLiteral("辞書の作成"), QStringLiteral("辞書の作成"),
                &TfrmMain::cmdMakeDicClick, I(ToolIcon::MakeDic), QKeySequence(Qt::Key_F3));
    actEditDic_ = command("actEditDic", QStringLiteral("辞書の編集"), QStringLiteral("辞書の編集"),
                         &TfrmMain::cmdEditDicClick, -1, QKeySequence(Qt::Key_F4));
    actMakePron_ = command("actMakePron", QStringLiteral("発音記号の追加"), QStringLiteral("発音記号の追加"),
                          &TfrmMain::cmdMakePronClick, -1, QKeySequence(Qt::Key_F6));
    actCsvFormat_ = command("actCsvFormat", QStringLiteral("CSV形式で保存 (&C)"), {}, &TfrmMain::cmdCsvFormatClick, -1, {});
    actImport_ = command("actImport", QStringLiteral("インポート (&I)..."),
                        QStringLiteral("他のプログラムの単語リストを辞書ファイルに変換"),
                        &TfrmMain::cmdImportClick, -1, {});
    actNewText_ = command("actNewText", QStringLiteral("テキストファイルの新規作成"),
                         QStringLiteral("テキストファイルの新規作成"), &TfrmMain::cmdNewTextClick,
                         I(ToolIcon::NewText), {});
    actByMemo_ = command("actByMemo", QStringLiteral("メモ帳で開く"), QStringLiteral("メモ帳で開く"),
                        &TfrmMain::cmdByMemoClick, I(ToolIcon::Memo), {});
    actExit_ = command("actExit", QStringLiteral("終了 (&X)"), {}, &TfrmMain::cmdExitClick, -1, {});
    actEditVocBook_ = command("actEditVocBook", QStringLiteral("単語帳の編集 (&D)"), {}, &TfrmMain::cmdEditVocBookClick, -1, {});
    actDeleteVocBook_ = command("actDeleteVocBook", QStringLiteral("単語帳の削除 (&C)"), {}, &TfrmMain::cmdDeleteVocBookClick, -1, {});
    actOk_ = command("actOk", QStringLiteral("OK"), QStringLiteral("出題開始"), &TfrmMain::cmdOkClick, -1, {});

    actStandardToolBar_ = toggle("actStandardToolBar", QStringLiteral("基本操作ツールバー (&B)"), &TfrmMain::cmdStandardToolBarClick);
    actFileToolBar_ = toggle("actFileToolBar", QStringLiteral("ファイル操作ツールバー (&F)"), &TfrmMain::cmdFileToolBarClick);
    actQuestionSetupToolBar_ = toggle("actQuestionSetupToolBar", QStringLiteral("出題設定ツールバー (&Q)"), &TfrmMain::cmdQuestionSetupToolBarClick);
    actQuestionSetupToolBar_->setChecked(false);
    actRightCommandButton_ = toggle("actRightCommandButton", QStringLiteral("ライトコマンドボタン (&R)"), &TfrmMain::cmdRightCommandButtonClick);
    actStatusBar_ = toggle("actStatusBar", QStringLiteral("ステータスバー (&S)"), &TfrmMain::cmdStatusBarClick);
    actQuestionNum_ = toggle("actQuestionNum", QStringLiteral("出題数 (&N)"), &TfrmMain::cmdQuestionNumClick);
    actAtariNum_ = toggle("actAtariNum", QStringLiteral("正解数 (&A)"), &TfrmMain::cmdAtariNumClick);
    actHazureNum_ = toggle("actHazureNum", QStringLiteral("不正解数 (&H)"), &TfrmMain::cmdHazureNumClick);
    actPercent_ = toggle("actPercent", QStringLiteral("正解率 (&P)"), &TfrmMain::cmdPercentClick);
    actTime_ = toggle("actTime", QStringLiteral("時間 (&T)"), &TfrmMain::cmdTimeClick);
}

void MainMenus::fillViewMenu(QMenu* menu, QMenu*& dataBarMenu) const {
    menu->addActions({actStandardToolBar_, actFileToolBar_, actQuestionSetupToolBar_,
                      actRightCommandButton_, actStatusBar_});
    menu->addSeparator();
    dataBarMenu = menu->addMenu(QStringLiteral("データバー (&D)"));
    dataBarMenu->addActions({actQuestionNum_, actAtariNum_, actHazureNum_, actPercent_, actTime_});
}

void MainMenus::buildMenus() {
    QMenuBar* bar = main_.menuBar();
    mnuFile_ = bar->addMenu(QStringLiteral("ファイル (&F)"));
    mnuFile_->addActions({actMakeDic_, actEditDic_, actPrintDic_, actMakePron_, actMakeTest_});
    mnuFile_->addSeparator();
    mnuFile_->addAction(actExit_);

    mnuView_ = bar->addMenu(QStringLiteral("表示 (&V)"));
    fillViewMenu(mnuView_, mnuDataBar_);

    mnuScore_ = bar->addMenu(QStringLiteral("成績の表示 (&G)"));
    mnuScore_->addActions(
        {actShowError_, actShowPercent_, actShowGraph_, actShowErrorNum_, actShowHistory_,
         actStudyCalendar_});
    mnuScore_->addSeparator();
    mnuVocBook_ = mnuScore_->addMenu(QStringLiteral("単語帳の編集 (&V)"));
    mnuVocBook_->addActions({actEditVocBook_, actDeleteVocBook_});

    mnuSetting_ = bar->addMenu(QStringLiteral("設定 (&S)"));
    mnuSetting_->addAction(actFind_);
    mnuSetting_->addSeparator();
    mnuSetting_->addAction(actSetup_);

    mnuHelp_ = bar->addMenu(QStringLiteral("ヘルプ (&H)"));
    mnuHelp_->addActions({actHelp_, actVersion_, actHomepage_});

    pmMain_ = new QMenu(&main_);
    pmMain_->addActions({actStart_, actResult_, actStop_});
    pmMain_->addSeparator();
    pmMain_->addActions({actNextWord_, actPlayVoice_, actAddVocBook_});
    pmMain_->addSeparator();
    pmMain_->addAction(actSetupPopup_);

    pmToolBar_ = new QMenu(&main_);
    fillViewMenu(pmToolBar_, pmDataBar_);

    const std::pair<QMenu*, const char*> names[] = {
        {mnuFile_, "mnuFile"},       {mnuView_, "mnuView"},       {mnuDataBar_, "mnuDataBar"},
        {mnuScore_, "mnuScore"},     {mnuVocBook_, "mnuVocBook"}, {mnuSetting_, "mnuSetting"},
        {mnuHelp_, "mnuHelp"},       {pmMain_, "pmMain"},         {pmToolBar_, "pmToolBar"},
        {pmDataBar_, "pmDataBar"}};
    for (const auto& [menu, name] : names)
        menu->setObjectName(QLatin1String(name));
}

QMenu* MainMenus::createViewMenu(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    QMenu* bars = nullptr;
    fillViewMenu(menu, bars);
    return menu;
}

} // namespace qor
