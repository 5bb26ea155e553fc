#include "tests/sound/StrangerListener.h"

#include <cstdio>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qor::test {

namespace {
// In the child only system calls: the test's process may have threads.
[[noreturn]] void listenAsStranger(const sockaddr_un& address, int report, int stop) {
    if (::setgid(StrangerListener::kUid) != 0 || ::setuid(StrangerListener::kUid) != 0) ::_exit(1);
    int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (server < 0 ||
        ::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(server, 64) != 0)
        ::_exit(1);
    char ready = 1;
    if (::write(report, &ready, 1) != 1) ::_exit(1);
    constexpr int kMax = 64;
    pollfd fds[kMax + 2] = {};
    int count = 2;
    fds[0] = {stop, POLLIN, 0};
    fds[1] = {server, POLLIN, 0};
    long long received = 0;
    char buffer[4096];
    for (;;) {
        if (::poll(fds, static_cast<nfds_t>(count), -1) < 0) continue;
        if (fds[0].revents) break; // the test closed its end
        if ((fds[1].revents & POLLIN) && count < kMax + 2) {
            int client = ::accept(server, nullptr, nullptr);
            if (client >= 0) fds[count++] = {client, POLLIN, 0};
        }
        for (int i = 2; i < count; ++i) {
            if (!fds[i].revents || fds[i].fd < 0) continue;
            ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                received += n;
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1; // poll skips it
            }
        }
    }
    ::unlink(address.sun_path);
    if (::write(report, &received, sizeof received) != sizeof received) ::_exit(1);
    ::_exit(0);
}
} // namespace

bool StrangerListener::possible() {
    return ::geteuid() == 0;
}

StrangerListener::StrangerListener(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    int report[2];
    int stop[2];
    if (::pipe(report) != 0) return;
    if (::pipe(stop) != 0) {
        ::close(report[0]);
        ::close(report[1]);
        return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(report[0]);
        ::close(stop[1]);
        listenAsStranger(address, report[1], stop[0]);
    }
    ::close(report[1]);
    ::close(stop[0]);
    report_ = report[0];
    stop_ = stop[1];
    char ready = 0;
    listening_ = pid_ > 0 && ::read(report_, &ready, 1) == 1 && ready == 1;
}

StrangerListener::~StrangerListener() {
    bytesReceived();
}

long long StrangerListener::bytesReceived() {
    if (pid_ <= 0) return -1;
    ::close(stop_);
    long long received = -1;
    if (::read(report_, &received, sizeof received) != sizeof received) received = -1;
    ::close(report_);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
    return received;
}

} // namespace qor::test
