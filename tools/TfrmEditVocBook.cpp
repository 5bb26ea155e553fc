#include "tools/TfrmEditVocBook.h"

#include "base/TextFile.h"
#include "tools/EntryRowsTable.h"
#include "tools/ToolDialogs.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace qor {

namespace {

constexpr std::array<int, 4> kColumnWidths = {35, 140, 140, 190};

QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const QString& name,
                   const char* objectName) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setArrowType(type);
    b->setAccessibleName(name);
    b->setToolTip(QStringLiteral("データの上下移動"));
    b->setAutoRepeat(true);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return b;
}

} // namespace

TfrmEditVocBook::TfrmEditVocBook(const TUserSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), book_(settings.VocBook) {
    setWindowTitle(QStringLiteral("単語帳の編集"));
    setObjectName(QStringLiteral("TfrmEditVocBook"));
    ui::setDialogFrame(this);

    table_ = new EntryRowsTable(book_.rows(), this);
    lstData = entryRowsView(this, table_, kColumnWidths, QStringLiteral("単語帳の単語"));
    lstData->setObjectName(QStringLiteral("lstData"));
    lstData->setFixedSize(540, 260);

    spnMoveData = new QWidget(this);
    spnMoveData->setObjectName(QStringLiteral("spnMoveData"));
    spnMoveData->setToolTip(QStringLiteral("データの上下移動"));
    spnMoveDataUp = arrow(spnMoveData, Qt::UpArrow, QStringLiteral("上へ移動"), "spnMoveDataUp");
    spnMoveDataDown =
        arrow(spnMoveData, Qt::DownArrow, QStringLiteral("下へ移動"), "spnMoveDataDown");
    auto* arrows = new QVBoxLayout(spnMoveData);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(2);
    arrows->addStretch(1);
    arrows->addWidget(spnMoveDataUp);
    arrows->addWidget(spnMoveDataDown);
    arrows->addStretch(1);

    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(4);
    listRow->addWidget(lstData);
    listRow->addWidget(spnMoveData);

    txtEnglish = new QLineEdit(this);
    txtEnglish->setObjectName(QStringLiteral("txtEnglish"));
    setJapaneseInput(txtEnglish, false);
    txtJapanese = new QLineEdit(this);
    txtJapanese->setObjectName(QStringLiteral("txtJapanese"));
    setJapaneseInput(txtJapanese, true);
    txtComment = new QLineEdit(this);
    txtComment->setObjectName(QStringLiteral("txtComment"));
    // An entry of any length goes back to the file whole when it is changed.
    for (QLineEdit* f : {txtEnglish, txtJapanese, txtComment})
        ui::keepWholeText(f);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(4);
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"単語 ： ", txtEnglish}, {"意味 ： ", txtJapanese}, {"コメント ： ", txtComment}};
    int r = 0;
    for (const auto& [caption, edit] : rows) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(edit);
        fields->addWidget(label, r, 0, Qt::AlignRight);
        fields->addWidget(edit, r, 1);
        ++r;
    }
    fields->setColumnStretch(1, 1);

    cmdChange = ui::commandButton(this, QStringLiteral("書き換え (&R)"), "cmdChange",
                                  QStringLiteral("データの書き換え"));
    cmdDelete = new QToolButton(this);
    cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    cmdDelete->setText(QStringLiteral("削除 (&D)"));
    cmdDelete->setToolButtonStyle(Qt::ToolButtonTextOnly);
    cmdDelete->setPopupMode(QToolButton::MenuButtonPopup);
    cmdDelete->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    auto* deleteMenu = new QMenu(cmdDelete);
    cmdClear = deleteMenu->addAction(QStringLiteral("すべて削除 (&N)"));
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdDelete->setMenu(deleteMenu);
    cmdAdd = ui::commandButton(this, QStringLiteral("追加 (&A)"), "cmdAdd",
                               QStringLiteral("データを追加する"));
    cmdUndo = ui::commandButton(this, QStringLiteral("元に戻す (&M)"), "cmdUndo",
                                QStringLiteral("変更前のデータに戻す"));
    cmdSaveMenu = ui::commandButton(this, QStringLiteral("保存 (&S)"), "cmdSaveMenu");
    auto* saveMenu = new QMenu(cmdSaveMenu);
    cmdSave = saveMenu->addAction(QStringLiteral("上書き保存 (&S)"));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSaveAs = saveMenu->addAction(QStringLiteral("別名で保存 (&E)"));
    cmdSaveAs->setObjectName(QStringLiteral("cmdSaveAs"));
    cmdCsv = saveMenu->addAction(QStringLiteral("CSV形式で保存 (&V)"));
    cmdCsv->setObjectName(QStringLiteral("cmdCsv"));
    cmdSaveMenu->setMenu(saveMenu);
    cmdClose = ui::commandButton(this, QStringLiteral("閉じる (&C)"), "cmdClose",
                                 QStringLiteral("編集を終了する"));
    // The drop-down delete button is as tall as its push-button neighbours.
    cmdDelete->setMinimumHeight(cmdChange->sizeHint().height());

    auto* commands = new QHBoxLayout;
    commands->setSpacing(6);
    commands->addWidget(cmdChange);
    commands->addWidget(cmdDelete);
    commands->addWidget(cmdAdd);
    commands->addWidget(cmdUndo);
    commands->addWidget(cmdSaveMenu);
    commands->addStretch(1);
    commands->addWidget(cmdClose);

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    sbStatus = new QLabel(this);
    sbStatus->setObjectName(QStringLiteral("sbStatus"));
    status->addWidget(sbStatus, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 6);
    body->setSpacing(8);
    body->addLayout(listRow);
    body->addLayout(fields);
    body->addLayout(commands);

    ui::layOutUnderHeading(this,
                           ui::banner(QStringLiteral("ここでは、単語帳の編集を行います"), this),
                           body, status, ui::WindowSize::Fixed);

    enableRowCommands(false);
    cmdUndo->setEnabled(false);

    connect(lstData, &QTreeView::clicked, this, &TfrmEditVocBook::lstDataClick);
    // A row chosen with the keys too. The list's current row alone chooses nothing: the
    // list sets one when it takes the focus at opening, and no row is chosen then.
    connect(lstData->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (quietSelection_) return;
        const QModelIndexList chosen = lstData->selectionModel()->selectedRows();
        if (chosen.size() == 1) lstDataClick(chosen.first());
    });
    connect(spnMoveDataUp, &QToolButton::clicked, this, &TfrmEditVocBook::spnMoveDataUpClick);
    connect(spnMoveDataDown, &QToolButton::clicked, this, &TfrmEditVocBook::spnMoveDataDownClick);
    connect(cmdChange, &QPushButton::clicked, this, &TfrmEditVocBook::cmdChangeClick);
    connect(cmdDelete, &QToolButton::clicked, this, &TfrmEditVocBook::cmdDeleteClick);
    connect(cmdClear, &QAction::triggered, this, &TfrmEditVocBook::cmdClearClick);
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmEditVocBook::cmdAddClick);
    connect(cmdUndo, &QPushButton::clicked, this, &TfrmEditVocBook::cmdUndoClick);
    connect(cmdSave, &QAction::triggered, this, &TfrmEditVocBook::cmdSaveClick);
    connect(cmdSaveAs, &QAction::triggered, this, &TfrmEditVocBook::cmdSaveAsClick);
    connect(cmdCsv, &QAction::triggered, this, &TfrmEditVocBook::cmdCsvClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmEditVocBook::cmdCloseClick);
}

