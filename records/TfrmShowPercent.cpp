#include "records/TfrmShowPercent.h"

#include "base/Clock.h"
#include "base/IniFile.h"
#include "records/PercentTable.h"
#include "records/WindowParts.h"
#include "ui/Fonts.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <utility>

namespace qor {

TfrmShowPercent::TfrmShowPercent(UserFiles user, PathSettings files, QWidget* parent)
    : QDialog(parent), files_(std::move(files)), user_(std::move(user)) {
    setWindowTitle(QStringLiteral("正解率の表示"));
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    table_ = new PercentTable(this);
    lstData = new QTreeView(this);
    lstData->setObjectName(QStringLiteral("lstData"));
    lstData->setModel(table_);
    lstData->setAccessibleName(QStringLiteral("単語毎の正解率"));
    lstData->setRootIsDecorated(false);
    lstData->setItemsExpandable(false);
    // Rows of one height let the view place any row without measuring the others.
    lstData->setUniformRowHeights(true);
    lstData->setAllColumnsShowFocus(true);
    lstData->setAlternatingRowColors(true);
    lstData->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstData->setSelectionMode(QAbstractItemView::SingleSelection);
    lstData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstData->header()->setSectionsMovable(false);
    lstData->header()->setStretchLastSection(false);
    // A click on a column title sorts by that column too; the list starts in file order.
    lstData->header()->setSortIndicator(-1, Qt::AscendingOrder);
    lstData->setSortingEnabled(true);
    const QFontMetrics metrics(lstData->font());
    const int digits = metrics.horizontalAdvance(QStringLiteral("0000000"));
    lstData->setColumnWidth(0, metrics.horizontalAdvance(QLatin1Char('M')) * 14);
    lstData->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("日本語")) * 4);
    for (int c = 2; c < 6; ++c)
        lstData->setColumnWidth(c, std::max(digits, metrics.horizontalAdvance(QStringLiteral("出題数")) + 24));
    lstData->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    lstData->setMinimumSize(560, 200);

    QGroupBox* gbData = dataChoiceGroup(this, dictionaries_, &cboDicFile, &cboYear);

    // What counts as mastered.
    auto* gbMastery = new QGroupBox(QStringLiteral("『習得済み』の条件"), this);
    rbByAtariNum = new QRadioButton(QStringLiteral("正解数で指定"), gbMastery);
    rbByAtariNum->setObjectName(QStringLiteral("rbByAtariNum"));
    rbByPercent = new QRadioButton(QStringLiteral("正解率で指定"), gbMastery);
    rbByPercent->setObjectName(QStringLiteral("rbByPercent"));
    auto* modes = new QButtonGroup(this);
    modes->addButton(rbByAtariNum);
    modes->addButton(rbByPercent);
    lblValueHead = new QLabel(gbMastery);
    lblValueHead->setObjectName(QStringLiteral("lblValueHead"));
    txtValue = new QLineEdit(gbMastery);
    txtValue->setObjectName(QStringLiteral("txtValue"));
    txtValue->setAlignment(Qt::AlignRight);
    txtValue->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("00000")) + 12);
    valueRange_ = new QIntValidator(1, MasteryThresholds::kMaxRightCount, txtValue);
    txtValue->setValidator(valueRange_);
    txtValue->setAccessibleName(QStringLiteral("習得済みの条件の値"));
    lblValueHead->setBuddy(txtValue);
    udValue = new ui::UpDown(txtValue, gbMastery);
    udValue->setObjectName(QStringLiteral("udValue"));
    lblValueTail = new QLabel(gbMastery);
    lblValueTail->setObjectName(QStringLiteral("lblValueTail"));
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(rbByAtariNum);
    modeRow->addSpacing(12);
    modeRow->addWidget(rbByPercent);
    modeRow->addStretch(1);
    auto* valueRow = new QHBoxLayout;
    valueRow->setSpacing(2);
    valueRow->addWidget(lblValueHead);
    valueRow->addWidget(txtValue);
    valueRow->addWidget(udValue);
    valueRow->addWidget(lblValueTail);
    valueRow->addStretch(1);
    auto* masteryLayout = new QVBoxLayout(gbMastery);
    masteryLayout->addLayout(modeRow);
    masteryLayout->addLayout(valueRow);

    // The mastery count and its gauge.
    lblAchieve = new QLabel(this);
    lblAchieve->setObjectName(QStringLiteral("lblAchieve"));
    cgAchieve = new QProgressBar(this);
    cgAchieve->setObjectName(QStringLiteral("cgAchieve"));
    cgAchieve->setTextVisible(false);
    cgAchieve->setFixedHeight(16);
    cgAchieve->setMinimumWidth(220);
    cgAchieve->setAccessibleName(QStringLiteral("辞書の習得数"));
    lblAchieve->setBuddy(cgAchieve);

    cmdView = new QPushButton(QStringLiteral("表示 (&V)"), this);
    cmdView->setObjectName(QStringLiteral("cmdView"));
    cmdView->setDefault(true);
    cmdSort = new QPushButton(QStringLiteral("ソート (&S)"), this);
    cmdSort->setObjectName(QStringLiteral("cmdSort"));
    cmdSort->setAutoDefault(false);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);

    auto* groups = new QHBoxLayout;
    groups->addWidget(gbData, 1);
    groups->addWidget(gbMastery, 1);

    auto* achieve = new QVBoxLayout;
    achieve->setSpacing(2);
    achieve->addWidget(lblAchieve);
    achieve->addWidget(cgAchieve);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(achieve, 1);
    bottom->addSpacing(16);
    bottom->addWidget(cmdView, 0, Qt::AlignBottom);
    bottom->addWidget(cmdSort, 0, Qt::AlignBottom);
    bottom->addWidget(cmdClose, 0, Qt::AlignBottom);

    auto* body = new QVBoxLayout;
    body->setSpacing(8);
    body->addWidget(lstData, 1);
    body->addLayout(groups);
    body->addLayout(bottom);

    layOutToolWindow(this, QStringLiteral("ここでは、単語毎の正解率と、辞書全体の習得率を表示します"),
                     body, false);
    resize(660, 560);
    onFirstShow(this, [this] { FormShow(); });

    connect(cmdView, &QPushButton::clicked, this, &TfrmShowPercent::cmdViewClick);
    connect(cmdSort, &QPushButton::clicked, this, &TfrmShowPercent::cmdSortClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmShowPercent::cmdCloseClick);
    ui::onToggled(rbByAtariNum, this, &TfrmShowPercent::rbByAtariNumClick);
    ui::onToggled(rbByPercent, this, &TfrmShowPercent::rbByPercentClick);
}

