#include "tools/TfrmEditDic.h"

#include "base/Cp932.h"
#include "base/ErrorText.h"
#include "base/TextFile.h"
#include "settings/DictionaryInUse.h"
#include "tools/EntryRowsTable.h"
#include "tools/TfrmImport.h"
#include "tools/ToolDialogs.h"
#include "ui/FileDrops.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "ui/WindowOpen.h"
#include "words/DictionaryList.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeView>
#include <QVBoxLayout>

#include <cerrno>

namespace qor {

namespace {

constexpr std::array<int, 4> kColumnWidths = {35, 140, 140, 220};

} // namespace

TfrmEditDic::TfrmEditDic(UserFiles user, PathSettings& files, LookSettings look,
                         std::string dictionaryPath, QWidget* parent)
    : QDialog(parent), user_(std::move(user)), files_(files), look_(std::move(look)),
      dictionaryPath_(std::move(dictionaryPath)) {
    setWindowTitle(QStringLiteral("辞書の編集"));
    setObjectName(QStringLiteral("TfrmEditDic"));
    setSizeGripEnabled(true);
    ui::acceptFileDrops(this, [this](const QList<QUrl>& urls) { FormDropFiles(urls); });

    auto* chooseLabel = new QLabel(QStringLiteral("編集する辞書ファイルの選択 ： "), this);
    cboDicFile = new DictionaryPicker(dictionaries_, this);
    cboDicFile->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    cboDicFile->setMinimumContentsLength(16);
    chooseLabel->setBuddy(cboDicFile);
    cmdSelectDic = ui::commandButton(this, QStringLiteral("辞書の選択 (&F)"), "cmdSelectDic");
    cmdLoad =
        ui::commandButton(this, QStringLiteral("読み込み (&L)"), "cmdLoad",
                          QStringLiteral("データの読み込み （少し時間がかかる場合があります）"));
    cmdImport = ui::commandButton(this, QStringLiteral("インポート (&I)..."), "cmdImport",
                                  QStringLiteral("他のプログラムの単語リストを辞書ファイルに変換"));
    auto* chooseBar = new QHBoxLayout;
    chooseBar->addWidget(chooseLabel);
    chooseBar->addWidget(cboDicFile, 1);
    chooseBar->addWidget(cmdSelectDic);
    chooseBar->addWidget(cmdLoad);
    chooseBar->addWidget(cmdImport);

    // A row is chosen by a click, or by the keys as they move the current row.
    list_ = std::make_unique<EntryRowsList>(
        this, edit_.rows(), kColumnWidths, QStringLiteral("辞書の単語"),
        EntryRowsList::KeyChoice::CurrentRow,
        [this](const QModelIndex& index) { lstDataClick(index); });
    list_->view()->setMinimumSize(560, 220);

    entry_ = std::make_unique<EntryFields>(this);
    txtFindString = new QLineEdit(this);
    txtFindString->setObjectName(QStringLiteral("txtFindString"));
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(4);
    fields->addWidget(new QLabel(QStringLiteral("書き方は、辞書ファイル作成時と同じです"), this), 0,
                      1);
    int r = entry_->addTo(fields, 1);
    fields->setRowMinimumHeight(r++, 6);
    fields->addWidget(
        new QLabel(QStringLiteral("検索したい単語を記入し、検索を押してください"), this), r++, 1);
    auto* findLabel = new QLabel(QStringLiteral("検索 ： "), this);
    findLabel->setBuddy(txtFindString);
    fields->addWidget(findLabel, r, 0, Qt::AlignRight);
    fields->addWidget(txtFindString, r, 1);
    fields->setColumnStretch(1, 1);

    cmdSave = ui::commandButton(this, QStringLiteral("保存 (&S)"), "cmdSave");
    auto* saveMenu = new QMenu(cmdSave);
    cmdDicFormat = saveMenu->addAction(QStringLiteral("上書き保存 (&U)"));
    cmdDicFormat->setObjectName(QStringLiteral("cmdDicFormat"));
    cmdCsvFormat = saveMenu->addAction(QStringLiteral("CSV形式で保存 (&V)"));
    cmdCsvFormat->setObjectName(QStringLiteral("cmdCsvFormat"));
    cmdSave->setMenu(saveMenu);
    cmdFind = ui::commandButton(this, QStringLiteral("検索 (&F)"), "cmdFind",
                                QStringLiteral("単語の検索"));
    // "辞書の選択 (&F)" carries Alt+F too: each press moves the focus between the two.
    cmdNextFind =
        ui::commandButton(this, QStringLiteral(">>"), "cmdNextFind", QStringLiteral("次を検索"));
    cmdNextFind->setAccessibleName(QStringLiteral("次を検索"));
    cmdNextFind->setMaximumWidth(
        cmdNextFind->fontMetrics().horizontalAdvance(QStringLiteral(">>")) + 28);
    cmdDelete = ui::commandButton(this, QStringLiteral("削除 (&D)"), "cmdDelete",
                                  QStringLiteral("選択している単語を削除"));
    cmdChange = ui::commandButton(this, QStringLiteral("書き換え (&R)"), "cmdChange",
                                  QStringLiteral("データの書き換え"));
    cmdClose = ui::commandButton(this, QStringLiteral("閉じる (&C)"), "cmdClose",
                                 QStringLiteral("終了 （変更した場合は、保存を押してください）"));
    auto* findRow = new QHBoxLayout;
    findRow->setSpacing(4);
    findRow->addWidget(cmdFind, 1);
    findRow->addWidget(cmdNextFind);
    auto* commands = new QVBoxLayout;
    commands->setSpacing(4);
    commands->addWidget(cmdSave);
    commands->addLayout(findRow);
    commands->addWidget(cmdDelete);
    commands->addWidget(cmdChange);
    commands->addStretch(1);
    commands->addWidget(cmdClose);

    auto* editArea = new QHBoxLayout;
    editArea->setSpacing(12);
    editArea->addLayout(fields, 1);
    editArea->addLayout(commands);

    frame_ = std::make_unique<EditorFrame>(this, ui::WindowSize::Resizable);
    frame_->body()->addLayout(chooseBar);
    frame_->body()->addWidget(list_->view(), 1);
    frame_->body()->addLayout(editArea);
    frame_->layOut(QStringLiteral("ここでは、辞書の編集を行います"));

    cmdSave->setEnabled(false);
    cmdFind->setEnabled(false);
    cmdNextFind->setEnabled(false);

    connect(cmdSelectDic, &QPushButton::clicked, this, &TfrmEditDic::cmdSelectDicClick);
    connect(cmdLoad, &QPushButton::clicked, this, &TfrmEditDic::cmdLoadClick);
    connect(cmdImport, &QPushButton::clicked, this, &TfrmEditDic::cmdImportClick);
    connect(cmdChange, &QPushButton::clicked, this, &TfrmEditDic::cmdChangeClick);
    connect(cmdDelete, &QPushButton::clicked, this, &TfrmEditDic::cmdDeleteClick);
    connect(cmdFind, &QPushButton::clicked, this, &TfrmEditDic::cmdFindClick);
    connect(cmdNextFind, &QPushButton::clicked, this, &TfrmEditDic::cmdNextFindClick);
    connect(txtFindString, &QLineEdit::textChanged, this, &TfrmEditDic::txtFindStringChange);
    connect(txtFindString, &QLineEdit::returnPressed, this, [this] {
        if (cmdFind->isEnabled()) cmdFindClick();
    });
    connect(cmdDicFormat, &QAction::triggered, this, &TfrmEditDic::cmdDicFormatClick);
    connect(cmdCsvFormat, &QAction::triggered, this, &TfrmEditDic::cmdCsvFormatClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmEditDic::cmdCloseClick);

    resize(640, 560);
}

QString TfrmEditDic::statusText() const {
    return frame_->status();
}

int TfrmEditDic::selectedRow() const {
    return list_->chosen();
}

void TfrmEditDic::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !formShown_) FormShow();
}

