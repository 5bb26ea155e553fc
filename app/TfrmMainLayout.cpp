// The main window's widgets: menus, the three toolbars, the drill panel in the middle and
// the status bar.

#include "app/TfrmMain.h"
#include "app/KeyPreview.h"
#include "app/MainDrillShell.h"
#include "app/ToolbarIcons.h"
#include "quiz/DrillPanel.h"
#include "ui/ActionLink.h"
#include "ui/ElidedLabel.h"
#include "ui/UpDown.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace qor {

namespace {

constexpr int kIcon = 16;

} // namespace

QAction* TfrmMain::command(const QString& text, const QString& hint, void (TfrmMain::*handler)(),
                           int icon, const QKeySequence& key) {
    auto* a = new QAction(text, this);
    if (!hint.isEmpty()) a->setToolTip(hint);
    if (icon >= 0) {
        a->setIcon(toolIcon(static_cast<ToolIcon>(icon)));
        // Menus show captions only; pictures belong to the toolbars.
        a->setIconVisibleInMenu(false);
    }
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, handler);
    // Shortcuts work whether or not a menu showing the entry is open.
    addAction(a);
    return a;
}

QAction* TfrmMain::toggle(const QString& text, void (TfrmMain::*handler)()) {
    auto* a = new QAction(text, this);
    a->setCheckable(true);
    a->setChecked(true);
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void TfrmMain::buildActions() {
    auto I = [](ToolIcon i) { return static_cast<int>(i); };
    actHelp = command(QStringLiteral("ヘルプを開く"), QStringLiteral("ヘルプを開く"),
                      &TfrmMain::cmdHelpClick, I(ToolIcon::Help), QKeySequence(Qt::Key_F1));
    actSetup = command(QStringLiteral("基本設定"), QStringLiteral("基本設定"),
                       &TfrmMain::cmdSetupClick, I(ToolIcon::Setup), QKeySequence(Qt::Key_F2));
    actSetupPopup = new QAction(QStringLiteral("基本設定 (&S)"), this);
    ui::linkTwin(actSetupPopup, actSetup);
    actStart = command(QStringLiteral("始める"), QStringLiteral("始める"), &TfrmMain::cmdStartClick,
                       I(ToolIcon::Start));
    actResult = command(QStringLiteral("結果"), QStringLiteral("結果"), &TfrmMain::cmdResultClick,
                        I(ToolIcon::Result));
    actShowGraph = command(QStringLiteral("グラフの表示 (&G)"), QStringLiteral("グラフの表示"),
                           &TfrmMain::cmdShowGraphClick, I(ToolIcon::Graph));
    actStop = command(QStringLiteral("止める"), QStringLiteral("止める"), &TfrmMain::cmdStopClick,
                      I(ToolIcon::Stop));
    actShowPercent = command(QStringLiteral("正解率の表示 (&P)"), QStringLiteral("正解率の表示"),
                             &TfrmMain::cmdShowPercentClick, I(ToolIcon::Percent));
    actFind = command(QStringLiteral("単語の検索 (&F)"), QStringLiteral("単語を検索する"),
                      &TfrmMain::cmdFindClick, I(ToolIcon::Find));
    actShowErrorNum =
        command(QStringLiteral("不正解数の詳細 (&N)"), QStringLiteral("不正解数の詳細"),
                &TfrmMain::cmdShowErrorNumClick, I(ToolIcon::ErrorNum));
    actShowError = command(QStringLiteral("間違えの表示 (&E)"), QStringLiteral("間違えの表示"),
                           &TfrmMain::cmdShowErrorClick, I(ToolIcon::ShowError));
    actVersion = command(QStringLiteral("バージョン情報 (&V)"), QStringLiteral("バージョン情報"),
                         &TfrmMain::cmdVersionClick, I(ToolIcon::Version));
    actHomepage = command(QStringLiteral("ホームページへ (&W)"), QStringLiteral("ホームページへ"),
                          &TfrmMain::cmdHomepageClick, I(ToolIcon::Homepage));
    actPlayVoice = command(QStringLiteral("音声の再生"), QStringLiteral("音声の再生"),
                           &TfrmMain::cmdPlayVoiceClick, I(ToolIcon::PlayVoice),
                           QKeySequence(Qt::CTRL | Qt::Key_V));
    actShowHistory =
        command(QStringLiteral("学習履歴の表示 (&H)"), QStringLiteral("学習履歴の表示"),
                &TfrmMain::cmdShowHistroyClick, I(ToolIcon::History));
    actNextWord = command(QStringLiteral("次の文字を表示"), {}, &TfrmMain::cmdNextWordClick, -1,
                          QKeySequence(Qt::CTRL | Qt::Key_N));
    actAddVocBook = command(QStringLiteral("単語帳に追加"), {}, &TfrmMain::cmdAddVocBookClick, -1,
                            QKeySequence(Qt::CTRL | Qt::Key_A));

    actSelectDicFile = command(QStringLiteral("辞書の選択"), QStringLiteral("辞書の選択"),
                               &TfrmMain::cmdSelectDicFileClick, I(ToolIcon::SelectDic));
    actPrintDic =
        command(QStringLiteral("辞書の印刷"), QStringLiteral("辞書の印刷"),
                &TfrmMain::cmdPrintDicClick, I(ToolIcon::PrintDic), QKeySequence(Qt::Key_F5));
    actMakeTest =
        command(QStringLiteral("簡易テスト用紙の作成"), QStringLiteral("簡易テスト用紙の作成"),
                &TfrmMain::cmdMakeTestClick, -1, QKeySequence(Qt::Key_F7));
    actMakeDic =
        command(QStringLiteral("辞書の作成"), QStringLiteral("辞書の作成"),
                &TfrmMain::cmdMakeDicClick, I(ToolIcon::MakeDic), QKeySequence(Qt::Key_F3));
    actEditDic = command(QStringLiteral("辞書の編集"), QStringLiteral("辞書の編集"),
                         &TfrmMain::cmdEditDicClick, -1, QKeySequence(Qt::Key_F4));
    actMakePron = command(QStringLiteral("発音記号の追加"), QStringLiteral("発音記号の追加"),
                          &TfrmMain::cmdMakePronClick, -1, QKeySequence(Qt::Key_F6));
    actCsvFormat = command(QStringLiteral("CSV形式で保存 (&C)"), {}, &TfrmMain::cmdCsvFormatClick);
    actImport = command(QStringLiteral("インポート (&I)..."),
                        QStringLiteral("他のプログラムの単語リストを辞書ファイルに変換"),
                        &TfrmMain::cmdImportClick);
    actNewText = command(QStringLiteral("テキストファイルの新規作成"),
                         QStringLiteral("テキストファイルの新規作成"), &TfrmMain::cmdNewTextClick,
                         I(ToolIcon::NewText));
    actByMemo = command(QStringLiteral("メモ帳で開く"), QStringLiteral("メモ帳で開く"),
                        &TfrmMain::cmdByMemoClick, I(ToolIcon::Memo));
    actExit = command(QStringLiteral("終了 (&X)"), {}, &TfrmMain::cmdExitClick);
    actEditVocBook =
        command(QStringLiteral("単語帳の編集 (&D)"), {}, &TfrmMain::cmdEditVocBookClick);
    actDeleteVocBook =
        command(QStringLiteral("単語帳の削除 (&C)"), {}, &TfrmMain::cmdDeleteVocBookClick);
    actOk = command(QStringLiteral("OK"), QStringLiteral("出題開始"), &TfrmMain::cmdOkClick);

    actStandardToolBar =
        toggle(QStringLiteral("基本操作ツールバー (&B)"), &TfrmMain::cmdStandardToolBarClick);
    actFileToolBar =
        toggle(QStringLiteral("ファイル操作ツールバー (&F)"), &TfrmMain::cmdFileToolBarClick);
    actQuestionSetupToolBar =
        toggle(QStringLiteral("出題設定ツールバー (&Q)"), &TfrmMain::cmdQuestionSetupToolBarClick);
    actQuestionSetupToolBar->setChecked(false);
    actRightCommandButton =
        toggle(QStringLiteral("ライトコマンドボタン (&R)"), &TfrmMain::cmdRightCommandButtonClick);
    actStatusBar = toggle(QStringLiteral("ステータスバー (&S)"), &TfrmMain::cmdStatusBarClick);
    actQuestionNum = toggle(QStringLiteral("出題数 (&N)"), &TfrmMain::cmdQuestionNumClick);
    actAtariNum = toggle(QStringLiteral("正解数 (&A)"), &TfrmMain::cmdAtariNumClick);
    actHazureNum = toggle(QStringLiteral("不正解数 (&H)"), &TfrmMain::cmdHazureNumClick);
    actPercent = toggle(QStringLiteral("正解率 (&P)"), &TfrmMain::cmdPercentClick);
    actTime = toggle(QStringLiteral("時間 (&T)"), &TfrmMain::cmdTimeClick);
}

void TfrmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("ファイル (&F)"));
    mnuFile->addActions({actMakeDic, actEditDic, actPrintDic, actMakePron, actMakeTest});
    mnuFile->addSeparator();
    mnuFile->addAction(actExit);

    auto fillView = [this](QMenu* menu, QMenu*& dataBarMenu) {
        menu->addActions({actStandardToolBar, actFileToolBar, actQuestionSetupToolBar,
                          actRightCommandButton, actStatusBar});
        menu->addSeparator();
        dataBarMenu = menu->addMenu(QStringLiteral("データバー (&D)"));
        dataBarMenu->addActions({actQuestionNum, actAtariNum, actHazureNum, actPercent, actTime});
    };
    mnuView = bar->addMenu(QStringLiteral("表示 (&V)"));
    fillView(mnuView, mnuDataBar);

    mnuScore = bar->addMenu(QStringLiteral("成績の表示 (&G)"));
    mnuScore->addActions(
        {actShowError, actShowPercent, actShowGraph, actShowErrorNum, actShowHistory});
    mnuScore->addSeparator();
    mnuVocBook = mnuScore->addMenu(QStringLiteral("単語帳の編集 (&V)"));
    mnuVocBook->addActions({actEditVocBook, actDeleteVocBook});

    mnuSetting = bar->addMenu(QStringLiteral("設定 (&S)"));
    mnuSetting->addAction(actFind);
    mnuSetting->addSeparator();
    mnuSetting->addAction(actSetup);

    mnuHelp = bar->addMenu(QStringLiteral("ヘルプ (&H)"));
    mnuHelp->addActions({actHelp, actVersion, actHomepage});

    pmMain = new QMenu(this);
    pmMain->addActions({actStart, actResult, actStop});
    pmMain->addSeparator();
    pmMain->addActions({actNextWord, actPlayVoice, actAddVocBook});
    pmMain->addSeparator();
    pmMain->addAction(actSetupPopup);

    pmToolBar = new QMenu(this);
    fillView(pmToolBar, pmDataBar);
}

