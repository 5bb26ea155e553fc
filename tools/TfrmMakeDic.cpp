#include "tools/TfrmMakeDic.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "settings/DefaultDictionaries.h"
#include "tools/TfrmEditDic.h"
#include "tools/TfrmNewText.h"
#include "tools/ToolDialogs.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "ui/WindowOpen.h"
#include "words/PhoneticSigns.h"
#include "words/WordEntry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qor {

namespace {

const QString kError = QStringLiteral("エラー");

QLineEdit* field(QWidget* parent, const QString& name) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    return f;
}

QLabel* note(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    return label;
}

QString indexedName(const char* base, int i) {
    QString name = QString::fromLatin1(base);
    return i == 0 ? name : name + QStringLiteral("_%1").arg(i);
}

// The caption of the two input method boxes: 日本語入力を"オン"にする.
const QString kImeCaption = QStringLiteral("日本語入力を\"オン\"にする");

} // namespace

TfrmMakeDic::TfrmMakeDic(UserFiles user, PathSettings& files, LookSettings look,
                         DefaultDictionaryTypes dicTypes, Tab tab, QWidget* parent)
    : QDialog(parent), user_(std::move(user)), files_(files), look_(std::move(look)),
      defaults_(std::move(dicTypes)), openingTab_(tab) {
    setWindowTitle(QStringLiteral("辞書の作成 / 発音記号の追加"));
    setObjectName(QStringLiteral("TfrmMakeDic"));
    ui::setDialogFrame(this);

    pcMakeDic = new QTabWidget(this);
    pcMakeDic->setObjectName(QStringLiteral("pcMakeDic"));
    pcMakeDic->addTab(buildWordTab(), QStringLiteral("辞書の作成 / 単語の追加"));
    pcMakeDic->addTab(buildSignTab(), QStringLiteral("発音記号の追加"));

    cmdAdd = ui::defaultButton(this, QStringLiteral("追加 (&A)"), "cmdAdd");
    cmdDicEdit = ui::commandButton(this, QStringLiteral("編集 (&E)"), "cmdDicEdit");
    cmdClose = ui::commandButton(this, QStringLiteral("閉じる (&C)"), "cmdClose");
    auto* buttons = ui::buttonRow({cmdAdd, cmdDicEdit, cmdClose});

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(8);
    body->addWidget(pcMakeDic);
    body->addLayout(buttons);

    ui::layOutUnderHeading(
        this, ui::banner(QStringLiteral("ここでは、辞書の作成 / 発音記号の追加を行います"), this),
        body, nullptr, ui::WindowSize::Fixed);

    connect(pcMakeDic, &QTabWidget::currentChanged, this, &TfrmMakeDic::pcMakeDicChange);
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmMakeDic::cmdAddClick);
    connect(cmdDicEdit, &QPushButton::clicked, this, &TfrmMakeDic::cmdDicEditClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmMakeDic::cmdCloseClick);
}

TfrmMakeDic::~TfrmMakeDic() = default;

