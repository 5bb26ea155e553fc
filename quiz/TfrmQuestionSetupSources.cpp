#include "quiz/TfrmQuestionSetupSources.h"

#include "quiz/TfrmQuestionSetupFields.h"
#include "tools/TfrmCustomQuestion.h"
#include "ui/GaugeProgress.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/WindowOpen.h"
#include "words/DictionaryList.h"
#include "words/ImportanceFile.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qor {

// ---------------------------------------------------------------- custom list

SetupCustomListPart::SetupCustomListPart(DrillModes& modes, std::vector<std::string>& customLines,
                                         CurrentUserFiles user, const PathSettings& files,
                                         std::function<int()> wordCount, QWidget* parent)
    : QWidget(parent), modes_(modes), customLines_(customLines), user_(std::move(user)),
      files_(files), wordCount_(std::move(wordCount)) {
    setObjectName(QStringLiteral("customListPart"));
    const QString slow = QStringLiteral("ダイアログが表示されるまで時間がかかります");
    chkCustomQuestion_ = new QCheckBox(QStringLiteral("出題する単語を指定する (&V)"), this);
    chkCustomQuestion_->setObjectName(QStringLiteral("chkCustomQuestion"));
    chkCustomQuestion_->setToolTip(slow);
    cgProgress_ = ui::progressGauge(this, QStringLiteral("cgProgress"),
                                    QStringLiteral("出題する単語の一覧の読み込み"));
    cgProgress_->setToolTip(slow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(setup::kRowSpacing);
    layout->addWidget(chkCustomQuestion_);
    layout->addWidget(cgProgress_);

    ui::onToggled(chkCustomQuestion_, this, &SetupCustomListPart::chkCustomQuestionClick);
}

bool SetupCustomListPart::isOn() const {
    return chkCustomQuestion_->isChecked();
}

void SetupCustomListPart::switchOff() {
    if (chkCustomQuestion_->isChecked())
        ui::setSwitch(chkCustomQuestion_, false);
}

void SetupCustomListPart::setSwitchEnabled(bool enabled) {
    chkCustomQuestion_->setEnabled(enabled);
}

void SetupCustomListPart::resetGauge() {
    cgProgress_->setValue(0);
}

void SetupCustomListPart::chkCustomQuestionClick() {
    if (!chkCustomQuestion_->isChecked()) {
        emit switched(false);
        modes_.custom = false;
        return;
    }
    emit switched(true);
    ui::GaugeProgress gauge(cgProgress_);
    gauge.start(wordCount_());
    modes_.custom = true;

    bool chosen = false;
    int count = 0;
    ui::openWindow(window(), QStringLiteral("出題設定"), [&] {
        TfrmCustomQuestion dialog(list_, customLines_, files_.DicInUse, user_().folder(), window());
        auto progress = [this, &gauge](int done) {
            done > 0 ? gauge.step(std::min(done, cgProgress_->maximum())) : gauge.end();
        };
        if (dialog.FormShow(progress))
            chosen = ui::platform().showModal(dialog) == QDialog::Accepted;
        count = dialog.chosenCount();
    });
    gauge.end();
    if (chosen)
        emit this->chosen(count);
    else
        ui::setSwitch(chkCustomQuestion_, false);
}

// ---------------------------------------------------------------- importance

SetupImportancePart::SetupImportancePart(DrillModes& modes, CurrentUserFiles user,
                                         const PathSettings& files, QWidget* parent)
    : QWidget(parent), modes_(modes), user_(std::move(user)), files_(files) {
    setObjectName(QStringLiteral("importancePart"));
    chkImportantQuestion_ =
        new QCheckBox(QStringLiteral("指定した重要度の単語を出題する (&F)"), this);
    chkImportantQuestion_->setObjectName(QStringLiteral("chkImportantQuestion"));
    auto* levelRow = new QHBoxLayout;
    levelRow->setContentsMargins(24, 0, 0, 0);
    levelRow->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("cmd%1").arg(i + 1));
        b->setText(QString::number(i + 1));
        b->setCheckable(true);
        b->setFixedSize(28, 24);
        b->setAccessibleName(QStringLiteral("重要度 %1").arg(i + 1));
        cmdLevel_[static_cast<std::size_t>(i)] = b;
        levelRow->addWidget(b);
    }
    levelRow->addStretch(1);
    chkNormalImportant_ =
        new QCheckBox(QStringLiteral("すべて出題した後は、通常どおり辞書から出題する"), this);
    chkNormalImportant_->setObjectName(QStringLiteral("chkNormalImportant"));
    auto* normalRow = new QHBoxLayout;
    normalRow->setContentsMargins(24, 0, 0, 0);
    normalRow->addWidget(chkNormalImportant_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(setup::kRowSpacing);
    layout->addWidget(chkImportantQuestion_);
    layout->addLayout(levelRow);
    layout->addLayout(normalRow);

    chkImportantQuestion_->setEnabled(false);
    chkNormalImportant_->setEnabled(false);
    setLevelsEnabled(false);

    ui::onToggled(chkImportantQuestion_, this, &SetupImportancePart::chkImportantQuestionClick);
    ui::onToggled(chkNormalImportant_, [this] {
        modes_.importanceFollowOn = chkNormalImportant_->isChecked();
    });
}

bool SetupImportancePart::isOn() const {
    return chkImportantQuestion_->isChecked();
}

void SetupImportancePart::switchOff() {
    if (chkImportantQuestion_->isChecked())
        ui::setSwitch(chkImportantQuestion_, false);
}

void SetupImportancePart::setSwitchEnabled(bool enabled) {
    chkImportantQuestion_->setEnabled(enabled);
}

std::array<bool, 5> SetupImportancePart::chosenLevels() const {
    std::array<bool, 5> levels{};
    for (std::size_t i = 0; i < cmdLevel_.size(); ++i)
        levels[i] = cmdLevel_[i]->isChecked();
    return levels;
}

void SetupImportancePart::setLevelsEnabled(bool enabled) {
    for (QToolButton* b : cmdLevel_)
        b->setEnabled(enabled);
}

void SetupImportancePart::chkImportantQuestionClick() {
    if (!chkImportantQuestion_->isChecked()) {
        emit switched(false);
        chkNormalImportant_->setChecked(false);
        chkNormalImportant_->setEnabled(false);
        modes_.importanceFollowOn = false;
        modes_.importance = false;
        setLevelsEnabled(false);
        return;
    }
    emit switched(true);
    chkNormalImportant_->setEnabled(true);
    ImportanceFile file(user_().file(importanceFileName(dictionaryName(files_.DicInUse))));
    if (!file.readAll().status) {
        ui::platform().showNotice(window(),
                                  QStringLiteral("指定された辞書の単語には重要度が設定されていません"),
                                  QStringLiteral("選択不可能"), ui::kNoticeWarning);
        ui::setSwitch(chkImportantQuestion_, false);
        return;
    }
    modes_.importance = true;
    setLevelsEnabled(true);
}

} // namespace qor
