#pragma once
// Keeps the companion beside the main window: once a move, a new size or a maximize of
// the window has settled, the companion is told where the window's frame now ends
// ("POS;" over its channel), with the window's number for the window system, so that it
// stands at the corner and belongs to the window.

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace ui {
class Companion;
}

namespace qor {

class CompanionFollower : public QObject {
    Q_OBJECT
public:
    // companion(): the companion that runs, nullptr when none.
    CompanionFollower(QWidget& window, std::function<ui::Companion*()> companion);

    // Tells the companion where the window is now.
    void tellNow();
    // The wait for a move or a resize to settle: a dragged window is told once, where it
    // stops.
    static constexpr int kSettleMs = 100;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<ui::Companion*()> companion_;
    QTimer settle_;
};

} // namespace qor
