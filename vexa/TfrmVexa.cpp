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
#include <QWindow>

namespace vexa {

TfrmVexa::TfrmVexa(Speech& speech, SpeechOutput& output, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool),
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
    if (std::optional<qor::CompanionCorner> corner = qor::readCompanionCorner(settingsPath)) {
        placeAt(corner->right, corner->bottom);
        return;
    }
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    move(room.bottomRight() - QPoint(width() - 1, height() - 1));
}

void TfrmVexa::placeAt(int right, int bottom) {
    adjustSize();
    // The screen the main window's corner is on; a corner off every screen (a screen
    // unplugged) takes the first, so that the window stays in reach.
    const QScreen* screen = QGuiApplication::screenAt(QPoint(right - 1, bottom - 1));
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const qor::ScreenPoint at = qor::companionTopLeft(
        {right, bottom}, width(), height(), {room.x(), room.y(), room.width(), room.height()});
    move(at.x, at.y);
}

void TfrmVexa::belongTo(unsigned long long window) {
    if (window == 0 || window == owner_) return;
    owner_ = window;
    // Only X11 lets a window belong to another program's; elsewhere it stays a tool
    // window of its own.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    QWindow* owner = QWindow::fromWinId(static_cast<WId>(window));
    if (!owner) return;
    static_cast<QObject*>(owner)->setParent(this);
    winId(); // the window's own handle, for its owner to be set on
    windowHandle()->setTransientParent(owner);
    delete ownerWindow_;
    ownerWindow_ = owner;
    // The window system reads the owner when the window is shown.
    if (isVisible()) {
        hide();
        show();
    }
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
    case qor::companion::Command::Place:
        placeAt(c.right, c.bottom);
        belongTo(c.window);
        break;
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
