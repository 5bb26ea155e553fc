// The main window's widgets: menus, the three toolbars, the drill's panels, the right
// command panel, the five data bars and the status bar.

#include "app/TfrmMain.h"
#include "app/KeyPreview.h"
#include "app/ToolbarIcons.h"
#include "ui/ActionLink.h"
#include "ui/DataBar.h"
#include "ui/ElidedLabel.h"
#include "ui/Gauge.h"
#include "ui/RadioGroup.h"
#include "ui/UpDown.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor {

namespace {

constexpr int kIcon = 16;

QPlainTextEdit* memo(QWidget* parent, const QString& name) {
    auto* mo = new QPlainTextEdit(parent);
    mo->setReadOnly(true);
    mo->setAccessibleName(name);
    mo->setTabChangesFocus(true);
    mo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return mo;
}

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
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlMain"));
    setCentralWidget(central);

    auto* drill = new QWidget(central);
    lblQuestion = new QLabel(QStringLiteral("次の単語の意味はなに？"), drill);
    moQuestion = memo(drill, QStringLiteral("問題"));
    moQuestion->setObjectName(QStringLiteral("moQuestion"));
    lblQuestion->setBuddy(moQuestion);

    moComment = memo(drill, QStringLiteral("コメント"));
    moComment->setObjectName(QStringLiteral("moComment"));
    // Until the settings are read the panels look as the defaults have them.
    moQuestion->setMinimumHeight(60);
    moComment->setMinimumHeight(50);
    moComment->hide();
    rgAnswer = new ui::RadioGroup(QString(), drill);
    rgAnswer->setObjectName(QStringLiteral("rgAnswer"));
    rgAnswer->setAccessibleName(QStringLiteral("解答の選択肢"));
    rgAnswer->setEnabled(false);
    rgAnswer->hide();
    auto* commentRow = commentRow_ = new QHBoxLayout;
    commentRow->setSpacing(6);
    commentRow->addWidget(moComment, 1);
    commentRow->addWidget(rgAnswer, 1);

    moHatsuon = memo(drill, QStringLiteral("発音記号"));
    moHatsuon->setObjectName(QStringLiteral("moHatsuon"));
    moHatsuon->setFixedHeight(moHatsuon->fontMetrics().height() + 12);
    moHatsuon->hide();

    lblAnswer = new QLabel(QStringLiteral(" の意味は、、、"), drill);
    txtAnswer = new QLineEdit(drill);
    txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    txtAnswer->setAccessibleName(QStringLiteral("解答"));
    auto* answerRow = new QHBoxLayout;
    answerRow->setSpacing(6);
    answerRow->addWidget(lblAnswer);
    answerRow->addWidget(txtAnswer, 1);

    auto* left = drillLayout_ = new QVBoxLayout(drill);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(4);
    // The question and the comment take the height the window has beyond their settings,
    // so that no empty band opens above the data bars.
    left->addWidget(lblQuestion);
    left->addWidget(moQuestion, 3);
    left->addLayout(commentRow, 2);
    left->addWidget(moHatsuon);
    left->addLayout(answerRow);
    fitDrillPanels();

    pnlRightCommandButton = new QWidget(central);
    pnlRightCommandButton->setObjectName(QStringLiteral("pnlRightCommandButton"));
    auto makeButton = [this](const QString& caption, const QString& hint, QAction* action,
                             ToolIcon icon) {
        auto* b = new QPushButton(toolIcon(icon), caption, pnlRightCommandButton);
        b->setToolTip(hint);
        b->setIconSize(QSize(kIcon, kIcon));
        b->setMinimumHeight(28);
        ui::linkButton(b, action);
        return b;
    };
    cmdStart = makeButton(QStringLiteral("始める"), QStringLiteral("さあ、始めましょう"), actStart,
                          ToolIcon::Start);
    cmdResult = makeButton(QStringLiteral("結果"), QStringLiteral("結果は、どうかな？"), actResult,
                           ToolIcon::Result);
    cmdStop = makeButton(QStringLiteral("止める"), QStringLiteral("ギブアップ！"), actStop,
                         ToolIcon::Stop);
    cmdFind =
        makeButton(QStringLiteral("検索"), QStringLiteral("単語の検索"), actFind, ToolIcon::Find);
    cmdPlayVoice = makeButton(QStringLiteral(" 再生"), QStringLiteral("音声の再生"), actPlayVoice,
                              ToolIcon::PlayVoice);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdResult->setObjectName(QStringLiteral("cmdResult"));
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdPlayVoice->setObjectName(QStringLiteral("cmdPlayVoice"));
    auto* right = new QVBoxLayout(pnlRightCommandButton);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(4);
    for (QPushButton* b : {cmdStart, cmdResult, cmdStop, cmdFind, cmdPlayVoice})
        right->addWidget(b);
    right->addStretch(1);
    pnlRightCommandButton->setFixedWidth(96);