void TfrmShowPercent::FormShow() {
    cboDicFile->showListed(files_.DicInUse);
    thresholds_ = MasteryThresholds::read(user_.setupIni());
    fillYearCombo(cboYear, programClock().now().year);
    emptyView();
    ui::setSwitch(rbByAtariNum, true);
}

void TfrmShowPercent::emptyView() {
    table_->clear();
    lstData->header()->setSortIndicator(-1, Qt::AscendingOrder);
    cgAchieve->setRange(0, 1);
    cgAchieve->setValue(0);
    lblAchieve->clear();
}

void TfrmShowPercent::showMode(MasteryRule rule) {
    rule_ = rule;
    const bool byRight = rule == MasteryRule::ByRightCount;
    lblValueHead->setText(byRight ? QStringLiteral("正解数が、") : QStringLiteral("正解率が、"));
    lblValueTail->setText(byRight ? QStringLiteral(" 回以上は習得済み")
                                  : QStringLiteral(" ％以上は習得済み"));
    const int maximum = byRight ? MasteryThresholds::kMaxRightCount : MasteryThresholds::kMaxPercent;
    udValue->setRange(1, maximum);
    valueRange_->setRange(1, maximum);
    txtValue->setText(QString::number(byRight ? thresholds_.byRightCount : thresholds_.byPercent));
}

void TfrmShowPercent::rbByAtariNumClick() {
    showMode(MasteryRule::ByRightCount);
}

void TfrmShowPercent::rbByPercentClick() {
    showMode(MasteryRule::ByPercent);
}

void TfrmShowPercent::cmdViewClick() {
    // The threshold of the active mode is the number in the field.
    const int maximum = udValue->maximum();
    const std::optional<long long> typed = parseDecimal(txtValue->text().toStdString());
    if (!typed || *typed < 1 || *typed > maximum) {
        ui::platform().showNotice(
            this,
            QStringLiteral("『習得済み』の条件には、1 から %1 までの数を入力してください。").arg(maximum),
            QStringLiteral("エラー"), ui::kNoticeWarning);
        txtValue->setFocus();
        txtValue->selectAll();
        return;
    }
    const std::optional<std::string> dicFileName = cboDicFile->typedName();
    if (!dicFileName)
        return;
    emptyView();
    const int threshold = static_cast<int>(*typed);
    (rule_ == MasteryRule::ByRightCount ? thresholds_.byRightCount : thresholds_.byPercent) = threshold;

    PercentList list = readPercentList(user_.folder(), *dicFileName,
                                       cboYear->currentText().toStdString(), rule_, threshold);
    if (!list.status) {
        ui::showFileError(this, list.status.path(), list.status.reason());
        return;
    }
    const int words = static_cast<int>(std::min<std::size_t>(list.words, static_cast<std::size_t>(INT_MAX)));
    table_->setRows(std::move(list.rows));
    // A dictionary without lines (or not found) shows an empty gauge, not a busy one.
    cgAchieve->setRange(0, std::max(words, 1));
    cgAchieve->setValue(words > 0 ? std::min(list.mastered, words) : 0);
    lblAchieve->setText(QStringLiteral("習得数 ： %1 / %2").arg(list.mastered).arg(words));
}

void TfrmShowPercent::cmdSortClick() {
    lstData->sortByColumn(static_cast<int>(PercentColumn::English), Qt::AscendingOrder);
}

void TfrmShowPercent::cmdCloseClick() {
    if (FileStatus status = thresholds_.write(user_.setupIni()); !status)
        ui::showFileError(this, status.path(), status.reason());
    accept();
}

} // namespace qor
