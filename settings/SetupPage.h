#pragma once
// One tab of the settings dialog. Its showing fills the controls from the settings
// record; OK stores them into a copy of the record, which the dialog takes on when every
// tab could store its values.
//
// A control that shows one key of the table as it is (a switch, a number) is bound to
// the key: the page shows and stores it through the table, with nothing written out by
// hand. What a page does beyond that (a file stored empty while its box is unticked, a
// value kept while its switch is off) are its own small rules.

#include "settings/SettingKeys.h"
#include "settings/TUserSettings.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QSpinBox;

namespace qor {

class SetupPage : public QWidget {
    Q_OBJECT
public:
    SetupPage(TUserSettings& settings, QWidget* parent) : QWidget(parent), settings_(settings) {}

    // The dialog's showing: the controls from the record, the click rules run.
    virtual void FormShow() = 0;
    // OK: the controls into `next`, a copy of the record. False when a typed text
    // cannot be kept (the learner was told).
    virtual bool store(TUserSettings& next) = 0;

protected:
    // Binds a check box to a switch key. A box whose toggling enables others
    // (`hasDependents`) is shown after the plain ones, so that its rule acts on their
    // values.
    void bind(QCheckBox* box, const char* key, bool hasDependents = false);
    // Binds a spin box to a number key.
    void bind(QSpinBox* box, const char* key);
    // The bound controls from the record / into `next`.
    void showBound();
    void storeBound(TUserSettings& next) const;

    TUserSettings& settings_;

private:
    struct BoundBox {
        QCheckBox* box;
        const SettingKey* key;
        bool hasDependents;
    };
    struct BoundSpin {
        QSpinBox* spin;
        const SettingKey* key;
    };
    std::vector<BoundBox> boxes_;
    std::vector<BoundSpin> spins_;
};

} // namespace qor