QWidget* TfrmMakeDic::buildWordTab() {
    auto* page = new QWidget(this);

    rgDicType = new QGroupBox(QStringLiteral("単語の種類"), page);
    rgDicType->setObjectName(QStringLiteral("rgDicType"));
    dicTypes_ = new QButtonGroup(rgDicType);
    auto* types = new QGridLayout(rgDicType);
    types->setContentsMargins(8, 4, 8, 6);
    types->setHorizontalSpacing(16);
    for (int i = 0; i < kDefaultDictionaries; ++i) {
        auto* item = new QRadioButton(rgDicType);
        item->setObjectName(indexedName("rgDicType", i));
        dicTypes_->addButton(item, i);
        types->addWidget(item, i / 2, i % 2);
        dicTypeItems_[static_cast<std::size_t>(i)] = item;
    }
    ui::onChosen(dicTypes_, this, &TfrmMakeDic::rgDicTypeClick);

    txtDicFile = field(page, QStringLiteral("txtDicFile"));
    txtDicFile->setReadOnly(true);
    txtDicFile->setAccessibleName(QStringLiteral("追加先の辞書ファイル"));
    txtDicFile->setMinimumWidth(300);
    cmdNewText = ui::commandButton(page, QStringLiteral("&NEW"), "cmdNewText");
    cmdNewText->setToolTip(
        QStringLiteral("新しく辞書ファイルを作成する場合は、ここを押してください"));
    cmdSelectDicFile =
        ui::commandButton(page, QStringLiteral("ファイルの選択 (&S)"), "cmdSelectDicFile");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txtDicFile, 1);
    fileRow->addWidget(cmdNewText);
    fileRow->addWidget(cmdSelectDicFile);

    txtEnglish = field(page, QStringLiteral("txtEnglish"));
    txtJapanese = field(page, QStringLiteral("txtJapanese"));
    txtComment = field(page, QStringLiteral("txtComment"));
    txtComment->setMaxLength(100);
    chkJapaneseOn = new QCheckBox(kImeCaption, page);
    chkJapaneseOn->setObjectName(QStringLiteral("chkJapaneseOn"));
    chkJapaneseOn->setAccessibleName(QStringLiteral("英語の") + kImeCaption);
    chkJapaneseOn_1 = new QCheckBox(kImeCaption, page);
    chkJapaneseOn_1->setObjectName(QStringLiteral("chkJapaneseOn_1"));
    chkJapaneseOn_1->setAccessibleName(QStringLiteral("日本語の") + kImeCaption);
    chkJapaneseOn_1->setChecked(true);

    auto* words = new QGridLayout;
    words->setHorizontalSpacing(6);
    words->setVerticalSpacing(2);
    auto* englishLabel = new QLabel(QStringLiteral("英語 ： "), page);
    englishLabel->setBuddy(txtEnglish);
    auto* japaneseLabel = new QLabel(QStringLiteral("日本語 ： "), page);
    japaneseLabel->setBuddy(txtJapanese);
    words->addWidget(englishLabel, 0, 0, Qt::AlignRight);
    words->addWidget(txtEnglish, 0, 1);
    words->addWidget(note(page, QStringLiteral("例 ： publish,issue,brint out")), 1, 1);
    words->addWidget(chkJapaneseOn, 1, 2);
    words->setRowMinimumHeight(2, 4);
    words->addWidget(japaneseLabel, 3, 0, Qt::AlignRight);
    words->addWidget(txtJapanese, 3, 1);
    words->addWidget(note(page, QStringLiteral("例 ： 発行する,出版する")), 4, 1);
    words->addWidget(chkJapaneseOn_1, 4, 2);
    words->setColumnStretch(1, 1);

    auto* commentPrompt =
        new QLabel(QStringLiteral("１００文字以内のコメントを書いてください （オプション）"), page);
    commentPrompt->setBuddy(txtComment);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(rgDicType);
    layout->addSpacing(4);
    layout->addLayout(fileRow);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("追加したい単語を記入してください"), page));
    layout->addWidget(
        note(page, QStringLiteral("英語・日本語が複数ある場合は、コンマ( , )で区切ってください")));
    layout->addSpacing(2);
    layout->addLayout(words);
    layout->addWidget(note(
        page, QStringLiteral("注意 ： 英語・日本語に * = _ の記号を使用することはできません")));
    layout->addSpacing(6);
    layout->addWidget(commentPrompt);
    layout->addWidget(txtComment);
    layout->addStretch(1);

    connect(cmdNewText, &QPushButton::clicked, this, &TfrmMakeDic::cmdNewTextClick);
    connect(cmdSelectDicFile, &QPushButton::clicked, this, &TfrmMakeDic::cmdSelectDicFileClick);
    ui::onToggled(chkJapaneseOn, this, &TfrmMakeDic::chkJapaneseOnClick);
    ui::onToggled(chkJapaneseOn_1, this, &TfrmMakeDic::chkJapaneseOn_1Click);
    return page;
}

