#include "tools/TfrmCustomQuestion.h"
#include "ui/DialogFrame.h"
#include "ui/GaugeProgress.h"
#include "ui/Panels.h"

#include "base/Clock.h"
#include "tools/CustomQuestionTable.h"
#include "tools/ToolDialogs.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace qor {

namespace {

DateTexts now() {
    return DateTexts::of(programClock().now());
}

} // namespace

TfrmCustomQuestion::TfrmCustomQuestion(CustomQuestionList& list,
                                       std::vector<std::string>& customLines,
                                       std::string dictionaryPath, std::string userFolder,
                                       QWidget* parent)
    : QDialog(parent), list_(list), customLines_(customLines),
      dictionaryPath_(std::move(dictionaryPath)), userFolder_(std::move(userFolder)) {
    setWindowTitle(QStringLiteral("出題する単語の選択"));
    // Fixed size and no frame buttons: the window is left with OK or Cancel only.
    ui::setDialogFrame(this, false);

    auto* prompt = new QLabel(QStringLiteral("出題させたい単語をチェックしてください"), this);

    table_ = new CustomQuestionTable(list_, this);
    lstData = new QTableView(this);
    lstData->setModel(table_);
    lstData->setAccessibleName(QStringLiteral("出題させたい単語"));
    prompt->setBuddy(lstData);
    lstData->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstData->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstData->setSortingEnabled(false);
    lstData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstData->setWordWrap(false);
    lstData->verticalHeader()->hide();
    // Rows of one height let the view place any row without measuring the others.
    lstData->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstData->verticalHeader()->setDefaultSectionSize(lstData->fontMetrics().height() + 6);
    lstData->horizontalHeader()->setSectionsClickable(false);
    lstData->horizontalHeader()->setHighlightSections(false);
    const int widths[] = {150, 150, 170, 56, 56, 56};
    for (int c = 0; c < CustomQuestionTable::ColumnCount; ++c)
        lstData->setColumnWidth(c, widths[c]);
    lstData->horizontalHeader()->setStretchLastSection(true);
    lstData->setMinimumSize(680, 300);
    lstData->setContextMenuPolicy(Qt::CustomContextMenu);

    pmData = new QMenu(this);
    cmdSelect = pmData->addAction(QStringLiteral("選択 (&N)"));
    cmdUnSelect = pmData->addAction(QStringLiteral("解除 (&P)"));

    // The five rule rows.
    auto* rulesGrid = new QGridLayout;
    rulesGrid->setHorizontalSpacing(6);
    rulesGrid->setVerticalSpacing(4);
    struct RuleDef {
        const char* lead;
        QSpinBox** number;
        int start;
        int maximum;
        const char* unit;
        QComboBox** compare;
        QPushButton** select;
        const char* selectText;
        QPushButton** reset;
        const char* resetText;
        CustomRule rule;
    };
    const RuleDef defs[] = {
        {"出題数が、", &txtQuestionNum, 0, 1000, "回", &cboType_1, &cmdQuestionNum, "選択 (&Q)",
         &cmdResetQuestionNum, "解除 (&W)", CustomRule::Asked},
        {"正解数が、", &txtAtariNum, 0, 1000, "回", &cboType_2, &cmdAtariNum, "選択 (&E)", &Button4,
         "解除 (&R)", CustomRule::Right},
        {"正解率が、", &txtPercent, 50, 100, "％", &cboType_3, &cmdPercent, "選択 (&T)",
         &cmdResetPercent, "解除 (&Y)", CustomRule::Percent},
        {"今日の不正解数が、", &txtDayErrorNum, 0, 1000, "回", &cboType_4, &cmdDayError,
         "選択 (&U)", &cmdResetDayError, "解除 (&I)", CustomRule::DayErrors},
        {"今月の不正解数が、", &txtMonthErrorNum, 0, 1000, "回", &cboType_5, &cmdMonthError,
         "選択 (&Z)", &cmdResetMonthError, "解除 (&X)", CustomRule::MonthErrors},
    };
    int row = 0;
    for (const RuleDef& d : defs) {
        auto* lead = new QLabel(QString::fromUtf8(d.lead), this);
        auto* number = new QSpinBox(this);
        number->setRange(0, d.maximum);
        number->setValue(d.start);
        number->setMinimumWidth(70);
        lead->setBuddy(number);
        auto* compare = new QComboBox(this);
        compare->addItem(QStringLiteral("以上"));
        compare->addItem(QStringLiteral("以下"));
        compare->setAccessibleName(QString::fromUtf8(d.lead) + QStringLiteral(" 以上／以下"));
        auto* select = new QPushButton(QString::fromUtf8(d.selectText), this);
        auto* reset = new QPushButton(QString::fromUtf8(d.resetText), this);
        select->setAutoDefault(false);
        reset->setAutoDefault(false);
        *d.number = number;
        *d.compare = compare;
        *d.select = select;
        *d.reset = reset;
        rulesGrid->addWidget(lead, row, 0, Qt::AlignRight);
        rulesGrid->addWidget(number, row, 1);
        rulesGrid->addWidget(new QLabel(QString::fromUtf8(d.unit), this), row, 2);
        rulesGrid->addWidget(compare, row, 3);
        rulesGrid->addWidget(new QLabel(QStringLiteral("の単語を、"), this), row, 4);
        rulesGrid->addWidget(select, row, 5);
        rulesGrid->addWidget(reset, row, 6);
        rulesGrid->addWidget(new QLabel(QStringLiteral("する。"), this), row, 7);
        rules_.push_back({number, compare, d.rule});
        ++row;
    }
    rulesGrid->setColumnStretch(8, 1);

    pbProgress = ui::progressGauge(this, QStringLiteral("pbProgress"),
                                   QStringLiteral("単語の一覧の読み込みと保存"));

    cmdAllSelect = new QPushButton(QStringLiteral("全て選択 (&A)"), this);
    cmdAllDisSelect = new QPushButton(QStringLiteral("全て解除 (&S)"), this);
    cmdSave = new QPushButton(QStringLiteral("保存 (&F)"), this);
    cmdSave->setToolTip(QStringLiteral("チェックされた単語をファイルに保存する"));
    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    Button14 = new QPushButton(QStringLiteral("キャンセル (&C)"), this);
    for (QPushButton* b : {cmdAllSelect, cmdAllDisSelect, cmdSave, Button14})
        b->setAutoDefault(false);
    cmdOk->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(cmdAllSelect);
    buttons->addWidget(cmdAllDisSelect);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addSpacing(12);
    buttons->addWidget(cmdOk);
    buttons->addWidget(Button14);

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    status->setContentsMargins(8, 0, 8, 0);
    sbPath = new QLabel(this);
    sbCount = new QLabel(this);
    sbCount->setMinimumWidth(130);
    status->addWidget(sbPath, 1);
    status->addPermanentWidget(sbCount);

    // Every control is found by the name of its member.
    const std::pair<QObject*, const char*> names[] = {
        {lstData, "lstData"},
        {pmData, "pmData"},
        {cmdSelect, "cmdSelect"},
        {cmdUnSelect, "cmdUnSelect"},
        {txtQuestionNum, "txtQuestionNum"},
        {txtAtariNum, "txtAtariNum"},
        {txtPercent, "txtPercent"},
        {txtDayErrorNum, "txtDayErrorNum"},
        {txtMonthErrorNum, "txtMonthErrorNum"},
        {cboType_1, "cboType_1"},
        {cboType_2, "cboType_2"},
        {cboType_3, "cboType_3"},
        {cboType_4, "cboType_4"},
        {cboType_5, "cboType_5"},
        {cmdQuestionNum, "cmdQuestionNum"},
        {cmdResetQuestionNum, "cmdResetQuestionNum"},
        {cmdAtariNum, "cmdAtariNum"},
        {Button4, "Button4"},
        {cmdPercent, "cmdPercent"},
        {cmdResetPercent, "cmdResetPercent"},
        {cmdDayError, "cmdDayError"},
        {cmdResetDayError, "cmdResetDayError"},
        {cmdMonthError, "cmdMonthError"},
        {cmdResetMonthError, "cmdResetMonthError"},
        {cmdAllSelect, "cmdAllSelect"},
        {cmdAllDisSelect, "cmdAllDisSelect"},
        {cmdSave, "cmdSave"},
        {cmdOk, "cmdOk"},
        {Button14, "Button14"},
        {sbPath, "sbPath"},
        {sbCount, "sbCount"},
    };
    for (const auto& [control, name] : names)
        control->setObjectName(QString::fromLatin1(name));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 4);
    body->addWidget(prompt);
    body->addWidget(lstData, 1);
    body->addLayout(rulesGrid);
    body->addWidget(pbProgress);
    body->addLayout(buttons);

    ui::layOutUnderHeading(
        this, ui::banner(QStringLiteral("ここでは、出題させる単語の指定を行います。"), this), body,
        status, ui::WindowSize::Fixed);

    connect(table_, &CustomQuestionTable::tickToggled, this, &TfrmCustomQuestion::lstDataClick);
    connect(lstData, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmData->popup(lstData->viewport()->mapToGlobal(at)); });
    connect(cmdSelect, &QAction::triggered, this, &TfrmCustomQuestion::cmdSelectClick);
    connect(cmdUnSelect, &QAction::triggered, this, &TfrmCustomQuestion::cmdUnSelectClick);
    connect(cmdAllSelect, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdAllSelectClick);
    connect(cmdAllDisSelect, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdAllDisSelectClick);
    connect(cmdQuestionNum, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdQuestionNumClick);
    connect(cmdResetQuestionNum, &QPushButton::clicked, this,
            &TfrmCustomQuestion::cmdResetQuestionNumClick);
    connect(cmdAtariNum, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdAtariNumClick);
    connect(Button4, &QPushButton::clicked, this, &TfrmCustomQuestion::Button4Click);
    connect(cmdPercent, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdPercentClick);
    connect(cmdResetPercent, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdResetPercentClick);
    connect(cmdDayError, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdDayErrorClick);
    connect(cmdResetDayError, &QPushButton::clicked, this,
            &TfrmCustomQuestion::cmdResetDayErrorClick);
    connect(cmdMonthError, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdMonthErrorClick);
    connect(cmdResetMonthError, &QPushButton::clicked, this,
            &TfrmCustomQuestion::cmdResetMonthErrorClick);
    connect(cmdSave, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdSaveClick);
    connect(cmdOk, &QPushButton::clicked, this, &TfrmCustomQuestion::cmdOkClick);
    connect(Button14, &QPushButton::clicked, this, &TfrmCustomQuestion::Button14Click);

    showCount();
}

