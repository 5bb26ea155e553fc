#include "settings/SetupPage.h"

#include "ui/Switch.h"

#include <QCheckBox>
#include <QSpinBox>
#include <stdexcept>

namespace qor {

void SetupPage::bind(QCheckBox* box, const char* key, bool hasDependents) {
    const SettingKey& k = settingKey(key);
    if (k.kind != SettingKind::Switch) throw std::logic_error("a check box needs a switch key");
    boxes_.push_back({box, &k, hasDependents});
}

void SetupPage::bind(QSpinBox* spin, const char* key) {
    const SettingKey& k = settingKey(key);
    if (k.kind != SettingKind::Number) throw std::logic_error("a spin box needs a number key");
    spins_.push_back({spin, &k});
}

void SetupPage::showBound() {
    for (const BoundBox& b : boxes_) {
        if (!b.hasDependents) b.box->setChecked(b.key->flag(settings_));
    }
    for (const BoundSpin& s : spins_)
        s.spin->setValue(s.key->number(settings_));
    for (const BoundBox& b : boxes_) {
        if (b.hasDependents) ui::setSwitch(b.box, b.key->flag(settings_));
    }
}

void SetupPage::storeBound(TUserSettings& next) const {
    for (const BoundBox& b : boxes_)
        b.key->flag(next) = b.box->isChecked();
    for (const BoundSpin& s : spins_)
        s.key->number(next) = s.spin->value();
}

} // namespace qor
