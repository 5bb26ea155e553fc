#include "tools/TfrmEditDic.h"

#include "base/Cp932.h"
#include "base/ErrorText.h"
#include "base/TextFile.h"
#include "settings/DictionaryInUse.h"
#include "tools/EntryRowsTable.h"
#include "tools/TfrmImport.h"
#include "tools/ToolDialogs.h"
#include "ui/FileDrops.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/ShownText.h"
#include "ui/Text.h"
#include "ui/WindowOpen.h"
#include "words/DictionaryList.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <cerrno>

namespace qor {

namespace {

constexpr std::array<int, 4> kColumnWidths = {35, 140, 140, 220};

QLineEdit* field(QWidget* parent, const char* name) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

} // namespace

TfrmEditDic::TfrmEditDic(TUserSettings& settings, std::string dictionaryPath, QWidget* parent)
    : QDialog(parent), settings_(settings), dictionaryPath_(std::move(dictionaryPath)) {
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

    table_ = new EntryRowsTable(edit_.rows(), this);
    lstData = entryRowsView(this, table_, kColumnWidths, QStringLiteral("辞書の単語"));
    lstData->setObjectName(QStringLiteral("lstData"));
    lstData->setMinimumSize(560, 220);

    txtEnglish = field(this, "txtEnglish");
    txtJapanese = field(this, "txtJapanese");
    txtComment = field(this, "txtComment");
    // An entry of any length goes back to the file whole when it is changed.
    for (QLineEdit* f : {txtEnglish, txtJapanese, txtComment})
        ui::keepWholeText(f);
    txtFindString = field(this, "txtFindString");
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(4);
    fields->addWidget(new QLabel(QStringLiteral("書き方は、辞書ファイル作成時と同じです"), this), 0,
                      1);
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"単語 ： ", txtEnglish}, {"意味 ： ", txtJapanese}, {"コメント ： ", txtComment}};
    int r = 1;
    for (const auto& [caption, edit] : rows) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(edit);
        fields->addWidget(label, r, 0, Qt::AlignRight);
        fields->addWidget(edit, r, 1);
        ++r;
    }
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

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(true);
    sbStatus = new QLabel(this);
    sbStatus->setObjectName(QStringLiteral("sbStatus"));
    status->addWidget(sbStatus, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 6);
    body->setSpacing(8);
    body->addLayout(chooseBar);
    body->addWidget(lstData, 1);
    body->addLayout(editArea);

    ui::layOutUnderHeading(this, ui::banner(QStringLiteral("ここでは、辞書の編集を行います"), this),
                           body, status, ui::WindowSize::Resizable);

    cmdSave->setEnabled(false);
    cmdFind->setEnabled(false);
    cmdNextFind->setEnabled(false);

    connect(cmdSelectDic, &QPushButton::clicked, this, &TfrmEditDic::cmdSelectDicClick);
    connect(cmdLoad, &QPushButton::clicked, this, &TfrmEditDic::cmdLoadClick);
    connect(cmdImport, &QPushButton::clicked, this, &TfrmEditDic::cmdImportClick);
    connect(lstData, &QTreeView::clicked, this, &TfrmEditDic::lstDataClick);
    connect(lstData->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!quietSelection_) lstDataClick(current);
            });
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

TfrmEditDic::~TfrmEditDic() {
    // The rows go before the base class hides the list: the list must not read them then.
    lstData->setModel(nullptr);
}

QString TfrmEditDic::statusText() const {
    return sbStatus->text();
}

void TfrmEditDic::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !formShown_) FormShow();
}

void TfrmEditDic::FormShow() {
    formShown_ = true;
    table_->reset([this] { edit_ = DictionaryEdit(); });
    clearSelection();
    clearEntryFields();
    txtFindString->clear();
    setStatus({});
    cmdSave->setEnabled(false);
    ui::setTextLook(txtEnglish, settings_.FontEnglish, 0, settings_.FontEnglishColor);
    ui::setTextLook(txtJapanese, settings_.FontJapanese, 0, settings_.FontJapaneseColor);
    ui::setTextLook(txtComment, settings_.FontMessage, 0, settings_.FontMessageColor);
    cboDicFile->showListed(dictionaryPath_);
}

void TfrmEditDic::setStatus(const QString& text) {
    sbStatus->setText(text);
    // The steps of a long load or save show while they run.
    sbStatus->repaint();
}