TfrmEditVocBook::~TfrmEditVocBook() {
    // The rows go before the base class hides the list: the list must not read them then.
    lstData->setModel(nullptr);
}

QString TfrmEditVocBook::statusText() const {
    return sbStatus->text();
}

void TfrmEditVocBook::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || formShown_) return;
    // A book that cannot be read ends the opening; the learner has been told why.
    if (!FormShow()) QTimer::singleShot(0, this, &QDialog::reject);
}

bool TfrmEditVocBook::FormShow() {
    formShown_ = true;
    clearSelection();
    txtEnglish->clear();
    txtJapanese->clear();
    txtComment->clear();
    ui::setTextLook(txtEnglish, settings_.FontEnglish, 0, settings_.FontEnglishColor);
    ui::setTextLook(txtJapanese, settings_.FontJapanese, 0, settings_.FontJapaneseColor);
    ui::setTextLook(txtComment, settings_.FontMessage, 0, settings_.FontMessageColor);
    showBookStatus();
    FileStatus status;
    table_->reset([&] { status = book_.open(); });
    if (!status) {
        ui::showFileError(this, status.path(), status.reason());
        return false;
    }
    fitNumberColumn(lstData, kColumnWidths[0]);
    enableRowCommands(false);
    cmdUndo->setEnabled(false);
    cmdSave->setEnabled(true);
    cmdSaveAs->setEnabled(true);
    return true;
}

