#pragma once
// Says which groups of the settings record changed, after the settings dialog's OK.
// Each window that shows a group subscribes and re-applies itself; nobody pushes
// settings into another window by hand.

#include "settings/SettingsGroups.h"

#include <QObject>

namespace qor {

class SettingsNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Emits `changed` with these groups; nothing when there are none.
    void notify(SettingsGroups groups) {
        if (!groups.empty()) emit changed(groups);
    }

signals:
    void changed(qor::SettingsGroups groups);
};

} // namespace qor
