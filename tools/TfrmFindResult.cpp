#include "tools/TfrmFindResult.h"

#include "sound/CompanionChannel.h"
#include "sound/Pronounce.h"
#include "tools/FindResultTable.h"
#include "tools/ToolDialogs.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/ShownText.h"
#include "ui/Text.h"
#include "words/PhoneticSigns.h"
#include "words/VocabularyBook.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>

namespace qor {

TfrmFindResult::TfrmFindResult(SoundSettings sound, PathSettings files, LookSettings look,
                               QWidget* parent)
    : QDialog(parent), files_(std::move(files)), look_(std::move(look)), sound_(std::move(sound)) {
    setWindowTitle(QStringLiteral("検索結果"));
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    pnlResult = ui::banner(QString(), this);
    pnlResult->setObjectName(QStringLiteral("pnlResult"));
    lblResult = new QLabel(this);
    lblResult->setObjectName(QStringLiteral("lblResult"));

    table_ = new FindResultTable(this);
    lstResult = reportView(this, table_, QStringLiteral("検索結果"));
    lstResult->setObjectName(QStringLiteral("lstResult"));
    lstResult->setColumnWidth(FindResultTable::English, 190);
    lstResult->setMinimumSize(420, 200);
    lblResult->setBuddy(lstResult);

    auto* lblPhoneticSign = new QLabel(QStringLiteral("発音記号"), this);
    moPhoneticSign = new QLineEdit(this);
    moPhoneticSign->setObjectName(QStringLiteral("moPhoneticSign"));
    moPhoneticSign->setReadOnly(true);
    moPhoneticSign->setAlignment(Qt::AlignCenter);
    lblPhoneticSign->setBuddy(moPhoneticSign);
    cmdPlayVoice = ui::commandButton(this, QStringLiteral("再生 (&P)"), "cmdPlayVoice");

    auto* lblComment = new QLabel(QStringLiteral("コメントの表示"), this);
    moComment = new QPlainTextEdit(this);
    moComment->setObjectName(QStringLiteral("moComment"));
    moComment->setReadOnly(true);
    moComment->setTabChangesFocus(true);
    lblComment->setBuddy(moComment);

    cmdClose = ui::defaultButton(this, QStringLiteral("閉じる (&C)"), "cmdClose");
    cmdVocBook = ui::commandButton(this, QStringLiteral("単語帳に追加 (&A)"), "cmdVocBook");

    auto* signRow = new QHBoxLayout;
    signRow->addWidget(moPhoneticSign, 1);
    signRow->addWidget(cmdPlayVoice);

    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(cmdVocBook);
    commandRow->addStretch(1);
    commandRow->addWidget(cmdClose);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(11, 6, 11, 11);
    content->addWidget(lblResult);
    content->addWidget(lstResult, 1);
    content->addSpacing(4);
    content->addWidget(lblPhoneticSign);
    content->addLayout(signRow);
    content->addSpacing(4);
    content->addWidget(lblComment);
    content->addWidget(moComment);
    content->addSpacing(4);
    content->addLayout(commandRow);

    ui::layOutUnderHeading(this, pnlResult, content, nullptr, ui::WindowSize::Resizable);
    resize(480, 540);

    connect(lstResult->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmFindResult::lstResultClick);
    connect(cmdPlayVoice, &QPushButton::clicked, this, &TfrmFindResult::cmdPlayVoiceClick);
    connect(cmdVocBook, &QPushButton::clicked, this, &TfrmFindResult::cmdVocBookClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmFindResult::cmdCloseClick);
}

void TfrmFindResult::setResults(std::string findString, std::vector<FoundWord> words) {
    findString_ = std::move(findString);
    table_->setWords(std::move(words));
}

const std::vector<FoundWord>& TfrmFindResult::words() const {
    return table_->words();
}

void TfrmFindResult::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmFindResult::FormShow() {
    ui::showText(moComment, QString());
    ui::showText(moPhoneticSign, QString());
    ui::setTextLook(moComment, look_.FontComment, look_.FontCommentSize,
                    look_.FontCommentColor);
    // Four lines of the comment font, so the height follows the font.
    moComment->setFixedHeight(QFontMetrics(moComment->font()).lineSpacing() * 4 + 12);
    ui::setTextLook(moPhoneticSign, look_.FontPhoneticSign, 0,
                    look_.FontPhoneticSignColor);
    QFont sign = moPhoneticSign->font();
    sign.setBold(true);
    moPhoneticSign->setFont(sign);
    ui::showText(pnlResult, ui::shownText(ui::toQ(findString_), ui::kShownLineMax) +
                                QStringLiteral(" の検索結果の表示"));
    lblResult->setText(QStringLiteral("%1個、見つかりました").arg(table_->rowCount()));
    cmdVocBook->setEnabled(files_.VocBookOn);
    cmdPlayVoice->setEnabled(sound_.VoiceOn);
    lstResult->setFocus();
}

const FoundWord* TfrmFindResult::selectedWord() const {
    const QModelIndexList rows = lstResult->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    const auto row = static_cast<std::size_t>(rows.constFirst().row());
    return row < words().size() ? &words()[row] : nullptr;
}

void TfrmFindResult::lstResultClick() {
    const FoundWord* word = selectedWord();
    if (!word)
        return;
    ui::showText(moComment, ui::toQ(word->comment));
    // A sign file that cannot be read shows no sign; the comment is shown all the same.
    PhoneticSign sign = findPhoneticSign(files_.PhoneticSignFile, word->english);
    if (sign.found)
        ui::showText(moPhoneticSign, ui::toQ(sign.sign));
    else if (sign.status)
        ui::showText(moPhoneticSign, QStringLiteral("========== no data =========="));
    else
        ui::showText(moPhoneticSign, QString());
}

void TfrmFindResult::cmdPlayVoiceClick() {
    if (!sound_.VoiceOn)
        return;
    const FoundWord* word = selectedWord();
    if (!word)
        return;
    ui::pronounce(voiceFor(sound_.VoiceType, sound_.HatsuonDir, word->english));
}

void TfrmFindResult::cmdVocBookClick() {
    std::vector<std::string> lines;
    lines.reserve(words().size());
    for (const FoundWord& w : words())
        lines.push_back(w.dictionaryLine());
    if (FileStatus status = appendToVocabularyBook(files_.VocBook, lines); !status) {
        // Nothing was written: the learner is told, and the command stays for another try.
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    cmdVocBook->setEnabled(false);
}

void TfrmFindResult::cmdCloseClick() {
    accept();
}

} // namespace qor
