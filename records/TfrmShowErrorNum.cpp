#include "records/TfrmShowErrorNum.h"

#include "base/TextFile.h"
#include "records/ErrorRanking.h"
#include "records/RecordFiles.h"
#include "records/WindowParts.h"
#include "ui/DataLabel.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace qor {

TfrmShowErrorNum::TfrmShowErrorNum(UserFiles user, PathSettings files, LookSettings look,
                                   QWidget* parent)
    : QDialog(parent), look_(std::move(look)), files_(std::move(files)), user_(std::move(user)) {
    setWindowTitle(QStringLiteral("不正解数の詳細"));
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    QLabel* dicLabel = nullptr;
    cboDicFile = dictionaryCombo(dictionaries_, this, &dicLabel);
    cmdView = new QPushButton(QStringLiteral("表示 (&V)"), this);
    cmdView->setObjectName(QStringLiteral("cmdView"));
    cmdView->setDefault(true);
    auto* dicRow = new QHBoxLayout;
    dicRow->addWidget(dicLabel);
    dicRow->addWidget(cboDicFile, 1);
    dicRow->addWidget(cmdView);

    // The five places: "１：" English Japanese " ： n" "回".
    auto* places = new QFrame(this);
    places->setFrameShape(QFrame::StyledPanel);
    places->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(places);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    const QFont english = ui::fontFor(look_.FontQuestion, font().pointSize() + 1);
    const QFont japanese = ui::fontFor(look_.FontAnswer, font().pointSize() + 1);
    static const char* marks[kPlaces] = {"１：", "２：", "３：", "４：", "５："};
    for (int i = 0; i < kPlaces; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const QString n = QString::number(i + 1);
        auto* mark = new QLabel(QString::fromUtf8(marks[i]), places);
        lblEnglish[k] = new QLabel(places);
        lblEnglish[k]->setObjectName(QStringLiteral("lblEnglish_") + n);
        lblEnglish[k]->setFont(english);
        lblJapanese[k] = new QLabel(places);
        lblJapanese[k]->setObjectName(QStringLiteral("lblJapanese_") + n);
        lblJapanese[k]->setFont(japanese);
        lblNum[k] = new QLabel(places);
        lblNum[k]->setObjectName(QStringLiteral("lblNum_") + n);
        lblNum[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* unit = new QLabel(QStringLiteral("回"), places);
        // Long words wrap inside their column instead of widening the window without end.
        for (QLabel* word : {lblEnglish[k], lblJapanese[k]}) {
            word->setWordWrap(true);
            word->setMinimumWidth(150);
            word->setMaximumWidth(260);
            word->setTextInteractionFlags(Qt::TextSelectableByMouse);
            word->setTextFormat(Qt::PlainText);
        }
        ui::showsData(lblEnglish[k], QStringLiteral("%1位の英語").arg(i + 1));
        ui::showsData(lblJapanese[k], QStringLiteral("%1位の日本語").arg(i + 1));
        ui::showsData(lblNum[k], QStringLiteral("%1位の不正解数").arg(i + 1));
        grid->addWidget(mark, i, 0, Qt::AlignTop);
        grid->addWidget(lblEnglish[k], i, 1);
        grid->addWidget(lblJapanese[k], i, 2);
        grid->addWidget(lblNum[k], i, 3);
        grid->addWidget(unit, i, 4);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    auto* buttons = ui::buttonRow({cmdClose});

    auto* body = new QVBoxLayout;
    body->setSpacing(10);
    body->addLayout(dicRow);
    body->addWidget(places);
    body->addLayout(buttons);

    layOutToolWindow(this, QStringLiteral("ここでは、不正解数の多い単語を順に５語表示します"), body,
                     true);
    emptyPlaces();
    onFirstShow(this, [this] { FormShow(); });
    connect(cmdView, &QPushButton::clicked, this, &TfrmShowErrorNum::cmdViewClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmShowErrorNum::cmdCloseClick);
}

void TfrmShowErrorNum::emptyPlaces() {
    for (int i = 0; i < kPlaces; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        lblEnglish[k]->clear();
        lblJapanese[k]->clear();
        lblNum[k]->setText(QStringLiteral(" ： "));
    }
}

void TfrmShowErrorNum::FormShow() {
    emptyPlaces();
    cboDicFile->showListed(files_.DicInUse);
    showDetail(fileNameOf(files_.DicInUse));
}

void TfrmShowErrorNum::cmdViewClick() {
    if (std::optional<std::string> name = cboDicFile->typedName())
        showDetail(*name);
}

void TfrmShowErrorNum::showDetail(const std::string& dicFileName) {
    FileStatus status;
    const Ranking ranking = ErrorRanking::read(user_.folder(), dicFileName, &status);
    if (!status) {
        emptyPlaces();
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    for (int i = 0; i < kPlaces; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const WordKeyParts word = splitWordKey(ranking[k].word);
        // The columns are narrow: a long word shows the start of it.
        ui::showText(lblEnglish[k], ui::toQ(word.english), ui::kShownLineMax);
        ui::showText(lblJapanese[k], ui::toQ(word.japanese), ui::kShownLineMax);
        lblNum[k]->setText(QStringLiteral(" ： ") + QString::number(ranking[k].count));
    }
}

void TfrmShowErrorNum::cmdCloseClick() {
    accept();
}

} // namespace qor
