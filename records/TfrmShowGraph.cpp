#include "records/TfrmShowGraph.h"

#include "base/Clock.h"
#include "records/GraphView.h"
#include "records/WindowParts.h"
#include "ui/DataLabel.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/RadioGroup.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {

// A short line in the colour of a view, in front of its legend label.
QLabel* legendSample(int view, QWidget* parent) {
    const qreal dpr = parent->devicePixelRatioF();
    QPixmap pixmap(QSize(28, 12) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(graphColour(view), 2));
    p.drawLine(2, 6, 26, 6);
    p.end();
    auto* sample = new QLabel(parent);
    sample->setPixmap(pixmap);
    return sample;
}

} // namespace

TfrmShowGraph::TfrmShowGraph(UserFiles user, PathSettings files, int recentSlot, QWidget* parent)
    : QDialog(parent), user_(std::move(user)), files_(std::move(files)), recentSlot_(recentSlot) {
    setWindowTitle(QStringLiteral("正解率のグラフ表示"));
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    imgGraph = new GraphView(graph_, this);
    imgGraph->setObjectName(QStringLiteral("imgGraph"));
    imgGraph->setAccessibleName(QStringLiteral("正解率のグラフ"));
    auto* graphFrame = new QFrame(this);
    graphFrame->setFrameShape(QFrame::StyledPanel);
    graphFrame->setFrameShadow(QFrame::Sunken);
    auto* graphLayout = new QVBoxLayout(graphFrame);
    graphLayout->setContentsMargins(1, 1, 1, 1);
    graphLayout->addWidget(imgGraph);

    // The legend: six line samples with the labels lblOne ... lblSix.
    auto* legend = new QGroupBox(QStringLiteral("凡例"), this);
    auto* legendGrid = new QGridLayout(legend);
    legendGrid->setVerticalSpacing(6);
    static const char* names[kGraphViews] = {"lblOne", "lblTwo",  "lblThree",
                                             "lblFour", "lblFive", "lblSix"};
    for (int i = 0; i < kGraphViews; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        legendLabels_[k] = new QLabel(legend);
        legendLabels_[k]->setObjectName(QString::fromLatin1(names[i]));
        legendLabels_[k]->setTextFormat(Qt::PlainText);
        legendLabels_[k]->setMinimumWidth(150);
        ui::showsData(legendLabels_[k], QStringLiteral("凡例 %1").arg(i + 1));
        legendGrid->addWidget(legendSample(i, legend), i, 0);
        legendGrid->addWidget(legendLabels_[k], i, 1);
    }
    legendGrid->setColumnStretch(1, 1);
    legendGrid->setRowStretch(kGraphViews, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(graphFrame, 0, Qt::AlignTop);
    top->addWidget(legend, 1);

    QGroupBox* gbData = dataChoiceGroup(this, dictionaries_, &cboDicFile, &cboYear);

    rgGraphType = new ui::RadioGroup(QStringLiteral("表示するグラフの種類"), this);
    rgGraphType->setObjectName(QStringLiteral("rgGraphType"));
    rgGraphType->setItems({QStringLiteral("学習ごとの正解率"), QStringLiteral("毎月ごとの正解率")});

    auto* middle = new QHBoxLayout;
    middle->addWidget(gbData, 1);
    middle->addWidget(rgGraphType);

    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    cmdView = new QPushButton(QStringLiteral("表示 (&V)"), this);
    cmdView->setObjectName(QStringLiteral("cmdView"));
    cmdView->setDefault(true);
    auto* buttons = ui::buttonRow({cmdView, cmdClose});

    auto* body = new QVBoxLayout;
    body->addLayout(top);
    body->addLayout(middle);
    body->addLayout(buttons);

    layOutToolWindow(this, QStringLiteral("ここでは、正解率をグラフで表示します"), body, true);
    showLegends();
    onFirstShow(this, [this] { FormShow(); });
    connect(rgGraphType, &ui::RadioGroup::itemChosen, this, &TfrmShowGraph::rgGraphTypeClick);
    connect(cmdView, &QPushButton::clicked, this, &TfrmShowGraph::cmdViewClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmShowGraph::cmdCloseClick);
}

void TfrmShowGraph::FormShow() {
    cboDicFile->showListed(files_.DicInUse);
    fillYearCombo(cboYear, programClock().now().year);
    rgGraphType->setItemIndex(0);
    chooseType(GraphType::PerDrill);
}

void TfrmShowGraph::rgGraphTypeClick() {
    const GraphType type = rgGraphType->itemIndex() == 1 ? GraphType::PerMonth : GraphType::PerDrill;
    // A click on the type already shown keeps its lines.
    if (type != graph_.type())
        chooseType(type);
}

void TfrmShowGraph::chooseType(GraphType type) {
    graph_.chooseType(type, recentSlot_, programClock().now().month);
    imgGraph->refresh();
    showLegends();
}

void TfrmShowGraph::cmdViewClick() {
    const std::optional<std::string> dicFileName = cboDicFile->typedName();
    if (!dicFileName)
        return;
    FileStatus status =
        graph_.view(user_.folder(), *dicFileName, cboYear->currentText().toStdString());
    if (!status) {
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    imgGraph->refresh();
    showLegends();
}

void TfrmShowGraph::showLegends() {
    for (std::size_t i = 0; i < legendLabels_.size(); ++i)
        legendLabels_[i]->setText(ui::toQ(graph_.legends()[i]));
}

void TfrmShowGraph::cmdCloseClick() {
    accept();
}

} // namespace qor
