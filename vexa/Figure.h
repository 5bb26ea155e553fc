#pragma once
// The companion's figure: a small round fellow drawn in code, with a short animation
// for each "ANI;n" of the program and a moving mouth while he speaks.

#include <QElapsedTimer>
#include <QWidget>

class QTimer;

namespace vexa {

class Figure : public QWidget {
    Q_OBJECT
public:
    enum Animation {
        Idle = 0,
        Right = 1,     // jumps for joy under a red circle
        Wrong = 2,     // shakes his head beside a blue cross
        Search = 5,    // looks round with a magnifying glass
        Version = 9,   // spins once and shows the stars
        Accepted = 13, // nods with a green tick
        Tick = 14,     // a clock hand moves on
    };
    static constexpr int kAnimationMs = 1200;

    explicit Figure(QWidget* parent = nullptr);

    // Starts the animation of the number; false (and nothing changes) for one unknown.
    bool animate(int number);
    Animation animation() const { return animation_; }
    // The mouth moves for so long.
    void speak(int milliseconds);
    bool speaking() const;

    QSize sizeHint() const override { return {120, 130}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void step();
    double progress() const;  // 0 to 1 through the running animation

    Animation animation_ = Idle;
    QElapsedTimer clock_;
    QElapsedTimer speechClock_;
    int speechMs_ = 0;
    int tickCount_ = 0;
    QTimer* frames_ = nullptr;
};

} // namespace vexa