QMenu* TfrmMain::createPopupMenu() {
    // The dock's own pop-up: the same toggles as the view menu. The caller deletes it.
    auto* menu = new QMenu(this);
    menu->addActions({actStandardToolBar, actFileToolBar, actQuestionSetupToolBar,
                      actRightCommandButton, actStatusBar});
    menu->addSeparator();
    QMenu* bars = menu->addMenu(QStringLiteral("データバー (&D)"));
    bars->addActions({actQuestionNum, actAtariNum, actHazureNum, actPercent, actTime});
    return menu;
}

QToolButton* TfrmMain::toolButton(QToolBar* bar, QAction* action) {
    return qobject_cast<QToolButton*>(bar->widgetForAction(action));
}

void TfrmMain::addCloseBox(QToolBar* bar) {
    // A docked toolbar is closed from the menus; one that floats carries its own box.
    auto* close = new QAction(toolIcon(ToolIcon::Close), QStringLiteral("閉じる"), bar);
    close->setToolTip(QStringLiteral("閉じる"));
    bar->addAction(close);
    close->setVisible(false);
    closeBoxes_.append(close);
    connect(close, &QAction::triggered, bar, &QToolBar::close);
    connect(bar, &QToolBar::topLevelChanged, close, &QAction::setVisible);
}

