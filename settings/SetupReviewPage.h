#pragma once
// The tab "復習" of the settings dialog: the daily review's target retention and the new
// words it brings in per day.

#include "settings/SetupPage.h"

class QSpinBox;

namespace qor {

class SetupReviewPage : public SetupPage {
    Q_OBJECT
public:
    SetupReviewPage(TUserSettings& settings, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

private:
    QSpinBox* spnTargetRetention;
    QSpinBox* spnNewWordsPerDay;
};

} // namespace qor
