#include "app/MainToolBars.h"

#include "app/MainMenus.h"
#include "app/TfrmMain.h"
#include "app/ToolbarIcons.h"
#include "ui/UpDown.h"
#include "words/DictionaryPicker.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace qor {

namespace {

constexpr int kIcon = 16;

} // namespace

MainToolBars::MainToolBars(TfrmMain& main, const MainMenus& menus, DictionarySource& dictionaries)
    : main_(main), menus_(menus) {
    build(dictionaries);
}

QToolButton* MainToolBars::toolButton(QToolBar* bar, QAction* action) {
    return qobject_cast<QToolButton*>(bar->widgetForAction(action));
}

void MainToolBars::addCloseBox(QToolBar* bar) {
    // A docked toolbar is closed from the menus; one that floats carries its own box.
    auto* close = new QAction(toolIcon(ToolIcon::Close), QStringLiteral("閉じる"), bar);
    close->setToolTip(QStringLiteral("閉じる"));
    bar->addAction(close);
    close->setVisible(false);
    closeBoxes_.append(close);
    QObject::connect(close, &QAction::triggered, bar, &QToolBar::close);
    QObject::connect(bar, &QToolBar::topLevelChanged, close, &QAction::setVisible);
}

void MainToolBars::build(DictionarySource& dictionaries) {
    auto makeBar = [this](const QString& caption, const QString& name) {
        auto* bar = new QToolBar(caption, &main_);
        bar->setObjectName(name);
        bar->setIconSize(QSize(kIcon, kIcon));
        bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
        bar->setFloatable(true);
        // Buttons side by side without gaps, so that both toolbars fit one row.
        bar->layout()->setSpacing(0);
        main_.addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };

    tbStandardToolBar_ =
        makeBar(QStringLiteral("基本操作ツールバー"), QStringLiteral("tbStandardToolBar"));
    for (QAction* a :
         {menus_.actHelp(), menus_.actSetup(), menus_.actStart(), menus_.actResult(), menus_.actShowGraph(), menus_.actStop(), menus_.actShowPercent(), menus_.actFind(),
          menus_.actShowErrorNum(), menus_.actShowError(), menus_.actVersion(), menus_.actHomepage(), menus_.actPlayVoice(), menus_.actShowHistory()}) {
        tbStandardToolBar_->addAction(a);
        // "NotFlat" raises every button of this toolbar but the voice button.
        if (a != menus_.actPlayVoice()) flatButtons_.append(toolButton(tbStandardToolBar_, a));
    }
    addCloseBox(tbStandardToolBar_);

    tbFileToolBar_ =
        makeBar(QStringLiteral("ファイル操作ツールバー"), QStringLiteral("tbFileToolBar"));
    tbFileToolBar_->addAction(menus_.actSelectDicFile());
    flatButtons_.append(toolButton(tbFileToolBar_, menus_.actSelectDicFile()));

    auto dropDown = [this](QAction* primary, std::initializer_list<QAction*> entries) {
        auto* button = new QToolButton(tbFileToolBar_);
        button->setDefaultAction(primary);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setIconSize(QSize(kIcon, kIcon));
        button->setAutoRaise(true);
        auto* menu = new QMenu(button);
        menu->addActions(entries);
        button->setMenu(menu);
        tbFileToolBar_->addWidget(button);
        flatButtons_.append(button);
        return button;
    };
    cmdPrint_ = dropDown(menus_.actPrintDic(), {menus_.actPrintDic(), menus_.actMakeTest()});
    cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));
    cmdDictionary_ =
        dropDown(menus_.actMakeDic(), {menus_.actMakeDic(), menus_.actEditDic(), menus_.actMakePron(), menus_.actCsvFormat(), menus_.actImport()});
    cmdDictionary_->setObjectName(QStringLiteral("cmdDictionary"));
    for (QAction* a : {menus_.actNewText(), menus_.actByMemo()}) {
        tbFileToolBar_->addAction(a);
        flatButtons_.append(toolButton(tbFileToolBar_, a));
    }
    cboDicFile_ = new DictionaryPicker(dictionaries, tbFileToolBar_);
    // Narrow enough for both toolbars to share a row at the first-start width; a wider
    // window gives it the room.
    cboDicFile_->setMinimumContentsLength(5);
    cboDicFile_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboDicFile_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    cboDicFile_->setAccessibleName(QStringLiteral("使用する辞書"));
    cboDicFile_->setToolTip(QStringLiteral("使用する辞書"));
    tbFileToolBar_->addWidget(cboDicFile_);
    addCloseBox(tbFileToolBar_);

    // The question toolbar sits on the dock's second row.
    main_.addToolBarBreak(Qt::TopToolBarArea);
    tbQuestionSetupToolBar_ =
        makeBar(QStringLiteral("出題設定ツールバー"), QStringLiteral("tbQuestionSetupToolBar"));
    cboQuestionType_ = new QComboBox(tbQuestionSetupToolBar_);
    cboQuestionType_->setObjectName(QStringLiteral("cboQuestionType"));
    cboQuestionType_->addItems(
        {QStringLiteral("英語から日本語へ"), QStringLiteral("日本語から英語へ")});
    cboQuestionType_->setAccessibleName(QStringLiteral("出題形式"));
    cboQuestionType_->setToolTip(QStringLiteral("出題形式"));
    cboAnswerType_ = new QComboBox(tbQuestionSetupToolBar_);
    cboAnswerType_->setObjectName(QStringLiteral("cboAnswerType"));
    cboAnswerType_->addItems({QStringLiteral("タイプ形式"), QStringLiteral("３択 （選択形式）"),
                             QStringLiteral("４択 （選択形式）"),
                             QStringLiteral("５択 （選択形式）")});
    cboAnswerType_->setAccessibleName(QStringLiteral("解答形式"));
    cboAnswerType_->setToolTip(QStringLiteral("解答形式"));
    auto* lblQuestionCount = new QLabel(QStringLiteral("出題数 ： "), tbQuestionSetupToolBar_);
    txtQuestionNum_ = new QLineEdit(tbQuestionSetupToolBar_);
    txtQuestionNum_->setObjectName(QStringLiteral("txtQuestionNum"));
    txtQuestionNum_->setFixedWidth(
        txtQuestionNum_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10);
    txtQuestionNum_->setAlignment(Qt::AlignRight);
    lblQuestionCount->setBuddy(txtQuestionNum_);
    udQuestionNum_ = new ui::UpDown(txtQuestionNum_, tbQuestionSetupToolBar_);
    udQuestionNum_->setObjectName(QStringLiteral("udQuestionNum"));
    udQuestionNum_->setRange(1, 1000);
    udQuestionNum_->setAccessibleName(QStringLiteral("出題数の増減"));
    tbQuestionSetupToolBar_->addWidget(cboQuestionType_);
    tbQuestionSetupToolBar_->addWidget(cboAnswerType_);
    tbQuestionSetupToolBar_->addWidget(lblQuestionCount);
    tbQuestionSetupToolBar_->addWidget(txtQuestionNum_);
    tbQuestionSetupToolBar_->addWidget(udQuestionNum_);
    tbQuestionSetupToolBar_->addSeparator();
    tbQuestionSetupToolBar_->addAction(menus_.actOk());
    cmdOk_ = toolButton(tbQuestionSetupToolBar_, menus_.actOk());
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    cmdOk_->setMinimumWidth(36);
    flatButtons_.append(cmdOk_);
    addCloseBox(tbQuestionSetupToolBar_);
    tbQuestionSetupToolBar_->hide();

    for (QToolBar* bar : {tbStandardToolBar_, tbFileToolBar_, tbQuestionSetupToolBar_})
        bar->toggleViewAction()->setVisible(false);
    TfrmMain* window = &main_;
    QObject::connect(tbStandardToolBar_, &QToolBar::visibilityChanged, window, [window](bool visible) {
        if (!visible) window->tbStandardToolBarClose();
    });
    QObject::connect(tbFileToolBar_, &QToolBar::visibilityChanged, window, [window](bool visible) {
        if (!visible) window->tbFileToolBarClose();
    });
    QObject::connect(tbQuestionSetupToolBar_, &QToolBar::visibilityChanged, window,
                     [window](bool visible) {
                         if (!visible) window->tbQuestionSetupToolBarClose();
                     });
    // Whether the standard and file toolbars share a row depends on which are shown and
    // docked.
    for (QToolBar* bar : {tbStandardToolBar_, tbFileToolBar_}) {
        QObject::connect(bar, &QToolBar::visibilityChanged, window, [this] { fitRows(); });
        QObject::connect(bar, &QToolBar::topLevelChanged, window, [this] { fitRows(); });
    }
}