void TfrmMain::buildToolBars() {
    auto makeBar = [this](const QString& caption, const QString& name) {
        auto* bar = new QToolBar(caption, this);
        bar->setObjectName(name);
        bar->setIconSize(QSize(kIcon, kIcon));
        bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
        bar->setFloatable(true);
        // Buttons side by side without gaps, so that both toolbars fit one row.
        bar->layout()->setSpacing(0);
        addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };

    tbStandardToolBar =
        makeBar(QStringLiteral("基本操作ツールバー"), QStringLiteral("tbStandardToolBar"));
    for (QAction* a :
         {actHelp, actSetup, actStart, actResult, actShowGraph, actStop, actShowPercent, actFind,
          actShowErrorNum, actShowError, actVersion, actHomepage, actPlayVoice, actShowHistory}) {
        tbStandardToolBar->addAction(a);
        // "NotFlat" raises every button of this toolbar but the voice button.
        if (a != actPlayVoice) flatButtons_.append(toolButton(tbStandardToolBar, a));
    }
    addCloseBox(tbStandardToolBar);

    tbFileToolBar =
        makeBar(QStringLiteral("ファイル操作ツールバー"), QStringLiteral("tbFileToolBar"));
    tbFileToolBar->addAction(actSelectDicFile);
    flatButtons_.append(toolButton(tbFileToolBar, actSelectDicFile));

    auto dropDown = [this](QAction* main, std::initializer_list<QAction*> entries) {
        auto* button = new QToolButton(tbFileToolBar);
        button->setDefaultAction(main);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setIconSize(QSize(kIcon, kIcon));
        button->setAutoRaise(true);
        auto* menu = new QMenu(button);
        menu->addActions(entries);
        button->setMenu(menu);
        tbFileToolBar->addWidget(button);
        flatButtons_.append(button);
        return button;
    };
    cmdPrint = dropDown(actPrintDic, {actPrintDic, actMakeTest});
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdDictionary =
        dropDown(actMakeDic, {actMakeDic, actEditDic, actMakePron, actCsvFormat, actImport});
    cmdDictionary->setObjectName(QStringLiteral("cmdDictionary"));
    for (QAction* a : {actNewText, actByMemo}) {
        tbFileToolBar->addAction(a);
        flatButtons_.append(toolButton(tbFileToolBar, a));
    }
    cboDicFile = new DictionaryPicker(dictionaries_, tbFileToolBar);
    // Narrow enough for both toolbars to share a row at the first-start width; a wider
    // window gives it the room.
    cboDicFile->setMinimumContentsLength(5);
    cboDicFile->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboDicFile->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    cboDicFile->setAccessibleName(QStringLiteral("使用する辞書"));
    cboDicFile->setToolTip(QStringLiteral("使用する辞書"));
    tbFileToolBar->addWidget(cboDicFile);
    addCloseBox(tbFileToolBar);

    // The question toolbar sits on the dock's second row.
    addToolBarBreak(Qt::TopToolBarArea);
    tbQuestionSetupToolBar =
        makeBar(QStringLiteral("出題設定ツールバー"), QStringLiteral("tbQuestionSetupToolBar"));
    cboQuestionType = new QComboBox(tbQuestionSetupToolBar);
    cboQuestionType->setObjectName(QStringLiteral("cboQuestionType"));
    cboQuestionType->addItems(
        {QStringLiteral("英語から日本語へ"), QStringLiteral("日本語から英語へ")});
    cboQuestionType->setAccessibleName(QStringLiteral("出題形式"));
    cboQuestionType->setToolTip(QStringLiteral("出題形式"));
    cboAnswerType = new QComboBox(tbQuestionSetupToolBar);
    cboAnswerType->setObjectName(QStringLiteral("cboAnswerType"));
    cboAnswerType->addItems({QStringLiteral("タイプ形式"), QStringLiteral("３択 （選択形式）"),
                             QStringLiteral("４択 （選択形式）"),
                             QStringLiteral("５択 （選択形式）")});
    cboAnswerType->setAccessibleName(QStringLiteral("解答形式"));
    cboAnswerType->setToolTip(QStringLiteral("解答形式"));
    auto* lblQuestionCount = new QLabel(QStringLiteral("出題数 ： "), tbQuestionSetupToolBar);
    txtQuestionNum = new QLineEdit(tbQuestionSetupToolBar);
    txtQuestionNum->setObjectName(QStringLiteral("txtQuestionNum"));
    txtQuestionNum->setFixedWidth(
        txtQuestionNum->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10);
    txtQuestionNum->setAlignment(Qt::AlignRight);
    lblQuestionCount->setBuddy(txtQuestionNum);
    udQuestionNum = new ui::UpDown(txtQuestionNum, tbQuestionSetupToolBar);
    udQuestionNum->setObjectName(QStringLiteral("udQuestionNum"));
    udQuestionNum->setRange(1, 1000);
    udQuestionNum->setAccessibleName(QStringLiteral("出題数の増減"));
    tbQuestionSetupToolBar->addWidget(cboQuestionType);
    tbQuestionSetupToolBar->addWidget(cboAnswerType);
    tbQuestionSetupToolBar->addWidget(lblQuestionCount);
    tbQuestionSetupToolBar->addWidget(txtQuestionNum);
    tbQuestionSetupToolBar->addWidget(udQuestionNum);
    tbQuestionSetupToolBar->addSeparator();
    tbQuestionSetupToolBar->addAction(actOk);
    cmdOk = toolButton(tbQuestionSetupToolBar, actOk);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setToolButtonStyle(Qt::ToolButtonTextOnly);
    cmdOk->setMinimumWidth(36);
    flatButtons_.append(cmdOk);
    addCloseBox(tbQuestionSetupToolBar);
    tbQuestionSetupToolBar->hide();

    for (QToolBar* bar : {tbStandardToolBar, tbFileToolBar, tbQuestionSetupToolBar})
        bar->toggleViewAction()->setVisible(false);
    connect(tbStandardToolBar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (!visible) tbStandardToolBarClose();
    });
    connect(tbFileToolBar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (!visible) tbFileToolBarClose();
    });
    connect(tbQuestionSetupToolBar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (!visible) tbQuestionSetupToolBarClose();
    });
    // Whether the standard and file toolbars share a row depends on which are shown and
    // docked.
    for (QToolBar* bar : {tbStandardToolBar, tbFileToolBar}) {
        connect(bar, &QToolBar::visibilityChanged, this, &TfrmMain::fitToolBarRows);
        connect(bar, &QToolBar::topLevelChanged, this, &TfrmMain::fitToolBarRows);
    }
}