bool TfrmCustomQuestion::FormShow(const std::function<void(int)>& progress) {
    if (!list_.builtFor(dictionaryPath_)) {
        resetCombos();
        FileStatus status = list_.load(dictionaryPath_, userFolder_, now(), progress);
        table_->reload();
        if (!status) {
            ui::showFileError(parentWidget(), status.path(), status.reason());
            return false;
        }
    }
    sbPath->setText(ui::toQ(list_.dictionaryPath()));
    showCount();
    return true;
}

void TfrmCustomQuestion::resetCombos() {
    for (const RuleRow& r : rules_)
        r.compare->setCurrentIndex(r.rule == CustomRule::Percent ? 1 : 0);
}

void TfrmCustomQuestion::showCount() {
    sbCount->setText(QStringLiteral("選択数 : %1 個").arg(list_.tickedCount()));
}

std::vector<int> TfrmCustomQuestion::highlightedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& i : lstData->selectionModel()->selectedRows())
        rows.push_back(i.row());
    return rows;
}

void TfrmCustomQuestion::lstDataClick() {
    showCount();
}

void TfrmCustomQuestion::cmdSelectClick() {
    list_.tickRows(highlightedRows(), true);
    table_->ticksChanged();
    showCount();
}

void TfrmCustomQuestion::cmdUnSelectClick() {
    list_.tickRows(highlightedRows(), false);
    table_->ticksChanged();
    showCount();
}

