#include "ui/CloseOnSignal.h"

#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace qor {

namespace {
int pipeFds[2] = {-1, -1};

// Only an async-signal-safe write happens in the handler; the window is closed from
// the event loop.
void onSignal(int) {
    char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(pipeFds[0], &byte, 1);
}
} // namespace

CloseOnSignal::CloseOnSignal(QWidget& window) : window_(window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeFds) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] ssize_t n = ::read(pipeFds[1], &byte, 1);
        window_.close();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(s, &action, nullptr);
}

CloseOnSignal::~CloseOnSignal() {
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        ::signal(s, SIG_DFL);
}

} // namespace qor
