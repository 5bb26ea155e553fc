#include "tools/TfrmEditVocBook.h"

#include "base/TextFile.h"
#include "tools/EntryRowsTable.h"
#include "tools/ToolDialogs.h"
#include "ui/DialogFrame.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
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

TfrmEditVocBook::TfrmEditVocBook(UserFiles user, const PathSettings& files,
                                 const LookSettings& look, QWidget* parent)
    : QDialog(parent), files_(files), look_(look), user_(std::move(user)), book_(files.VocBook) {
    setWindowTitle(QStringLiteral("単語帳の編集"));
    setObjectName(QStringLiteral("TfrmEditVocBook"));
    ui::setDialogFrame(this);

    // A row chosen with the keys too. The list's current row alone chooses nothing: the
    // list sets one when it takes the focus at opening, and no row is chosen then.
    list_ = std::make_unique<EntryRowsList>(
        this, book_.rows(), kColumnWidths, QStringLiteral("単語帳の単語"),
        EntryRowsList::KeyChoice::OneSelectedRow,
        [this](const QModelIndex& index) { lstDataClick(index); });
    list_->view()->setFixedSize(540, 260);

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
    listRow->addWidget(list_->view());
    listRow->addWidget(spnMoveData);

    entry_ = std::make_unique<EntryFields>(this);
    setJapaneseInput(entry_->english(), false);
    setJapaneseInput(entry_->japanese(), true);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(4);
    entry_->addTo(fields, 0);
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

    frame_ = std::make_unique<EditorFrame>(this, ui::WindowSize::Fixed);
    frame_->body()->addLayout(listRow);
    frame_->body()->addLayout(fields);
    frame_->body()->addLayout(commands);
    frame_->layOut(QStringLiteral("ここでは、単語帳の編集を行います"));

    enableRowCommands(false);
    cmdUndo->setEnabled(false);

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

QString TfrmEditVocBook::statusText() const {
    return frame_->status();
}

int TfrmEditVocBook::selectedRow() const {
    return list_->chosen();
}

void TfrmEditVocBook::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || formShown_) return;
    // A book that cannot be read ends the opening; the learner has been told why.
    if (!FormShow()) QTimer::singleShot(0, this, &QDialog::reject);
}

bool TfrmEditVocBook::FormShow() {
    formShown_ = true;
    list_->clearChoice();
    entry_->clear();
    entry_->applyLook(look_);
    frame_->showPath(book_.path());
    FileStatus status;
    list_->table()->reset([&] { status = book_.open(); });
    if (!status) {
        ui::showFileError(this, status.path(), status.reason());
        return false;
    }
    list_->fitNumbers();
    enableRowCommands(false);
    cmdUndo->setEnabled(false);
    cmdSave->setEnabled(true);
    cmdSaveAs->setEnabled(true);
    return true;
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
    std::optional<WordEntry> parts = list_->choose(index);
    if (!parts) return;
    entry_->show(*parts);
    enableRowCommands(true);
}

void TfrmEditVocBook::cmdChangeClick() {
    if (!list_->hasChosen()) return;
    std::optional<WordEntry> typed = entry_->typed();
    if (!typed) return;
    book_.change(list_->chosen(), typed->english, typed->japanese, typed->comment);
    list_->chosenChanged();
    markChanged();
}

void TfrmEditVocBook::cmdDeleteClick() {
    if (!list_->hasChosen()) return;
    list_->removeChosen([this](int row) { book_.remove(row); });
    entry_->clear();
    enableRowCommands(false);
    markChanged();
}

void TfrmEditVocBook::cmdClearClick() {
    list_->table()->reset([this] { book_.clear(); });
    list_->clearChoice();
    // No row is left to act on; undo brings the words back.
    enableRowCommands(false);
    markChanged();
}

void TfrmEditVocBook::cmdAddClick() {
    std::optional<WordEntry> typed = entry_->typed();
    if (!typed) return;
    list_->table()->appendRowWith(
        [&] { book_.add(typed->english, typed->japanese, typed->comment); });
    list_->fitNumbers();
    list_->showLast();
    markChanged();
}

void TfrmEditVocBook::move(bool up) {
    if (!list_->hasChosen()) return;
    const int row = list_->chosen();
    if (!(up ? book_.moveUp(row) : book_.moveDown(row))) return;
    const int to = up ? row - 1 : row + 1;
    list_->table()->rowsChanged(std::min(row, to), std::max(row, to));
    list_->select(to);
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
    frame_->showStatus(QStringLiteral(" >> 変更データの削除中・・・"));
    list_->clearChoice();
    frame_->showStatus(QStringLiteral(" >> 初期データの表示中・・・"));
    list_->table()->reset([this] { book_.undo(); });
    list_->fitNumbers();
    enableRowCommands(false);
    frame_->showPath(book_.path());
}

bool TfrmEditVocBook::cmdSaveClick() {
    frame_->showStatus(QStringLiteral(" >> 保存準備中・・・"));
    FileStatus status = book_.save();
    if (!status) {
        showSaveFailure(this, status);
        frame_->showPath(book_.path());
        return false;
    }
    cmdSave->setEnabled(false);
    frame_->showPath(book_.path());
    return true;
}

void TfrmEditVocBook::cmdSaveAsClick() {
    QString chosen = ui::platform().saveFileName(
        this, QStringLiteral("別名で保存"), QStringLiteral("単語帳ファイル (*.txt)|*.txt"),
        QStringLiteral("txt"), dialogFolder(user_, files_, book_.path()), ui::SaveMode::Append);
    if (chosen.isEmpty()) return;
    auto path = ui::fromQOrWarn(this, chosen);
    if (!path) return;
    frame_->showStatus(QStringLiteral(" >> 保存準備中・・・"));
    if (FileStatus status = book_.saveAs(*path); !status) showSaveFailure(this, status);
    frame_->showPath(book_.path());
}

void TfrmEditVocBook::cmdCsvClick() {
    saveRowsAsCsv(this, book_.rows(), dialogFolder(user_, files_, book_.path()), *frame_, book_.path());
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