void TfrmEditDic::showLoadedStatus() {
    setStatus(QStringLiteral(" >> ") + ui::toQ(edit_.path()));
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
    if (FileStatus status = rememberDictionaryPath(settings_.setupIniPath(), *modelPath); !status) {
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    cboDicFile->setEditText(ui::toQ(fileNameOf(*modelPath)));
}

void TfrmEditDic::cmdImportClick() {
    std::string created;
    ui::openWindow(this, QStringLiteral("インポート"), [&] {
        TfrmImport window(settings_, this);
        ui::platform().showModal(window);
        created = window.createdPath();
    });
    if (created.empty()) return;
    // The new file is remembered under its name, so that "読み込み" finds it.
    if (FileStatus status = rememberDictionaryPath(settings_.setupIniPath(), created); !status) {
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    cboDicFile->setEditText(ui::toQ(fileNameOf(created)));
}

void TfrmEditDic::cmdLoadClick() {
    cmdSave->setEnabled(false);
    setStatus(QStringLiteral(" >> データの削除中・・・"));
    table_->reset([this] { edit_ = DictionaryEdit(); });
    clearSelection();
    clearEntryFields();
    txtFindString->clear();

    auto fileName = ui::fromQOrWarn(this, cboDicFile->currentText());
    if (!fileName) {
        setStatus({});
        return;
    }
    FileStatus iniRead;
    std::string path =
        editorDictionaryPath(settings_.setupIniPath(), *fileName, dictionaryPath_, &iniRead);
    if (!iniRead) {
        ui::showFileError(this, iniRead.path(), iniRead.reason());
        setStatus({});
        return;
    }
    if (path.empty()) {
        // No path is known for that name: the file cannot be opened.
        ui::showFileError(this, *fileName, errorText(ENOENT));
        setStatus({});
        return;
    }

    setStatus(QStringLiteral(" >> データを読み込み中・・・"));
    FileStatus status;
    table_->reset([&] { status = edit_.load(path); });
    if (!status) {
        ui::showFileError(this, status.path(), status.reason());
        setStatus({});
        return;
    }
    fitNumberColumn(lstData, kColumnWidths[0]);
    showLoadedStatus();
    cmdSave->setEnabled(true);
}

void TfrmEditDic::lstDataClick(const QModelIndex& index) {
    if (!index.isValid() || !edit_.rows().valid(index.row())) return;
    selected_ = index.row();
    const WordEntry parts = edit_.rows().parts(selected_);
    txtEnglish->setText(ui::toQ(parts.english));
    txtJapanese->setText(ui::toQ(parts.japanese));
    txtComment->setText(ui::toQ(parts.comment));
}

void TfrmEditDic::selectRow(int row) {
    QModelIndex index = table_->index(row, 0);
    lstData->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    lstData->scrollTo(index);
    lstDataClick(index);
}

void TfrmEditDic::clearSelection() {
    quietSelection_ = true;
    lstData->selectionModel()->clear();
    quietSelection_ = false;
    selected_ = -1;
}

void TfrmEditDic::clearEntryFields() {
    txtEnglish->clear();
    txtJapanese->clear();
    txtComment->clear();
}

void TfrmEditDic::cmdChangeClick() {
    if (!edit_.rows().valid(selected_)) {
        ui::platform().showMessage(this, QStringLiteral("選択されていません"));
        return;
    }
    auto english = ui::fromQOrWarn(this, txtEnglish->text());
    auto japanese = english ? ui::fromQOrWarn(this, txtJapanese->text()) : std::nullopt;
    auto comment = japanese ? ui::fromQOrWarn(this, txtComment->text()) : std::nullopt;
    if (!comment) return;
    edit_.rows().rewrite(selected_, *english, *japanese, *comment);
    table_->rowsChanged(selected_, selected_);
}

void TfrmEditDic::cmdDeleteClick() {
    if (!edit_.rows().valid(selected_)) {
        ui::platform().showMessage(this, QStringLiteral("選択されていません"));
        return;
    }
    const int row = selected_;
    quietSelection_ = true;
    table_->removeRowWith(row, [&] { edit_.remove(row); });
    quietSelection_ = false;
    clearSelection();
    clearEntryFields();
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
        selectRow(*found);
        lstData->setFocus();
        cmdNextFind->setEnabled(true);
    } else {
        ui::platform().showMessage(this, QStringLiteral("見つけることが出来ませんでした"));
        if (!next) cmdNextFind->setEnabled(false);
    }
    txtEnglish->setFocus();
}

void TfrmEditDic::cmdFindClick() {
    find(false);
}

void TfrmEditDic::cmdNextFindClick() {
    find(true);
}

void TfrmEditDic::cmdDicFormatClick() {
    if (!edit_.loaded()) return;
    setStatus(QStringLiteral(" >> 保存中・・・"));
    FileStatus status = edit_.save();
    if (status)
        ui::platform().showMessage(this, QStringLiteral("保存しました"));
    else
        ui::showOpenForSaveFailure(this, status.path(), status.reason());
    showLoadedStatus();
}

void TfrmEditDic::cmdCsvFormatClick() {
    if (!edit_.loaded()) return;
    std::optional<CsvTarget> target = askCsvTarget(this, dialogFolder(settings_, edit_.path()));
    if (!target) return;
    setStatus(QStringLiteral(" >> 保存中・・・"));
    FileStatus status = appendCsv(target->path, edit_.rows(), target->separator);
    if (status)
        ui::platform().showMessage(this, QStringLiteral("保存しました"));
    else
        ui::showOpenForSaveFailure(this, status.path(), status.reason());
    showLoadedStatus();
}

void TfrmEditDic::cmdCloseClick() {
    accept();
}

} // namespace qor
