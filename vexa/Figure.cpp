#include "vexa/Figure.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <cmath>

namespace vexa {

namespace {

constexpr double kPi = 3.14159265358979323846;

void drawStar(QPainter& p, QPointF centre, double radius) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        double r = i % 2 ? radius * 0.45 : radius;
        double a = -kPi / 2 + i * kPi / 5;
        QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0) star.moveTo(pt);
        else star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(0xc0, 0x90, 0x00), 1));
    p.setBrush(QColor(0xff, 0xd0, 0x30));
    p.drawPath(star);
}

} // namespace

Figure::Figure(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("figure"));
    setFixedSize(sizeHint());
    frames_ = new QTimer(this);
    frames_->setInterval(33);
    connect(frames_, &QTimer::timeout, this, &Figure::step);
    // Now and then he blinks; between animations nothing else needs drawing.
    auto* blink = new QTimer(this);
    blink->setInterval(4000);
    connect(blink, &QTimer::timeout, this, [this] {
        clock_.start();
        if (animation_ == Idle) frames_->start();
    });
    blink->start();
    clock_.start();
}

bool Figure::animate(int number) {
    switch (number) {
    case Right:
    case Wrong:
    case Search:
    case Version:
    case Accepted:
        break;
    case Tick:
        ++tickCount_;
        break;
    default:
        return false;
    }
    animation_ = static_cast<Animation>(number);
    clock_.start();
    frames_->start();
    update();
    return true;
}

void Figure::speak(int milliseconds) {
    speechMs_ = milliseconds;
    speechClock_.start();
    frames_->start();
    update();
}

bool Figure::speaking() const {
    return speechMs_ > 0 && speechClock_.isValid() && speechClock_.elapsed() < speechMs_;
}

double Figure::progress() const {
    return std::min(1.0, static_cast<double>(clock_.elapsed()) / kAnimationMs);
}

void Figure::step() {
    const bool blinking = animation_ == Idle && clock_.elapsed() < 200;
    if (animation_ != Idle && clock_.elapsed() >= kAnimationMs) animation_ = Idle;
    if (animation_ == Idle && !speaking() && !blinking) frames_->stop();
    update();
}

void Figure::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect().adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(0xc8, 0xb0, 0x70), 1.5));
    p.setBrush(QColor(0xff, 0xf8, 0xe0));
    p.drawRoundedRect(area, 12, 12);

    const double t = progress();
    const bool running = animation_ != Idle;
    double dx = 0, dy = 0, turn = 0;
    if (running) {
        switch (animation_) {
        case Right: dy = -16 * std::abs(std::sin(t * 2 * kPi)); break;
        case Wrong: dx = 7 * std::sin(t * 6 * kPi) * (1 - t); break;
        case Accepted: dy = 5 * std::sin(t * 4 * kPi); break;
        case Version: turn = 360 * t; break;
        case Tick: dx = 2 * std::sin(t * 2 * kPi); break;
        default: break;
        }
    }

    // The sign above his head.
    const QPointF sign(60, 20);
    if (running && animation_ == Right) {
        p.setPen(QPen(QColor(0xe0, 0x20, 0x20), 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(sign, 6 + 6 * std::min(1.0, t * 3), 6 + 6 * std::min(1.0, t * 3));
    } else if (running && animation_ == Wrong) {
        p.setPen(QPen(QColor(0x20, 0x50, 0xe0), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(sign + QPointF(-10, -10), sign + QPointF(10, 10));
        p.drawLine(sign + QPointF(10, -10), sign + QPointF(-10, 10));
    } else if (running && animation_ == Accepted) {
        p.setPen(QPen(QColor(0x20, 0xa0, 0x30), 4, Qt::SolidLine, Qt::RoundCap));
        double grow = std::min(1.0, t * 2);
        p.drawLine(sign + QPointF(-11, 0), sign + QPointF(-3, 8));
        p.drawLine(sign + QPointF(-3, 8), sign + QPointF(-3 + 15 * grow, 8 - 18 * grow));
    } else if (running && animation_ == Tick) {
        const QPointF c(96, 22);
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
        p.setBrush(Qt::white);
        p.drawEllipse(c, 12, 12);
        double angle = (tickCount_ % 12) * 30 + 30 * std::min(1.0, t * 4);
        double a = (angle - 90) * kPi / 180;
        p.drawLine(c, c + QPointF(9 * std::cos(a), 9 * std::sin(a)));
    }

    p.save();
    const QPointF centre(60 + dx, 78 + dy);
    p.translate(centre);
    p.rotate(turn);

    // Body.
    p.setPen(QPen(QColor(0x2a, 0x60, 0xa8), 2));
    p.setBrush(QColor(0x5a, 0xa0, 0xe6));
    p.drawEllipse(QPointF(0, 0), 34, 32);
    // Feet.
    p.setBrush(QColor(0x2a, 0x60, 0xa8));
    p.drawEllipse(QPointF(-16, 31), 9, 5);
    p.drawEllipse(QPointF(16, 31), 9, 5);

    // Eyes, looking where the magnifying glass goes.
    double look = running && animation_ == Search ? std::cos(t * 2 * kPi) * 3 : 0;
    const bool eyesShut = !running && clock_.elapsed() < 150;
    for (double ex : {-12.0, 12.0}) {
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
        if (eyesShut) {
            p.drawLine(QPointF(ex - 6, -8), QPointF(ex + 6, -8));
            continue;
        }
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(ex, -9), 6.5, 8);
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawEllipse(QPointF(ex + look, -8), 2.8, 3.5);
    }

    // Mouth: open and closing while he speaks, a smile, a frown.
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2, Qt::SolidLine, Qt::RoundCap));
    if (speaking()) {
        double open = 2 + 5 * std::abs(std::sin(speechClock_.elapsed() / 70.0));
        p.setBrush(QColor(0xa0, 0x20, 0x30));
        p.drawEllipse(QPointF(0, 12), 7, open);
    } else if (running && animation_ == Wrong) {
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-9, 10, 18, 12), 30 * 16, 120 * 16);
    } else {
        p.setBrush(Qt::NoBrush);
        double width = running && (animation_ == Right || animation_ == Accepted) ? 22 : 16;
        p.drawArc(QRectF(-width / 2, 0, width, 14), 200 * 16, 140 * 16);
    }
    p.restore();

    if (running && animation_ == Search) {
        double a = t * 2 * kPi;
        QPointF lens(60 + 26 * std::cos(a), 84 + 8 * std::sin(a));
        p.setPen(QPen(QColor(0x60, 0x40, 0x20), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(lens + QPointF(8, 8), lens + QPointF(17, 17));
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2.5));
        p.setBrush(QColor(0xd0, 0xf0, 0xff, 0xa0));
        p.drawEllipse(lens, 10, 10);
    } else if (running && animation_ == Version) {
        for (int i = 0; i < 3; ++i) {
            double a = t * 2 * kPi + i * 2 * kPi / 3;
            drawStar(p, QPointF(60 + 44 * std::cos(a), 72 + 40 * std::sin(a)), 7);
        }
    }
}

} // namespace vexa
