#include "records/TfrmShowHistory.h"

#include "base/Clock.h"
#include "base/TextFile.h"
#include "records/WindowParts.h"
#include "ui/Fonts.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qor {

TfrmShowHistory::TfrmShowHistory(std::vector<HistoryDrill> drills, UserFiles user,
                                 PathSettings files, QWidget* parent)
    : QDialog(parent), drills_(std::move(drills)), rows_(historyRows(drills_)),
      user_(std::move(user)), files_(std::move(files)) {
    setWindowTitle(QStringLiteral("学習履歴の表示"));
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    auto* note = new QLabel(QStringLiteral("表示されるのは10回分のみです。"
                                           "10回以上の場合は、古いものから削除されます。"),
                            this);
    note->setWordWrap(true);

    lstHistory = new QTreeWidget(this);
    lstHistory->setObjectName(QStringLiteral("lstHistory"));
    lstHistory->setAccessibleName(QStringLiteral("学習履歴"));
    note->setBuddy(lstHistory);
    const QStringList titles{QStringLiteral("No."),    QStringLiteral("開始時間"),
                             QStringLiteral("終了時間"), QStringLiteral("使用辞書"),
                             QStringLiteral("出題数"),   QStringLiteral("正解数"),
                             QStringLiteral("不正解数"), QStringLiteral("正解率")};
    lstHistory->setColumnCount(static_cast<int>(titles.size()));
    lstHistory->setHeaderLabels(titles);
    lstHistory->setRootIsDecorated(false);
    lstHistory->setUniformRowHeights(true);
    lstHistory->setAllColumnsShowFocus(true);
    lstHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    lstHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstHistory->header()->setSectionsMovable(false);
    lstHistory->header()->setStretchLastSection(false);
    const QFontMetrics metrics(lstHistory->font());
    const int pad = 20;
    const int widths[] = {metrics.horizontalAdvance(QStringLiteral("No.10")) + pad,
                          metrics.horizontalAdvance(QStringLiteral("00：00：00")) + pad,
                          metrics.horizontalAdvance(QStringLiteral("00：00：00")) + pad,
                          metrics.horizontalAdvance(QStringLiteral("M")) * 16,
                          metrics.horizontalAdvance(QStringLiteral("出題数")) + pad,
                          metrics.horizontalAdvance(QStringLiteral("正解数")) + pad,
                          metrics.horizontalAdvance(QStringLiteral("不正解数")) + pad,
                          metrics.horizontalAdvance(QStringLiteral("正解率")) + pad};
    int total = 0;
    for (int c = 0; c < lstHistory->columnCount(); ++c) {
        lstHistory->setColumnWidth(c, widths[c]);
        total += widths[c];
    }
    lstHistory->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    lstHistory->setMinimumWidth(total + 2 * lstHistory->frameWidth());
    lstHistory->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    chkHint = new QCheckBox(
        QStringLiteral("選択した学習時に間違えた問題をヒントで表示する （クリックで表示） (&H)"), this);
    chkHint->setObjectName(QStringLiteral("chkHint"));

    cmdSave = new QPushButton(QStringLiteral("保存 (&S)"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setToolTip(QStringLiteral("ファイルに保存"));
    cmdSave->setAutoDefault(false);
    pmSave = new QMenu(cmdSave);
    mnuNormalSave = pmSave->addAction(QStringLiteral("通常に保存 (&N)"));
    mnuNormalSave->setObjectName(QStringLiteral("mnuNormalSave"));
    mnuCsvSave = pmSave->addAction(QStringLiteral("CSV形式で保存 (&V)"));
    mnuCsvSave->setObjectName(QStringLiteral("mnuCsvSave"));
    cmdSave->setMenu(pmSave);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkHint);
    buttons->addStretch(1);
    buttons->addSpacing(12);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);

    auto* body = new QVBoxLayout;
    body->addWidget(note);
    body->addWidget(lstHistory, 1);
    body->addLayout(buttons);

    layOutToolWindow(this, QStringLiteral("ここには、起動後から10回分の学習履歴が表示されます"), body,
                     true);
    onFirstShow(this, [this] { FormShow(); });

    connect(lstHistory, &QTreeWidget::itemSelectionChanged, this, &TfrmShowHistory::lstHistoryClick);
    connect(lstHistory, &QTreeWidget::itemDoubleClicked, this, &TfrmShowHistory::lstHistoryDblClick);
    ui::onToggled(chkHint, this, &TfrmShowHistory::chkHintClick);
    connect(mnuNormalSave, &QAction::triggered, this, &TfrmShowHistory::mnuNormalSaveClick);
    connect(mnuCsvSave, &QAction::triggered, this, &TfrmShowHistory::mnuCsvSaveClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmShowHistory::cmdCloseClick);
}

