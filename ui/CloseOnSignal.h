#pragma once
// Closes a window when the program is asked to end by a signal (SIGTERM, SIGINT,
// SIGHUP: a logout, a shutdown, Ctrl+C in a terminal), so that it saves what its
// closing saves instead of dying on the spot.

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace qor {

class CloseOnSignal : public QObject {
    Q_OBJECT
public:
    explicit CloseOnSignal(QWidget& window);
    ~CloseOnSignal() override;

private:
    QWidget& window_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace qor