QWidget* TfrmMakeDic::buildSignTab() {
    auto* page = new QWidget(this);
    chkThisTabOnly = new QCheckBox(QStringLiteral("このタブのデータのみ追加する (&T)"), page);
    chkThisTabOnly->setObjectName(QStringLiteral("chkThisTabOnly"));

    auto* fileLabel = new QLabel(QStringLiteral("発音記号追加先のファイルを指定"), page);
    txtPhoneticSignFile = field(page, QStringLiteral("txtPhoneticSignFile"));
    txtPhoneticSignFile->setReadOnly(true);
    fileLabel->setBuddy(txtPhoneticSignFile);
    cmdSelectPhoneticSignFile =
        ui::commandButton(page, QStringLiteral("ファイルの選択 (&S)"), "cmdSelectPhoneticSignFile");
    cmdNewText_1 = ui::commandButton(page, QStringLiteral("&NEW"), "cmdNewText_1");
    cmdNewText_1->setToolTip(
        QStringLiteral("新しく発音記号ファイルを作成する場合は、ここを押してください"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txtPhoneticSignFile, 1);
    fileRow->addWidget(cmdNewText_1);
    fileRow->addWidget(cmdSelectPhoneticSignFile);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(4);
    rows->addWidget(new QLabel(QStringLiteral("英単語"), page), 0, 0);
    rows->addWidget(new QLabel(QStringLiteral("発音記号"), page), 0, 2);
    for (int i = 0; i < kSignRows; ++i) {
        auto* word = field(page, indexedName("txtVoc", i));
        word->setAccessibleName(QStringLiteral("英単語 %1").arg(i + 1));
        setJapaneseInput(word, false);
        auto* sign = field(page, indexedName("moPron", i));
        sign->setAccessibleName(QStringLiteral("発音記号 %1").arg(i + 1));
        setJapaneseInput(sign, false);
        txtVoc[static_cast<std::size_t>(i)] = word;
        moPron[static_cast<std::size_t>(i)] = sign;
        rows->addWidget(word, i + 1, 0);
        rows->addWidget(new QLabel(QStringLiteral("="), page), i + 1, 1);
        rows->addWidget(sign, i + 1, 2);
    }
    rows->setColumnStretch(0, 1);
    rows->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(chkThisTabOnly);
    layout->addSpacing(8);
    layout->addWidget(fileLabel);
    layout->addLayout(fileRow);
    layout->addSpacing(8);
    layout->addWidget(note(page, QStringLiteral("発音記号は５つまで同時に追加できます")));
    layout->addLayout(rows);
    layout->addStretch(1);

    ui::onToggled(chkThisTabOnly, this, &TfrmMakeDic::chkThisTabOnlyClick);
    connect(cmdSelectPhoneticSignFile, &QPushButton::clicked, this,
            &TfrmMakeDic::cmdSelectPhoneticSignFileClick);
    connect(cmdNewText_1, &QPushButton::clicked, this, &TfrmMakeDic::cmdNewText_1Click);
    return page;
}

void TfrmMakeDic::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !formShown_) FormShow();
}

void TfrmMakeDic::FormShow() {
    formShown_ = true;
    ui::setTextLook(txtEnglish, look_.FontEnglish, 0, look_.FontEnglishColor);
    ui::setTextLook(txtJapanese, look_.FontJapanese, 0, look_.FontJapaneseColor);
    ui::setTextLook(txtComment, look_.FontMessage, 0, look_.FontMessageColor);
    for (std::size_t i = 0; i < kSignRows; ++i) {
        ui::setTextLook(txtVoc[i], look_.FontEnglish, 0, look_.FontEnglishColor);
        ui::setTextLook(moPron[i], look_.FontPhoneticSign, 0, look_.FontPhoneticSignColor);
    }

    const DefaultDictionarySet defaults = defaultDictionaries(defaults_);
    const std::string inUse = dictionaryName(files_.DicInUse);
    int chosen = -1;
    for (std::size_t i = 0; i < defaults.size(); ++i) {
        ui::setUserCaption(dicTypeItems_[i], ui::toQ(defaults[i].caption));
        if (chosen < 0 && !files_.DicInUse.empty() && dictionaryName(defaults[i].path) == inUse)
            chosen = static_cast<int>(i);
    }
    checkDicType(chosen);

    setDictionaryPath(files_.DicInUse);
    setSignFilePath(files_.PhoneticSignFile);

    ui::setSwitch(chkJapaneseOn, false);
    ui::setSwitch(chkJapaneseOn_1, true);

    if (openingTab_ == Tab::Signs) {
        ui::setSwitch(chkThisTabOnly, true);
        pcMakeDic->setCurrentIndex(1);
        txtVoc[0]->setFocus();
    } else {
        pcMakeDic->setCurrentIndex(0);
        txtEnglish->setFocus();
    }
}

void TfrmMakeDic::setDictionaryPath(const std::string& path) {
    dictionaryPath_ = path;
    txtDicFile->setText(ui::toQ(path));
    txtDicFile->setToolTip(ui::toQ(path));
    // The end of a long path shows, the file name.
    txtDicFile->end(false);
}

void TfrmMakeDic::setSignFilePath(const std::string& path) {
    signFilePath_ = path;
    txtPhoneticSignFile->setText(ui::toQ(path));
    txtPhoneticSignFile->setToolTip(ui::toQ(path));
    txtPhoneticSignFile->end(false);
}

