#include "vexa/TfrmVexa.h"

#include "base/Cp932.h"
#include "sound/CompanionChannel.h"
#include "sound/CompanionSettings.h"
#include "vexa/Figure.h"
#include "vexa/Speech.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace vexa {

TfrmVexa::TfrmVexa(Speech& speech, SpeechOutput& output, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      speech_(speech),
      output_(output) {
    setObjectName(QStringLiteral("frmVexa"));
    setWindowTitle(QStringLiteral("Vexa"));
    setAccessibleName(QStringLiteral("ヴェクサ"));
    setToolTip(QStringLiteral("ヴェクサ"));
    // It must not take the focus from the drill's answer field.
    setAttribute(Qt::WA_ShowWithoutActivating);
    figure_ = new Figure(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(figure_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    tmrQuiet_ = new QTimer(this);
    tmrQuiet_->setObjectName(QStringLiteral("tmrQuiet"));
    tmrQuiet_->setInterval(1000);
    connect(tmrQuiet_, &QTimer::timeout, this,
            [this] { lookAtOutput(std::chrono::steady_clock::now()); });
}

bool TfrmVexa::lookAtOutput(std::chrono::steady_clock::time_point now) {
    output_.closeIfIdle(now);
    if (!output_.isOpen()) tmrQuiet_->stop();
    return output_.isOpen();
}

void TfrmVexa::placeFrom(const std::string& settingsPath) {
    adjustSize();
    std::optional<qor::CompanionCorner> corner = qor::readCompanionCorner(settingsPath);
    QScreen* screen = QGuiApplication::primaryScreen();
    QPoint wanted;
    if (corner) {
        wanted = QPoint(corner->right, corner->bottom);
        if (QScreen* at = QGuiApplication::screenAt(wanted - QPoint(1, 1))) screen = at;
    }
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    if (!corner) wanted = room.bottomRight() + QPoint(1, 1);
    // A corner off every screen (a screen unplugged) keeps the window in reach.
    QPoint topLeft = wanted - QPoint(width(), height());
    topLeft.setX(std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() - width() + 1)));
    topLeft.setY(std::clamp(topLeft.y(), room.top(), std::max(room.top(), room.bottom() - height() + 1)));
    move(topLeft);
}

void TfrmVexa::command(const QByteArray& cp932) {
    qor::companion::Command c = qor::companion::parseCommand(cp932.toStdString());
    switch (c.kind) {
    case qor::companion::Command::Animation:
        figure_->animate(c.animation);
        break;
    case qor::companion::Command::Speech: {
        std::vector<std::int16_t> samples = speech_.synthesize(qor::toUtf8(c.text), c.emphasis);
        if (samples.empty()) break;
        output_.play(samples, speech_.sampleRate());
        if (output_.isOpen() && !tmrQuiet_->isActive()) tmrQuiet_->start();
        figure_->speak(static_cast<int>(samples.size() * 1000 / speech_.sampleRate()));
        break;
    }
    case qor::companion::Command::Unknown:
        break;  // a newer program's command: nothing to do with it
    }
}

void TfrmVexa::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

void TfrmVexa::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragFrom_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TfrmVexa::mouseMoveEvent(QMouseEvent* event) {
    // Without a frame the window is moved by dragging the figure.
    if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - dragFrom_);
}

void TfrmVexa::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("閉じる (&C)"), this, &QWidget::close);
    menu.exec(event->globalPos());
}

} // namespace vexa