void TfrmEditVocBook::setStatus(const QString& text) {
    sbStatus->setText(text);
    sbStatus->repaint();
}

void TfrmEditVocBook::showBookStatus() {
    setStatus(QStringLiteral(" >> ") + ui::toQ(book_.path()));
}

void TfrmEditVocBook::enableRowCommands(bool enabled) {
    spnMoveData->setEnabled(enabled);
    cmdChange->setEnabled(enabled);
    cmdDelete->setEnabled(enabled);
}

void TfrmEditVocBook::markChanged() {
    cmdUndo->setEnabled(true);
    cmdSave->setEnabled(true);
    cmdSaveAs->setEnabled(true);
}

void TfrmEditVocBook::lstDataClick(const QModelIndex& index) {
    if (!index.isValid() || !book_.rows().valid(index.row())) return;
    selected_ = index.row();
    const WordEntry parts = book_.rows().parts(selected_);
    txtEnglish->setText(ui::toQ(parts.english));
    txtJapanese->setText(ui::toQ(parts.japanese));
    txtComment->setText(ui::toQ(parts.comment));
    enableRowCommands(true);
}

void TfrmEditVocBook::selectRow(int row) {
    QModelIndex index = table_->index(row, 0);
    quietSelection_ = true;
    lstData->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    quietSelection_ = false;
    lstData->scrollTo(index);
    selected_ = row;
}

void TfrmEditVocBook::clearSelection() {
    quietSelection_ = true;
    lstData->selectionModel()->clear();
    quietSelection_ = false;
    selected_ = -1;
}

std::optional<std::array<std::string, 3>> TfrmEditVocBook::typedEntry() {
    auto english = ui::fromQOrWarn(this, txtEnglish->text());
    auto japanese = english ? ui::fromQOrWarn(this, txtJapanese->text()) : std::nullopt;
    auto comment = japanese ? ui::fromQOrWarn(this, txtComment->text()) : std::nullopt;
    if (!comment) return std::nullopt;
    return std::array<std::string, 3>{*english, *japanese, *comment};
}

void TfrmEditVocBook::cmdChangeClick() {
    if (!book_.rows().valid(selected_)) return;
    auto entry = typedEntry();
    if (!entry) return;
    book_.change(selected_, (*entry)[0], (*entry)[1], (*entry)[2]);
    table_->rowsChanged(selected_, selected_);
    markChanged();
}

void TfrmEditVocBook::cmdDeleteClick() {
    if (!book_.rows().valid(selected_)) return;
    const int row = selected_;
    quietSelection_ = true;
    table_->removeRowWith(row, [&] { book_.remove(row); });
    quietSelection_ = false;
    clearSelection();
    txtEnglish->clear();
    txtJapanese->clear();
    txtComment->clear();
    enableRowCommands(false);
    markChanged();
}

