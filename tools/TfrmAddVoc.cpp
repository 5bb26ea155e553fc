#include "tools/TfrmAddVoc.h"

#include "base/TextFile.h"
#include "tools/AddWord.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <optional>

namespace qor {

namespace {

// A caption above its field.
QLabel* captionFor(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

// Latin input for the English and the sign, Japanese input for the meaning: hints only,
// as far as the input method follows them.
void preferLatin(QWidget* field) {
    field->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
}

} // namespace

TfrmAddVoc::TfrmAddVoc(PathSettings files, LookSettings look, std::string dictionaryPath,
                       std::string findString, QWidget* parent)
    : QDialog(parent), look_(std::move(look)), files_(std::move(files)),
      dicPath_(std::move(dictionaryPath)), findString_(std::move(findString)) {
    setWindowTitle(QStringLiteral("単語の追加"));
    ui::setDialogFrame(this);
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    auto* banner =
        ui::banner(QStringLiteral("ここでは、検索で見つからなかった単語の追加を行います"), this);

    txtDicFile = new QLineEdit(this);
    txtDicFile->setObjectName(QStringLiteral("txtDicFile"));
    txtDicFile->setReadOnly(true);
    txtDicFile->setMinimumWidth(420);
    txtEnglish = new QLineEdit(this);
    txtEnglish->setObjectName(QStringLiteral("txtEnglish"));
    preferLatin(txtEnglish);
    moPhoneticSign = new QPlainTextEdit(this);
    moPhoneticSign->setObjectName(QStringLiteral("moPhoneticSign"));
    moPhoneticSign->setTabChangesFocus(true);
    moPhoneticSign->setLineWrapMode(QPlainTextEdit::NoWrap);
    preferLatin(moPhoneticSign);
    txtJapanese = new QLineEdit(this);
    txtJapanese->setObjectName(QStringLiteral("txtJapanese"));
    txtComment = new QLineEdit(this);
    txtComment->setObjectName(QStringLiteral("txtComment"));

    cmdAdd = ui::defaultButton(this, QStringLiteral("追加 (&A)"), "cmdAdd");
    cmdCancel = ui::commandButton(this, QStringLiteral("キャンセル"), "cmdCancel");

    auto* fields = new QVBoxLayout;
    fields->setContentsMargins(11, 8, 11, 11);
    fields->setSpacing(3);
    const struct {
        const char* caption;
        QWidget* field;
    } rows[] = {
        {"追加先の辞書 （変更はできません）", txtDicFile},
        {"追加する英語", txtEnglish},
        {"発音記号 （オプション）", moPhoneticSign},
        {"追加する日本語", txtJapanese},
        {"コメントの記入 （オプション）", txtComment},
    };
    for (const auto& row : rows) {
        fields->addWidget(captionFor(QString::fromUtf8(row.caption), row.field, this));
        fields->addWidget(row.field);
        fields->addSpacing(6);
    }
    auto* buttons = ui::buttonRow({cmdAdd, cmdCancel});
    fields->addLayout(buttons);

    ui::layOutUnderHeading(this, banner, fields, nullptr, ui::WindowSize::Fixed);

    connect(txtEnglish, &QLineEdit::textChanged, this, &TfrmAddVoc::txtEnglishChange);
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmAddVoc::cmdAddClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmAddVoc::cmdCancelClick);
}

void TfrmAddVoc::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmAddVoc::FormShow() {
    signOn_ = false;
    moPhoneticSign->setEnabled(false);
    clearFields();
    txtEnglish->setFont(ui::fontFor(look_.FontEnglish, font().pointSize()));
    txtJapanese->setFont(ui::fontFor(look_.FontJapanese, font().pointSize()));
    txtComment->setFont(ui::fontFor(look_.FontMessage, font().pointSize()));
    moPhoneticSign->setFont(ui::fontFor(look_.FontPhoneticSign, font().pointSize()));
    // Two lines of the sign font: one sign is stored, a second line shows it is not.
    moPhoneticSign->setFixedHeight(QFontMetrics(moPhoneticSign->font()).lineSpacing() * 2 + 12);
    txtDicFile->setText(ui::toQ(dicPath_));
    txtDicFile->setCursorPosition(0);
    txtEnglish->setText(ui::toQ(findString_));  // applies the comma rule
    txtEnglishChange();
    txtJapanese->setText(ui::toQ(findString_));
    txtEnglish->setFocus();
}

void TfrmAddVoc::clearFields() {
    txtEnglish->clear();
    txtJapanese->clear();
    moPhoneticSign->clear();
    txtComment->clear();
}

void TfrmAddVoc::txtEnglishChange() {
    // Several forms of a word ("run,dash") share no one sign.
    std::optional<std::string> english = ui::fromQ(txtEnglish->text());
    signOn_ = !english || takesPhoneticSign(*english);
    if (!signOn_)
        moPhoneticSign->clear();
    moPhoneticSign->setEnabled(signOn_);
}

void TfrmAddVoc::cmdAddClick() {
    auto refuse = [this](const QString& message, QWidget* field) {
        ui::platform().showMessage(this, message);
        field->setFocus();
    };
    if (txtEnglish->text().isEmpty())
        return refuse(QStringLiteral("英語が書かれていません"), txtEnglish);
    if (txtJapanese->text().isEmpty())
        return refuse(QStringLiteral("日本語が書かれていません"), txtJapanese);

    // Text that Shift-JIS cannot hold is refused before anything is written.
    std::optional<std::string> english = ui::fromQOrWarn(this, txtEnglish->text());
    if (!english)
        return txtEnglish->setFocus();
    std::optional<std::string> japanese = ui::fromQOrWarn(this, txtJapanese->text());
    if (!japanese)
        return txtJapanese->setFocus();
    std::optional<std::string> comment = ui::fromQOrWarn(this, txtComment->text());
    if (!comment)
        return txtComment->setFocus();
    std::optional<std::string> sign = std::string();
    if (signOn_) {
        sign = ui::fromQOrWarn(this, moPhoneticSign->toPlainText().section(QLatin1Char('\n'), 0, 0));
        if (!sign)
            return moPhoneticSign->setFocus();
    }

    // A separator inside a part would split the new line elsewhere when it is read back.
    switch (checkNewWord(*english, *japanese)) {
    case NewWordProblem::EqualsInEnglish:
        return refuse(QStringLiteral("英語に「=」は使えません。\n"
                                     "（「=」は、英語と日本語の区切りです）"),
                      txtEnglish);
    case NewWordProblem::StarInJapanese:
        return refuse(QStringLiteral("日本語に「*」は使えません。\n"
                                     "（「*」は、日本語とコメントの区切りです）"),
                      txtJapanese);
    default:
        break;
    }

    EnglishMatch duplicate = findEntryByEnglish(dicPath_, *english);
    if (!duplicate.status) {
        ui::showFileError(this, duplicate.status.path(), duplicate.status.reason());
        return;
    }
    bool addEntry = true;
    if (duplicate.found) {
        addEntry = ui::platform().showNotice(this, ui::toQ(duplicateQuestion(*english, duplicate.line)),
                                             QStringLiteral("追加の確認"),
                                             ui::kNoticeOkCancel) == ui::Button::Ok;
    }
    if (addEntry) {
        // A failed append is told, and the fields stay for another try.
        if (FileStatus written = appendLine(dicPath_, newEntryLine(*english, *japanese, *comment));
            !written) {
            ui::showFileError(this, written.path(), written.reason());
            return;
        }
    }

    // The sign is stored also when the learner called the entry off.
    SignResult signStep;
    if (signOn_)
        signStep = addPhoneticSign(files_.PhoneticSignFile, *english, *sign);
    if (signStep.outcome == SignOutcome::Failed)
        ui::showFileError(this, signStep.status.path(), signStep.status.reason());
    ui::platform().showMessage(this, ui::toQ(additionReport(*english, addEntry, signStep.outcome)));
    // A sign not stored keeps the fields, so it can be tried again.
    if (signStep.outcome != SignOutcome::Failed)
        clearFields();
    txtEnglish->setFocus();
}

void TfrmAddVoc::cmdCancelClick() {
    reject();
}

} // namespace qor
