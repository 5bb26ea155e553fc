#include "ui/ToggleGroup.h"

#include <QPushButton>

namespace ui {

ToggleGroup::ToggleGroup(QObject* parent) : QObject(parent) {}

void ToggleGroup::addButton(QPushButton* button) {
    button->setCheckable(true);
    buttons_.push_back(button);
    connect(button, &QPushButton::toggled, this,
            [this, button](bool down) { buttonToggled(button, down); });
}

int ToggleGroup::pressed() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]->isChecked())
            return static_cast<int>(i) + 1;
    }
    return 0;
}

void ToggleGroup::setPressed(int number) {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setChecked(static_cast<int>(i) + 1 == number);
}

void ToggleGroup::setUsable(bool usable) {
    // Unusable buttons are only greyed: a flat button would draw as a bare digit.
    for (QPushButton* b : buttons_)
        b->setEnabled(usable);
}

void ToggleGroup::buttonToggled(QPushButton* button, bool down) {
    if (!down)
        return;
    for (QPushButton* other : buttons_) {
        if (other != button)
            other->setChecked(false);
    }
}

} // namespace ui
