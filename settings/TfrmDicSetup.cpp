#include "settings/TfrmDicSetup.h"
#include "ui/DialogFrame.h"
#include "ui/Panels.h"

#include "settings/DefaultDictionaries.h"
#include "settings/DictionaryInUse.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "words/Dictionary.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qor {

TfrmDicSetup::TfrmDicSetup(TUserSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("辞書の表示設定"));
    ui::setDialogFrame(this);

    auto* banner = ui::banner(
        QStringLiteral("ここでは、他のダイアログでの\"単語の種類\"で表示される辞書を設定します"), this);
    auto* hint = new QLabel(QStringLiteral("[参照]を押して、辞書を選択してください"), this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < 4; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        auto* rowLabel = new QLabel(QStringLiteral("No.%1 ： ").arg(i + 1), this);
        // txtDicFile, txtDicFile_1 ... and so on for each control of the row.
        const QString suffix = i == 0 ? QString() : QStringLiteral("_%1").arg(i);
        txtDicFile[k] = new QLineEdit(this);
        txtDicFile[k]->setObjectName(QStringLiteral("txtDicFile") + suffix);
        txtDicFile[k]->setMinimumWidth(340);
        rowLabel->setBuddy(txtDicFile[k]);
        cmdSelectDic[k] = new QPushButton(QStringLiteral("参照"), this);
        cmdSelectDic[k]->setObjectName(QStringLiteral("cmdSelectDic") + suffix);
        cmdSelectDic[k]->setAutoDefault(false);
        cmdSelectDic[k]->setAccessibleName(QStringLiteral("No.%1 の参照").arg(i + 1));
        auto* captionLabel = new QLabel(QStringLiteral("キャプションの設定 ： "), this);
        txtCaption[k] = new QLineEdit(this);
        txtCaption[k]->setObjectName(QStringLiteral("txtCaption") + suffix);
        txtCaption[k]->setAccessibleName(QStringLiteral("No.%1 のキャプション").arg(i + 1));
        captionLabel->setBuddy(txtCaption[k]);

        const int row = i * 2;
        grid->addWidget(rowLabel, row, 0);
        grid->addWidget(txtDicFile[k], row, 1, 1, 2);
        grid->addWidget(cmdSelectDic[k], row, 3);
        grid->addWidget(captionLabel, row + 1, 1, Qt::AlignRight);
        grid->addWidget(txtCaption[k], row + 1, 2);
        if (i < 3)
            grid->setRowMinimumHeight(row + 1, 30);
        connect(cmdSelectDic[k], &QPushButton::clicked, this, [this, i] { cmdSelectDicClick(i); });
    }
    grid->setColumnStretch(2, 1);

    auto* note = new QLabel(QStringLiteral("\"キャプション設定\"は画面に表示する文字列です "
                                           "（長すぎると途切れる場合があります）"),
                            this);
    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    auto* buttons = ui::buttonRow({cmdOk, cmdCancel});

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 8, 12, 10);
    body->addWidget(hint);
    body->addSpacing(4);
    body->addLayout(grid);
    body->addSpacing(6);
    body->addWidget(note);
    body->addSpacing(6);
    body->addLayout(buttons);

    ui::layOutUnderHeading(this, banner, body, nullptr, ui::WindowSize::Fixed);

    connect(cmdOk, &QPushButton::clicked, this, &TfrmDicSetup::cmdOkClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmDicSetup::cmdCancelClick);
}

void TfrmDicSetup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmDicSetup::FormShow() {
    const DefaultDictionarySet set = defaultDictionaries(settings_.dicTypes);
    for (std::size_t i = 0; i < set.size(); ++i) {
        txtDicFile[i]->clear();
        txtCaption[i]->clear();
    }
    for (std::size_t i = 0; i < set.size(); ++i)
        txtCaption[i]->setText(ui::toQ(set[i].caption));
    for (std::size_t i = 0; i < set.size(); ++i)
        txtDicFile[i]->setText(ui::toQ(set[i].path));
}

void TfrmDicSetup::cmdSelectDicClick(int row) {
    if (row < 0 || row >= kDefaultDictionaries)
        return;
    auto current = ui::fromQ(txtDicFile[static_cast<std::size_t>(row)]->text());
    QString chosen = ui::platform().openFileName(this, QStringLiteral("辞書の選択"),
                                                 QStringLiteral("辞書ファイル (*.txt)|*.txt"),
                                                 dialogFolder(settings_, current.value_or("")));
    if (chosen.isEmpty())
        return;
    // The dictionary is remembered under its file name once it is chosen as a word type.
    auto chosenPath = DictionaryPicker::rememberablePath(this, chosen);
    if (!chosenPath)
        return;
    auto path = DictionaryPicker::offerCp932Copy(this, *chosenPath);
    if (!path)
        return;
    DictionaryTest test = testDictionaryFile(*path);
    switch (test.verdict) {
    case DictionaryVerdict::Accepted:
        txtDicFile[static_cast<std::size_t>(row)]->setText(ui::toQ(*path));
        break;
    case DictionaryVerdict::NotDictionary:
        ui::platform().showMessage(
            this, QStringLiteral("選択されたファイルは、Qor Helper用辞書ファイルではありません"));
        break;
    case DictionaryVerdict::Empty:
        ui::platform().showMessage(
            this, QStringLiteral("選択されたファイルには、何も書かれていません。\n"
                                 "まず、単語を１０語記入してから選択してください。"));
        break;
    case DictionaryVerdict::Unreadable:
        ui::showFileError(this, test.status.path(), test.status.reason());
        break;
    }
}

void TfrmDicSetup::cmdOkClick() {
    DefaultDictionarySet set;
    for (std::size_t i = 0; i < set.size(); ++i) {
        auto path = ui::fromQOrWarn(this, txtDicFile[i]->text());
        if (!path)
            return;
        auto caption = ui::fromQOrWarn(this, txtCaption[i]->text());
        if (!caption)
            return;
        set[i] = {*path, *caption};
    }
    switch (checkDefaultDictionaries(set)) {
    case DefaultDictionaryProblem::MissingPath:
        ui::platform().showMessage(this, QStringLiteral("辞書が指定されていない項目があります"));
        return;
    case DefaultDictionaryProblem::MissingCaption:
        ui::platform().showMessage(this,
                                   QStringLiteral("キャプション設定で未設定の項目があります"));
        return;
    case DefaultDictionaryProblem::None:
        break;
    }
    // The record takes the entries only once they are stored, so that a failed write
    // leaves both as they were and the dialog open.
    TUserSettings changed = settings_;
    setDefaultDictionaries(changed, set);
    if (FileStatus stored = saveDefaultDictionaries(changed); !stored) {
        ui::showFileError(this, stored.path(), stored.reason());
        return;
    }
    setDefaultDictionaries(settings_, set);
    accept();
}

void TfrmDicSetup::cmdCancelClick() {
    reject();
}

} // namespace qor
