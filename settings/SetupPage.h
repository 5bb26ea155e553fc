#pragma once
// One tab of the settings dialog. Its showing fills the controls from the settings
// record; OK reads them into SetupValues, which the dialog copies into the record.

#include "settings/SetupValues.h"
#include "settings/TUserSettings.h"

#include <QWidget>

namespace qor {

class SetupPage : public QWidget {
    Q_OBJECT
public:
    SetupPage(TUserSettings& settings, QWidget* parent) : QWidget(parent), settings_(settings) {}

    // The dialog's showing: the controls from the record, the click rules run.
    virtual void FormShow() = 0;
    // OK: the controls into `v`. False when a typed text cannot be kept (the learner
    // was told).
    virtual bool readValues(SetupValues& v) = 0;

protected:
    TUserSettings& settings_;
};

} // namespace qor
