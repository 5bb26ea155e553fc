#pragma once
// The main window's status bar and its four panels: the dictionary in use, the answer
// form hint, this month's rate and the schedule countdown; and at its right end the
// words of the dictionary in use due for review today. Panels 1 and 2 and the review
// panel hold their longest texts whole; panel 0 takes what the others leave.

class QLabel;
class QMenu;
class QMainWindow;
class QStatusBar;

namespace qor {

class MainStatusBar {
public:
    // Right-clicking the bar pops up `popup` (the view toggles).
    MainStatusBar(QMainWindow& window, QMenu* popup);

    QStatusBar* bar() const { return bar_; }
    QLabel* panel(int index) const { return panels_[index]; }
    // "復習 ： N語".
    QLabel* duePanel() const { return due_; }
    // Gives panel 0 the room the window's width leaves it.
    void fitWidth(int windowWidth);

private:
    double fontScale() const;
    int panelWidth(int index) const;

    QStatusBar* bar_ = nullptr;
    QLabel* panels_[4] = {};
    QLabel* due_ = nullptr;
};

} // namespace qor
