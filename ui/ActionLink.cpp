#include "ui/ActionLink.h"

#include <QAbstractButton>
#include <QAction>

namespace ui {

void linkButton(QAbstractButton* button, QAction* action) {
    QObject::connect(button, &QAbstractButton::clicked, action, [action] {
        if (action->isEnabled()) action->trigger();
    });
    auto follow = [button, action] { button->setEnabled(action->isEnabled()); };
    QObject::connect(action, &QAction::changed, button, follow);
    follow();
}

void linkTwin(QAction* twin, QAction* action) {
    twin->setCheckable(action->isCheckable());
    QObject::connect(twin, &QAction::triggered, action, [twin, action] {
        // The twin toggled itself; the action must end up in the same state and run.
        if (action->isCheckable()) action->setChecked(!twin->isChecked());
        action->trigger();
    });
    auto follow = [twin, action] {
        twin->setEnabled(action->isEnabled());
        twin->setVisible(action->isVisible());
        twin->setChecked(action->isChecked());
    };
    QObject::connect(action, &QAction::changed, twin, follow);
    QObject::connect(action, &QAction::toggled, twin, follow);
    follow();
}

} // namespace ui