void TfrmMakeDic::checkDicType(int index) {
    // It shows the type of the file chosen; the file stays the one chosen. An exclusive
    // group keeps one item checked; lift that for a moment to clear it.
    dicTypes_->setExclusive(false);
    for (int i = 0; i < kDefaultDictionaries; ++i)
        ui::showSwitchState(dicTypeItems_[static_cast<std::size_t>(i)], i == index);
    dicTypes_->setExclusive(true);
}

void TfrmMakeDic::rgDicTypeClick(int index) {
    if (index < 0 || index >= kDefaultDictionaries) return;
    const std::string path = defaultDictionaries(defaults_)[static_cast<std::size_t>(index)].path;
    setDictionaryPath(path);
    files_.DicInUse = path;
    txtEnglish->setFocus();
}

void TfrmMakeDic::cmdSelectDicFileClick() {
    QString chosen = ui::platform().openFileName(this, QStringLiteral("ファイルの選択"),
                                                 QStringLiteral("辞書ファイル (*.txt)|*.txt"),
                                                 dialogFolder(user_, files_, dictionaryPath_));
    if (chosen.isEmpty()) return;
    auto path = ui::fromQOrWarn(this, chosen);
    if (!path) return;
    setDictionaryPath(*path);
    checkDicType(-1);
}

void TfrmMakeDic::cmdSelectPhoneticSignFileClick() {
    QString chosen =
        ui::platform().openFileName(this, QStringLiteral("ファイルの選択"),
                                    QStringLiteral("発音記号追加先ファイル (*.txt)|*.txt"),
                                    dialogFolder(user_, files_, signFilePath_));
    if (chosen.isEmpty()) return;
    if (auto path = ui::fromQOrWarn(this, chosen)) setSignFilePath(*path);
}

std::string TfrmMakeDic::makeNewTextFile(const std::string& nearPath) {
    std::string made;
    ui::openWindow(this, QStringLiteral("テキストファイルの新規作成"), [&] {
        TfrmNewText window(dialogFolder(user_, files_, nearPath),
                           QString::fromStdString(nativePath(user_.dataFolder() + "dictionary")),
                           this);
        ui::platform().showModal(window);
        made = window.createdPath();
    });
    return made;
}

void TfrmMakeDic::cmdNewTextClick() {
    // A file made here is what the learner wants to fill next: it becomes the target.
    std::string made = makeNewTextFile(dictionaryPath_);
    if (made.empty()) return;
    setDictionaryPath(made);
    checkDicType(-1);
}

void TfrmMakeDic::cmdNewText_1Click() {
    std::string made = makeNewTextFile(signFilePath_);
    if (!made.empty()) setSignFilePath(made);
}

void TfrmMakeDic::chkJapaneseOnClick() {
    setJapaneseInput(txtEnglish, chkJapaneseOn->isChecked());
}

void TfrmMakeDic::chkJapaneseOn_1Click() {
    setJapaneseInput(txtJapanese, chkJapaneseOn_1->isChecked());
}

void TfrmMakeDic::chkThisTabOnlyClick() {
    signOnly_ = chkThisTabOnly->isChecked();
}

void TfrmMakeDic::pcMakeDicChange(int index) {
    if (index != 1) return;
    // A text CP932 cannot hold leaves the rows as they are; adding it is refused anyway.
    auto english = ui::fromQ(txtEnglish->text());
    if (!english) return;
    const auto words = signTabWords(*english);
    for (std::size_t i = 0; i < words.size(); ++i)
        txtVoc[i]->setText(ui::toQ(words[i]));
}

void TfrmMakeDic::refuseEmpty(const QString& text, QLineEdit* field) {
    ui::platform().showNotice(this, text, kError, ui::kNoticeWarning);
    pcMakeDic->setCurrentIndex(0);
    field->setFocus();
}