    auto* upper = new QHBoxLayout;
    upper->setContentsMargins(6, 6, 6, 4);
    upper->setSpacing(8);
    upper->addWidget(drill, 1);
    upper->addWidget(pnlRightCommandButton);

    auto* all = new QVBoxLayout(central);
    all->setContentsMargins(0, 0, 0, 0);
    all->setSpacing(0);
    all->addLayout(upper, 1);
    auto* rule = new QFrame(central);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    all->addWidget(rule);
    auto* bottom = new QVBoxLayout;
    bottom->setContentsMargins(0, 2, 0, 2);
    bottom->setSpacing(0);
    all->addLayout(bottom);
    buildDataBars(bottom);

    // The window's pop-up: on the drill's panels, not in the answer field (whose own
    // menu edits the text).
    for (QWidget* w : {central, drill, static_cast<QWidget*>(lblQuestion),
                       static_cast<QWidget*>(lblAnswer), static_cast<QWidget*>(moQuestion),
                       static_cast<QWidget*>(moComment), static_cast<QWidget*>(moHatsuon),
                       pnlRightCommandButton, static_cast<QWidget*>(rgAnswer)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { pmMain->popup(w->mapToGlobal(pos)); });
    }
    // The window sees the keys of its drill controls before they do, whichever has the
    // focus: Enter and the choice digits work also after a click in the question or
    // comment box or a pop-up menu. The answer field's input method and shortcut keys
    // are watched apart.
    new KeyPreview(this, [this](QWidget* control, QKeyEvent* key) {
        return previewKey(control, key);
    });
    txtAnswer->installEventFilter(this);
}

void TfrmMain::buildDataBars(QVBoxLayout* bottom) {
    auto make = [&](const QString& caption, const QString& value, const QString& name,
                    QLabel*& valueLabel) {
        auto* bar = new ui::DataBar(caption, value, centralWidget());
        bar->setObjectName(name);
        bar->value->setObjectName(QStringLiteral("lbl") + name.mid(3));
        bar->gauge->setObjectName(QStringLiteral("cg") + name.mid(3));
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bar, &QWidget::customContextMenuRequested, this,
                [this, bar](const QPoint& pos) { pmToolBar->popup(bar->mapToGlobal(pos)); });
        valueLabel = bar->value;
        bottom->addWidget(bar);
        return bar;
    };
    pnlQuestionNum = make(QStringLiteral("出題数 ： "), QStringLiteral(" ： 0 / 0"),
                          QStringLiteral("pnlQuestionNum"), lblQuestionNum);
    pnlAtariNum = make(QStringLiteral("正解数 ： "), QStringLiteral(" ： 0 / 0"),
                       QStringLiteral("pnlAtariNum"), lblAtariNum);
    pnlHazureNum = make(QStringLiteral("不正解数 ： "), QStringLiteral(" ： 0 / 0"),
                        QStringLiteral("pnlHazureNum"), lblHazureNum);
    pnlPercent = make(QStringLiteral("正解率 ： "), QStringLiteral(" ： 0 / 0 ％"),
                      QStringLiteral("pnlPercent"), lblPercent);
    pnlTime = make(QStringLiteral("時間 ： "), QStringLiteral(" ： 0 / 0 秒"),
                   QStringLiteral("pnlTime"), lblTime);
    // The wrong-answers bar is off until the learner turns it on.
    pnlHazureNum->hide();
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