void TfrmEditVocBook::cmdClearClick() {
    table_->reset([this] { book_.clear(); });
    clearSelection();
    // No row is left to act on; undo brings the words back.
    enableRowCommands(false);
    markChanged();
}

void TfrmEditVocBook::cmdAddClick() {
    auto entry = typedEntry();
    if (!entry) return;
    table_->appendRowWith([&] { book_.add((*entry)[0], (*entry)[1], (*entry)[2]); });
    fitNumberColumn(lstData, kColumnWidths[0]);
    lstData->scrollTo(table_->index(book_.rows().size() - 1, 0));
    markChanged();
}

void TfrmEditVocBook::move(bool up) {
    const int row = selected_;
    if (!book_.rows().valid(row)) return;
    if (!(up ? book_.moveUp(row) : book_.moveDown(row))) return;
    const int to = up ? row - 1 : row + 1;
    table_->rowsChanged(std::min(row, to), std::max(row, to));
    selectRow(to);
    // The new order is worth saving: save is offered again, and closing asks.
    markChanged();
}

void TfrmEditVocBook::spnMoveDataUpClick() {
    move(true);
}

void TfrmEditVocBook::spnMoveDataDownClick() {
    move(false);
}

void TfrmEditVocBook::cmdUndoClick() {
    cmdUndo->setEnabled(false);
    cmdSave->setEnabled(true);
    cmdSaveAs->setEnabled(true);
    setStatus(QStringLiteral(" >> 変更データの削除中・・・"));
    clearSelection();
    setStatus(QStringLiteral(" >> 初期データの表示中・・・"));
    table_->reset([this] { book_.undo(); });
    fitNumberColumn(lstData, kColumnWidths[0]);
    enableRowCommands(false);
    showBookStatus();
}

bool TfrmEditVocBook::cmdSaveClick() {
    setStatus(QStringLiteral(" >> 保存準備中・・・"));
    FileStatus status = book_.save();
    if (!status) {
        showSaveFailure(this, status);
        showBookStatus();
        return false;
    }
    cmdSave->setEnabled(false);
    showBookStatus();
    return true;
}

void TfrmEditVocBook::cmdSaveAsClick() {
    QString chosen = ui::platform().saveFileName(
        this, QStringLiteral("別名で保存"), QStringLiteral("単語帳ファイル (*.txt)|*.txt"),
        QStringLiteral("txt"), dialogFolder(settings_, book_.path()), ui::SaveMode::Append);
    if (chosen.isEmpty()) return;
    auto path = ui::fromQOrWarn(this, chosen);
    if (!path) return;
    setStatus(QStringLiteral(" >> 保存準備中・・・"));
    if (FileStatus status = book_.saveAs(*path); !status) showSaveFailure(this, status);
    showBookStatus();
}

void TfrmEditVocBook::cmdCsvClick() {
    std::optional<CsvTarget> target = askCsvTarget(this, dialogFolder(settings_, book_.path()));
    if (!target) return;
    setStatus(QStringLiteral(" >> 保存中・・・"));
    FileStatus status = appendCsv(target->path, book_.rows(), target->separator);
    if (status)
        ui::platform().showMessage(this, QStringLiteral("保存しました"));
    else
        ui::showOpenForSaveFailure(this, status.path(), status.reason());
    showBookStatus();
}

void TfrmEditVocBook::cmdCloseClick() {
    if (book_.modified()) {
        ui::Button answer = ui::platform().showNotice(this, ui::toQ(book_.closeQuestion()),
                                                      QStringLiteral("確認"), ui::kNoticeQuestion);
        // A save that failed keeps the window open: the changes are still here.
        if (answer == ui::Button::Yes && !cmdSaveClick()) return;
    }
    accept();
}

} // namespace qor