void TfrmMakeDic::cmdAddClick() {
    if (!signOnly_) {
        if (txtEnglish->text().isEmpty())
            return refuseEmpty(QStringLiteral("英語が書かれていません"), txtEnglish);
        if (txtJapanese->text().isEmpty())
            return refuseEmpty(QStringLiteral("日本語が書かれていません"), txtJapanese);
    }
    // Every text is checked before anything is written, so that a refused character
    // never leaves half an add behind.
    std::string english, japanese, comment;
    if (!signOnly_) {
        auto e = ui::fromQOrWarn(this, txtEnglish->text());
        auto j = e ? ui::fromQOrWarn(this, txtJapanese->text()) : std::nullopt;
        auto c = j ? ui::fromQOrWarn(this, txtComment->text()) : std::nullopt;
        if (!c) return;
        english = *e;
        japanese = *j;
        comment = *c;
    }
    std::array<SignRowInput, kSignRows> rows;
    for (std::size_t i = 0; i < kSignRows; ++i) {
        auto word = ui::fromQOrWarn(this, txtVoc[i]->text());
        auto sign = word ? ui::fromQOrWarn(this, moPron[i]->text()) : std::nullopt;
        if (!sign) return;
        rows[i] = {*word, *sign};
    }

    // A target that is not set is named before anything is written.
    bool anySignLine = false;
    for (const SignRowInput& r : rows)
        anySignLine = anySignLine || !phoneticSignLine(r.word, r.sign).empty();
    if ((!signOnly_ && dictionaryPath_.empty()) || (anySignLine && signFilePath_.empty())) {
        ui::platform().showNotice(
            this,
            !signOnly_ && dictionaryPath_.empty()
                ? QStringLiteral("追加先の辞書ファイルが指定されていません。\n"
                                 "\"単語の種類\"か\"ファイルの選択\"で指定してください。")
                : QStringLiteral("発音記号追加先のファイルが指定されていません。\n"
                                 "\"ファイルの選択\"で指定してください。"),
            kError, ui::kNoticeWarning);
        return;
    }

    bool wordAdded = false;
    if (!signOnly_) {
        EnglishMatch duplicate = findEntryByEnglish(dictionaryPath_, english);
        if (!duplicate.status) {
            ui::showFileError(this, duplicate.status.path(), duplicate.status.reason());
            return;
        }
        bool add = true;
        if (duplicate.found) {
            ui::Button answer =
                ui::platform().showNotice(this, ui::toQ(duplicateQuestion(english, duplicate.line)),
                                          QStringLiteral("確認"), ui::kNoticeQuestion);
            if (answer != ui::Button::Yes) {
                add = false;
                txtEnglish->clear();
                txtJapanese->clear();
                txtComment->clear();
            }
        }
        if (add) {
            FileStatus appended =
                appendLine(dictionaryPath_, newEntryLine(english, japanese, comment));
            if (!appended) {
                // The learner must not believe the word was saved: say so, keep the fields.
                ui::platform().showNotice(this,
                                          QStringLiteral("単語を辞書に追加できませんでした。\n\n") +
                                              ui::toQ(appended.path()) + QStringLiteral("\n") +
                                              QString::fromStdString(appended.reason()),
                                          kError, ui::kNoticeWarning);
                return;
            }
            wordAdded = true;
        }
    }

    SignStep signs = addSignRows(signFilePath_, rows);
    if (!signs.status) {
        QString text = QStringLiteral("発音記号を追加できませんでした。");
        if (wordAdded)
            text += QStringLiteral("\n（単語 \"") + ui::toQ(english) +
                    QStringLiteral("\" は辞書に追加されています）");
        ui::platform().showNotice(this,
                                  text + QStringLiteral("\n\n") + ui::toQ(signs.status.path()) +
                                      QStringLiteral("\n") +
                                      QString::fromStdString(signs.status.reason()),
                                  kError, ui::kNoticeWarning);
        return;
    }

    if (auto report = makerReport(signOnly_, wordAdded, english, signs))
        ui::platform().showNotice(this, ui::toQ(*report), QStringLiteral("追加完了"),
                                  ui::kNoticeInformation);
    emptyAllFields();
    if (pcMakeDic->currentIndex() == 0)
        txtEnglish->setFocus();
    else
        txtVoc[0]->setFocus();
}

void TfrmMakeDic::emptyAllFields() {
    txtEnglish->clear();
    txtJapanese->clear();
    txtComment->clear();
    for (std::size_t i = 0; i < kSignRows; ++i) {
        txtVoc[i]->clear();
        moPron[i]->clear();
    }
}

void TfrmMakeDic::cmdDicEditClick() {
    ui::openWindow(this, QStringLiteral("辞書の編集"), [&] {
        TfrmEditDic editor(user_, files_, look_, dictionaryPath_, this);
        ui::platform().showModal(editor);
    });
}

void TfrmMakeDic::cmdCloseClick() {
    accept();
}

} // namespace qor