void TfrmMain::buildCentral() {
    DrillPanel::Links links;
    links.start = actStart;
    links.result = actResult;
    links.stop = actStop;
    links.find = actFind;
    links.playVoice = actPlayVoice;
    links.nextWord = actNextWord;
    links.addVocBook = actAddVocBook;
    links.panelMenu = pmMain;
    links.dataBarMenu = pmToolBar;
    panel_ = new DrillPanel(settings_, *drillShell_, links, this);
    setCentralWidget(panel_);
    // The window sees the keys of its drill controls before they do, whichever has the
    // focus: Enter and the choice digits work also after a click in the question or
    // comment box or a pop-up menu.
    new KeyPreview(this, [this](QWidget* control, QKeyEvent* key) {
        return panel_->previewKey(control, key);
    });
    // The wrong-answers bar is off until the learner turns it on.
    actHazureNum->setChecked(false);
}

void TfrmMain::buildStatusBar() {
    sbInfo = new QStatusBar(this);
    sbInfo->setObjectName(QStringLiteral("sbInfo"));
    setStatusBar(sbInfo);
    // Widths as the window was laid out for, in the program's font: the texts they were
    // made for fit whatever font the desktop gives; a longer dictionary path or plan text
    // is shortened in its middle and shown whole as the panel's tooltip.
    for (int i = 0; i < 4; ++i) {
        auto* panel = new ui::ElidedLabel(sbInfo, i == 0 ? Qt::ElideMiddle : Qt::ElideRight);
        panel->setObjectName(QStringLiteral("sbInfoPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        panel->setIndent(i == 0 ? 3 : 0);
        if (i == 1 || i == 2) {
            panel->setFixedWidth(statusPanelWidth(i));
            panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        } else {
            // Panel 0 asks for its share, panel 3 for the rest; both give way to a
            // narrower window.
            panel->setPreferredWidth(statusPanelWidth(i));
            panel->setMinimumWidth(i == 3 ? statusPanelWidth(i) : 0);
            // The dictionary's name is shown whole where the window has room for it,
            // taking it from the countdown's panel.
            panel->setAsksForWholeText(i == 0);
            panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        }
        sbInfo->addWidget(panel, i == 3 ? 1 : 0);
        sbPanels_[i] = panel;
    }
    sbInfo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sbInfo, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { pmToolBar->popup(sbInfo->mapToGlobal(pos)); });
}

} // namespace qor