void TfrmCustomQuestion::cmdAllSelectClick() {
    list_.tickAll(true);
    table_->ticksChanged();
    showCount();
}

void TfrmCustomQuestion::cmdAllDisSelectClick() {
    list_.tickAll(false);
    table_->ticksChanged();
    showCount();
}

void TfrmCustomQuestion::applyRule(const RuleRow& row, bool select) {
    ui::GaugeProgress gauge(pbProgress);
    gauge.start(list_.size());
    auto progress = [&gauge](int done) { done > 0 ? gauge.step(done) : gauge.end(); };
    const RuleCompare compare =
        row.compare->currentIndex() == 1 ? RuleCompare::AtMost : RuleCompare::AtLeast;
    list_.applyRule(row.rule, compare, row.number->value(), select, userFolder_, now(), progress);
    gauge.end();
    table_->ticksChanged();
    showCount();
}

void TfrmCustomQuestion::cmdQuestionNumClick() {
    applyRule(rules_[0], true);
}

void TfrmCustomQuestion::cmdResetQuestionNumClick() {
    applyRule(rules_[0], false);
}

void TfrmCustomQuestion::cmdAtariNumClick() {
    applyRule(rules_[1], true);
}

void TfrmCustomQuestion::Button4Click() {
    applyRule(rules_[1], false);
}

void TfrmCustomQuestion::cmdPercentClick() {
    applyRule(rules_[2], true);
}

void TfrmCustomQuestion::cmdResetPercentClick() {
    applyRule(rules_[2], false);
}

void TfrmCustomQuestion::cmdDayErrorClick() {
    applyRule(rules_[3], true);
}

void TfrmCustomQuestion::cmdResetDayErrorClick() {
    applyRule(rules_[3], false);
}

void TfrmCustomQuestion::cmdMonthErrorClick() {
    applyRule(rules_[4], true);
}

void TfrmCustomQuestion::cmdResetMonthErrorClick() {
    applyRule(rules_[4], false);
}

void TfrmCustomQuestion::cmdSaveClick() {
    QString chosen = ui::platform().saveFileName(this, QStringLiteral("保存"),
                                                 QStringLiteral("テキストファイル (*.txt)|*.txt"),
                                                 QStringLiteral("txt"), QString(),
                                                 ui::SaveMode::Append);
    if (chosen.isEmpty())
        return;
    auto path = ui::fromQOrWarn(this, chosen);
    if (!path)
        return;
    pbProgress->setMaximum(1);
    pbProgress->setValue(1);
    FileStatus status = list_.appendTicked(*path);
    pbProgress->setValue(0);
    if (!status)
        ui::showOpenForSaveFailure(this, status.path(), status.reason());
}

void TfrmCustomQuestion::cmdOkClick() {
    if (list_.tickedCount() == 0) {
        // The drill keeps the list it had: only a list with words replaces it.
        ui::platform().showMessage(this, QStringLiteral("チェックされている単語がありません。"));
        return;
    }
    customLines_ = list_.tickedLines();
    chosenCount_ = static_cast<int>(customLines_.size());
    accept();
}

void TfrmCustomQuestion::Button14Click() {
    QDialog::reject();
}

void TfrmCustomQuestion::reject() {
    Button14Click();
}

} // namespace qor
