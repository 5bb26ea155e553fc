#include "ui/Switch.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace ui {

namespace {

// One handler of a switch, a child of the button so that it goes with it.
class SwitchLink final : public QObject {
public:
    SwitchLink(QAbstractButton* button, std::function<void()> handler, bool chosenOnly)
        : QObject(button), handler_(std::move(handler)), chosenOnly_(chosenOnly) {
        connect(button, &QAbstractButton::toggled, this, &SwitchLink::run);
    }

    void run(bool on) const {
        if (on || !chosenOnly_) handler_();
    }

private:
    std::function<void()> handler_;
    bool chosenOnly_;
};

bool choosesOne(const QAbstractButton* button) {
    if (qobject_cast<const QRadioButton*>(button) || button->autoExclusive()) return true;
    return button->group() && button->group()->exclusive();
}

} // namespace

void onToggled(QAbstractButton* button, std::function<void()> handler) {
    new SwitchLink(button, std::move(handler), choosesOne(button));
}

void onChosen(QButtonGroup* group, std::function<void(int id)> handler) {
    for (QAbstractButton* button : group->buttons())
        new SwitchLink(button, [handler, id = group->id(button)] { handler(id); }, true);
}

void setSwitch(QAbstractButton* button, bool on) {
    if (button->isChecked() != on) {
        button->setChecked(on);
        return;
    }
    for (QObject* child : button->children()) {
        if (const auto* link = dynamic_cast<const SwitchLink*>(child)) link->run(on);
    }
}

void showSwitchState(QAbstractButton* button, bool on) {
    const QSignalBlocker quiet(button);
    button->setChecked(on);
}

} // namespace ui
