#pragma once
// The choice of the user when the main window is first shown.

#include "settings/TUserSettings.h"
#include "settings/UserRegistry.h"

class QWidget;

namespace qor {

// Sets UserName and ShowUser of the record and counts the launch. Returns false when
// the learner closed the selection at the very first start: the program then ends and
// writes nothing.
bool selectUserAtStartup(QWidget* parent, const UserRegistry& registry, TUserSettings& settings);

} // namespace qor
