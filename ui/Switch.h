#pragma once
// What a switch does (a check box, a radio button, a toggle button) follows its state,
// not the way the state was changed: a mouse click, a key, a screen reader's "toggle"
// action and a change made by code all run it. The handler of a check box or a toggle
// button runs on every change; that of a radio button (or of any button of an exclusive
// group) when it becomes the chosen one.

#include <functional>

class QAbstractButton;
class QButtonGroup;

namespace ui {

void onToggled(QAbstractButton* button, std::function<void()> handler);

template <class Window>
void onToggled(QAbstractButton* button, Window* window, void (Window::*handler)()) {
    onToggled(button, [window, handler] { (window->*handler)(); });
}

// The buttons of an exclusive group (those in it now): the handler runs with the button's
// id when one of them becomes the chosen one.
void onChosen(QButtonGroup* group, std::function<void(int id)> handler);

template <class Window>
void onChosen(QButtonGroup* group, Window* window, void (Window::*handler)()) {
    onChosen(group, [window, handler](int) { (window->*handler)(); });
}

template <class Window>
void onChosen(QButtonGroup* group, Window* window, void (Window::*handler)(int)) {
    onChosen(group, [window, handler](int id) { (window->*handler)(id); });
}

// Sets a switch from code and runs its handlers once, also when it was in that state
// already: a window showing stored values brings what depends on the switch in line.
void setSwitch(QAbstractButton* button, bool on);

// Shows a state that is in force already (the default dictionary that the dictionary in
// use happens to be) without running what the switch does when a learner sets it.
void showSwitchState(QAbstractButton* button, bool on);

} // namespace ui