void TfrmShowHistory::FormShow() {
    lstHistory->clear();
    setHint({});
    for (const HistoryRow& r : rows_) {
        auto* item = new QTreeWidgetItem(
            lstHistory, {QString::number(r.number), ui::toQ(r.start), ui::toQ(r.end),
                         ui::toQ(r.dictionary), ui::toQ(r.questions), ui::toQ(r.right),
                         ui::toQ(r.wrong), ui::toQ(r.percent)});
        for (int c : {0, 4, 5, 6, 7})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    // The ten rows and the header, no more and no scroll bar.
    lstHistory->setFixedHeight(lstHistory->header()->sizeHint().height() +
                               kHistoryRows * lstHistory->sizeHintForRow(0) +
                               2 * lstHistory->frameWidth());
    chkHint->setChecked(readHistoryByHint(user_.setupIni()));
}

const HistoryDrill* TfrmShowHistory::selectedDrill() const {
    const QList<QTreeWidgetItem*> selected = lstHistory->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    const int index = lstHistory->indexOfTopLevelItem(selected.first());
    if (index < 0 || static_cast<std::size_t>(index) >= drills_.size())
        return nullptr;
    return &drills_[static_cast<std::size_t>(index)];
}

void TfrmShowHistory::setHint(const QString& text) {
    // The viewport too: the pointer rests on it, not on the list's frame.
    lstHistory->setToolTip(text);
    lstHistory->viewport()->setToolTip(text);
}

void TfrmShowHistory::lstHistoryClick() {
    setHint({});
    const HistoryDrill* drill = selectedDrill();
    if (!drill || !chkHint->isChecked())
        return;
    const std::string text = missedWordText(*drill);
    if (!text.empty())
        setHint(ui::toQ(text));
}

void TfrmShowHistory::lstHistoryDblClick() {
    const HistoryDrill* drill = selectedDrill();
    if (!drill)
        return;
    const std::string text = missedWordText(*drill);
    if (!text.empty())
        ui::platform().showMessage(this, ui::toQ(text));
}

void TfrmShowHistory::chkHintClick() {
    if (!chkHint->isChecked())
        setHint({});
}

void TfrmShowHistory::mnuNormalSaveClick() {
    save(HistoryFormat::Plain);
}

void TfrmShowHistory::mnuCsvSaveClick() {
    save(HistoryFormat::Csv);
}

void TfrmShowHistory::save(HistoryFormat format) {
    // The folder of the last save, else of the dictionary in use, else the dictionaries'.
    std::string folder = folderOf(lastSaved_);
    if (folder.empty())
        folder = folderOf(files_.DicInUse);
    if (folder.empty())
        folder = user_.dataFolder() + "dictionary/";
    const QString chosen = ui::platform().saveFileName(
        this, QStringLiteral("保存"), QStringLiteral("テキストファイル (*.txt)|*.txt"),
        QStringLiteral("txt"), ui::toQ(folder), ui::SaveMode::Append);
    if (chosen.isEmpty())
        return;
    const std::optional<std::string> path = ui::fromQOrWarn(this, chosen);
    if (!path)
        return;
    if (FileStatus status = saveHistory(*path, rows_, programClock().now(), format); !status) {
        ui::showOpenForSaveFailure(this, status.path(), status.reason());
        return;
    }
    lastSaved_ = *path;
}

void TfrmShowHistory::cmdCloseClick() {
    if (FileStatus status = writeHistoryByHint(user_.setupIni(), chkHint->isChecked()); !status)
        ui::showFileError(this, status.path(), status.reason());
    accept();
}

} // namespace qor