void TfrmEditDic::FormShow() {
    formShown_ = true;
    list_->table()->reset([this] { edit_ = DictionaryEdit(); });
    list_->clearChoice();
    entry_->clear();
    txtFindString->clear();
    frame_->showStatus({});
    cmdSave->setEnabled(false);
    entry_->applyLook(look_);
    cboDicFile->showListed(dictionaryPath_);
}

void TfrmEditDic::cmdSelectDicClick() {
    QString chosen = cboDicFile->askForFile(edit_.loaded() ? edit_.path() : dictionaryPath_);
    if (!chosen.isEmpty()) chooseFile(chosen);
}

void TfrmEditDic::FormDropFiles(const QList<QUrl>& urls) {
    if (!urls.isEmpty() && urls.constFirst().isLocalFile())
        chooseFile(urls.constFirst().toLocalFile());
}

void TfrmEditDic::chooseFile(const QString& path) {
    auto chosenPath = DictionaryPicker::rememberablePath(this, path);
    if (!chosenPath) return;
    auto modelPath = DictionaryPicker::offerCp932Copy(this, *chosenPath);
    if (!modelPath) return;
    if (FileStatus status = rememberDictionaryPath(user_.setupIni(), *modelPath); !status) {
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    cboDicFile->setEditText(ui::toQ(fileNameOf(*modelPath)));
}

void TfrmEditDic::cmdImportClick() {
    std::string created;
    ui::openWindow(this, QStringLiteral("インポート"), [&] {
        TfrmImport window(user_, files_, this);
        ui::platform().showModal(window);
        created = window.createdPath();
    });
    if (created.empty()) return;
    // The new file is remembered under its name, so that "読み込み" finds it.
    if (FileStatus status = rememberDictionaryPath(user_.setupIni(), created); !status) {
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    cboDicFile->setEditText(ui::toQ(fileNameOf(created)));
}

void TfrmEditDic::cmdLoadClick() {
    cmdSave->setEnabled(false);
    frame_->showStatus(QStringLiteral(" >> データの削除中・・・"));
    list_->table()->reset([this] { edit_ = DictionaryEdit(); });
    list_->clearChoice();
    entry_->clear();
    txtFindString->clear();

    auto fileName = ui::fromQOrWarn(this, cboDicFile->currentText());
    if (!fileName) {
        frame_->showStatus({});
        return;
    }
    FileStatus iniRead;
    std::string path = editorDictionaryPath(user_.setupIni(), *fileName, dictionaryPath_, &iniRead);
    if (!iniRead) {
        ui::showFileError(this, iniRead.path(), iniRead.reason());
        frame_->showStatus({});
        return;
    }
    if (path.empty()) {
        // No path is known for that name: the file cannot be opened.
        ui::showFileError(this, *fileName, errorText(ENOENT));
        frame_->showStatus({});
        return;
    }

    frame_->showStatus(QStringLiteral(" >> データを読み込み中・・・"));
    FileStatus status;
    list_->table()->reset([&] { status = edit_.load(path); });
    if (!status) {
        ui::showFileError(this, status.path(), status.reason());
        frame_->showStatus({});
        return;
    }
    list_->fitNumbers();
    frame_->showPath(edit_.path());
    cmdSave->setEnabled(true);
}

void TfrmEditDic::lstDataClick(const QModelIndex& index) {
    if (std::optional<WordEntry> parts = list_->choose(index)) entry_->show(*parts);
}

bool TfrmEditDic::rowChosenOrSaySo() {
    if (list_->hasChosen()) return true;
    ui::platform().showMessage(this, QStringLiteral("選択されていません"));
    return false;
}

void TfrmEditDic::cmdChangeClick() {
    if (!rowChosenOrSaySo()) return;
    std::optional<WordEntry> typed = entry_->typed();
    if (!typed) return;
    edit_.rows().rewrite(list_->chosen(), typed->english, typed->japanese, typed->comment);
    list_->chosenChanged();
}

void TfrmEditDic::cmdDeleteClick() {
    if (!rowChosenOrSaySo()) return;
    list_->removeChosen([this](int row) { edit_.remove(row); });
    entry_->clear();
}

void TfrmEditDic::txtFindStringChange() {
    const bool any = !txtFindString->text().isEmpty();
    cmdFind->setEnabled(any);
    if (!any) cmdNextFind->setEnabled(false);
}

void TfrmEditDic::find(bool next) {
    auto text = ui::fromQOrWarn(this, txtFindString->text());
    if (!text) return;
    std::optional<int> found = next ? edit_.findNext(*text) : edit_.findFirst(*text);
    if (found) {
        list_->select(*found);
        entry_->show(edit_.rows().parts(*found));
        list_->view()->setFocus();
        cmdNextFind->setEnabled(true);
    } else {
        ui::platform().showMessage(this, QStringLiteral("見つけることが出来ませんでした"));
        if (!next) cmdNextFind->setEnabled(false);
    }
    entry_->english()->setFocus();
}

void TfrmEditDic::cmdFindClick() {
    find(false);
}

void TfrmEditDic::cmdNextFindClick() {
    find(true);
}

void TfrmEditDic::cmdDicFormatClick() {
    if (!edit_.loaded()) return;
    frame_->showStatus(QStringLiteral(" >> 保存中・・・"));
    tellSaveResult(this, edit_.save());
    frame_->showPath(edit_.path());
}

void TfrmEditDic::cmdCsvFormatClick() {
    if (!edit_.loaded()) return;
    saveRowsAsCsv(this, edit_.rows(), dialogFolder(user_, files_, edit_.path()), *frame_,
                  edit_.path());
}

void TfrmEditDic::cmdCloseClick() {
    accept();
}

} // namespace qor