void MainToolBars::fitRows() {
    // A larger desktop font or a roomier style makes the two toolbars wider than the
    // window: the file toolbar then takes a row of its own rather than hide the dictionary
    // list behind its overflow arrow, and comes back when the window is wide enough.
    if (fileToolBarBreak_ && !main_.toolBarBreak(tbFileToolBar_))
        fileToolBarBreak_ = false;  // the learner has moved it since
    const bool shareRow = !tbStandardToolBar_->isHidden() && !tbFileToolBar_->isHidden() &&
                          !tbStandardToolBar_->isFloating() && !tbFileToolBar_->isFloating() &&
                          main_.toolBarArea(tbStandardToolBar_) ==
                              main_.toolBarArea(tbFileToolBar_);
    const int needed =
        tbStandardToolBar_->sizeHint().width() + tbFileToolBar_->sizeHint().width();
    const bool fits = needed <= main_.width();
    if (!fileToolBarBreak_ && shareRow && !fits && !main_.toolBarBreak(tbFileToolBar_)) {
        main_.insertToolBarBreak(tbFileToolBar_);
        fileToolBarBreak_ = true;
    } else if (fileToolBarBreak_ && (fits || !shareRow)) {
        main_.removeToolBarBreak(tbFileToolBar_);
        fileToolBarBreak_ = false;
    }
}

void MainToolBars::putQuestionBarOnSecondRow() {
    main_.removeToolBar(tbQuestionSetupToolBar_);
    main_.addToolBarBreak(Qt::TopToolBarArea);
    main_.addToolBar(Qt::TopToolBarArea, tbQuestionSetupToolBar_);
}

void MainToolBars::setFlat(bool flat) {
    for (QToolButton* b : flatButtons_)
        b->setAutoRaise(flat);
}

} // namespace qor
