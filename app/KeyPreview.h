#pragma once
// Lets a window see the keys of its controls before they do, wherever the focus is: an
// application-wide event filter, as a filter on the window alone would not see the keys
// that its focused control takes, nor those of controls made later.

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace qor {

class KeyPreview : public QObject {
public:
    // The handler gets each key press meant for a control of the window (or the window),
    // with the control that has it; it returns true for a key it took.
    using Handler = std::function<bool(QWidget* control, QKeyEvent* key)>;

    // Lives as long as the window, its parent.
    KeyPreview(QWidget* window, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Handler handler_;
};

} // namespace qor
