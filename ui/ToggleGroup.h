#pragma once
// Toggle buttons of which at most one is down and all may be up (the importance
// buttons "1" to "5" of the verdict windows). A click on the button that is down
// raises it; a click on another one moves the pressed state there.

#include <QObject>
#include <vector>

class QPushButton;

namespace ui {

class ToggleGroup : public QObject {
    Q_OBJECT
public:
    explicit ToggleGroup(QObject* parent = nullptr);

    // The button becomes checkable; buttons are numbered 1, 2, ... in the order added.
    void addButton(QPushButton* button);
    // The number of the button that is down, 0 when all are up.
    int pressed() const;
    // Presses button `number`; 0 (or a number without a button) raises all.
    void setPressed(int number);
    // Unusable buttons are disabled; they look like buttons either way.
    void setUsable(bool usable);

private:
    void buttonToggled(QPushButton* button, bool down);

    std::vector<QPushButton*> buttons_;
};

} // namespace ui
