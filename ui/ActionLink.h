#pragma once
// A command that exists in several copies (a button, a toolbar button, menu entries)
// is one QAction; these links make the other copies follow it, so that all of them are
// always enabled, disabled and ticked together.

class QAbstractButton;
class QAction;

namespace ui {

// The button runs the action when clicked and is enabled exactly when the action is.
// Its own caption and hint stay as they are.
void linkButton(QAbstractButton* button, QAction* action);

// A menu entry with a caption of its own (a pop-up twin): it runs the action and
// follows its enabled state, visibility and tick.
void linkTwin(QAction* twin, QAction* action);

} // namespace ui
