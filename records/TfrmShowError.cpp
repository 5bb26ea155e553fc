#include "records/TfrmShowError.h"

#include "sound/CompanionChannel.h"
#include "sound/Pronounce.h"
#include "words/VocabularyBook.h"
#include "ui/DataLabel.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qor {

namespace {

QLabel* sunkenPanel(QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMargin(3);
    return panel;
}

} // namespace

TfrmShowError::TfrmShowError(ErrorReviewInput input, ErrorReviewSettings settings, QWidget* parent)
    : QDialog(parent), input_(std::move(input)), settings_(std::move(settings)) {
    setWindowTitle(QStringLiteral("あなたの間違えは、、、"));
    ui::setDialogFrame(this);
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    pnlHazureNum = new QLabel(this);
    pnlHazureNum->setObjectName(QStringLiteral("pnlHazureNum"));
    pnlHazureNum->setAlignment(Qt::AlignCenter);
    pnlHazureNum->setAutoFillBackground(true);
    pnlHazureNum->setMargin(8);
    QPalette black = pnlHazureNum->palette();
    black.setColor(QPalette::Window, Qt::black);
    pnlHazureNum->setPalette(black);
    ui::setLabelLook(pnlHazureNum, Qt::white, 13);

    lstError = new QTreeWidget(this);
    lstError->setObjectName(QStringLiteral("lstError"));
    lstError->setColumnCount(2);
    lstError->setHeaderLabels({QStringLiteral("問題"), QStringLiteral("正解")});
    lstError->setRootIsDecorated(false);
    lstError->setUniformRowHeights(true);
    lstError->setAllColumnsShowFocus(true);
    lstError->setSelectionMode(QAbstractItemView::SingleSelection);
    lstError->header()->setStretchLastSection(true);
    lstError->header()->setSectionsMovable(false);
    lstError->setColumnWidth(0, 190);
    lstError->setAccessibleName(QStringLiteral("間違えた単語"));
    lstError->setMinimumHeight(200);

    moComment = new QPlainTextEdit(this);
    moComment->setObjectName(QStringLiteral("moComment"));
    moComment->setReadOnly(true);
    moComment->setTabChangesFocus(true);
    moComment->setAccessibleName(QStringLiteral("コメント"));

    pnlDayNum = sunkenPanel(this);
    pnlDayNum->setObjectName(QStringLiteral("pnlDayNum"));
    ui::showsData(pnlDayNum, QStringLiteral("今日間違えた回数"));
    pnlMonthNum = sunkenPanel(this);
    pnlMonthNum->setObjectName(QStringLiteral("pnlMonthNum"));
    ui::showsData(pnlMonthNum, QStringLiteral("今月間違えた回数"));

    cmdVocBook = new QPushButton(QStringLiteral("単語帳に追加 (&A)"), this);
    cmdVocBook->setObjectName(QStringLiteral("cmdVocBook"));
    cmdVocBook->setAutoDefault(false);
    cmdVoicePlay = new QPushButton(QStringLiteral("再生 (&V)"), this);
    cmdVoicePlay->setObjectName(QStringLiteral("cmdVoicePlay"));
    cmdVoicePlay->setAutoDefault(false);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    cmdClose->setAutoDefault(true);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(pnlDayNum, 1);
    countRow->addWidget(pnlMonthNum, 1);

    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(cmdVocBook);
    commandRow->addWidget(cmdVoicePlay);
    commandRow->addStretch(1);
    commandRow->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pnlHazureNum);
    layout->addWidget(lstError, 1);
    layout->addWidget(moComment);
    layout->addLayout(countRow);
    layout->addSpacing(4);
    layout->addLayout(commandRow);
    resize(460, 470);

    // On showing: the list of the last drill's misses.
    ui::setTextLook(moComment, settings_.look.FontComment, settings_.look.FontCommentSize,
                    settings_.look.FontCommentColor);
    // Four lines of the comment font, so the height follows the font.
    moComment->setFixedHeight(QFontMetrics(moComment->font()).lineSpacing() * 4 + 12);
    pnlHazureNum->setText(QStringLiteral("あなたは、%1問間違えました").arg(input_.wrongCount));
    rows_ = reviewRows(input_.missedLines, input_.wrongCount, input_.direction);
    for (const ReviewRow& row : rows_) {
        auto* item = new QTreeWidgetItem(lstError);
        const QString texts[2] = {ui::toQ(row.question), ui::toQ(row.answer)};
        for (int c = 0; c < 2; ++c) {
            item->setText(c, ui::shownText(texts[c]));
            item->setToolTip(c, ui::shownCell(texts[c], Qt::ToolTipRole).toString());
        }
    }
    cmdVocBook->setEnabled(settings_.files.VocBookOn);
    cmdVoicePlay->setEnabled(settings_.sound.VoiceOn);

    connect(lstError, &QTreeWidget::itemSelectionChanged, this, &TfrmShowError::lstErrorClick);
    connect(cmdVocBook, &QPushButton::clicked, this, &TfrmShowError::cmdVocBookClick);
    connect(cmdVoicePlay, &QPushButton::clicked, this, &TfrmShowError::cmdVoicePlayClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmShowError::cmdCloseClick);
}

const ReviewRow* TfrmShowError::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = lstError->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    int index = lstError->indexOfTopLevelItem(selected.first());
    if (index < 0 || static_cast<std::size_t>(index) >= rows_.size())
        return nullptr;
    return &rows_[static_cast<std::size_t>(index)];
}

void TfrmShowError::lstErrorClick() {
    const ReviewRow* row = selectedRow();
    if (!row)
        return;
    ui::showText(moComment, ui::toQ(row->comment));
    MissCounts counts =
        missCounts(settings_.user.folder(), input_.dictionaryName, row->wordKey(), input_.today);
    pnlDayNum->setText(QStringLiteral("今日間違えた回数 ： %1回").arg(counts.today));
    pnlMonthNum->setText(QStringLiteral("今月間違えた回数 ： %1回").arg(counts.month));
}

void TfrmShowError::cmdVocBookClick() {
    std::vector<std::string> lines;
    lines.reserve(rows_.size());
    for (const ReviewRow& row : rows_)
        lines.push_back(row.dictionaryLine());
    if (!lines.empty()) {
        if (FileStatus status = appendToVocabularyBook(settings_.files.VocBook, lines); !status) {
            // Nothing was written; the learner can try again.
            ui::showFileError(this, status.path(), status.reason());
            return;
        }
    }
    cmdVocBook->setEnabled(false);
}

void TfrmShowError::cmdVoicePlayClick() {
    if (!settings_.sound.VoiceOn)
        return;
    const ReviewRow* row = selectedRow();
    if (!row)
        return;
    ui::pronounce(voiceFor(settings_.sound.VoiceType, settings_.sound.HatsuonDir, row->english));
}

void TfrmShowError::cmdCloseClick() {
    accept();
}

} // namespace qor
