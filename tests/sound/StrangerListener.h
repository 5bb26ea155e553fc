#pragma once
// Another user's program listening on a local socket: a child process that becomes the
// user "nobody" (65534) and counts the bytes it is sent. Only root can be somebody else,
// so tests that need one skip without root.

#include <string>
#include <sys/types.h>

namespace qor::test {

class StrangerListener {
public:
    static constexpr unsigned kUid = 65534;
    static bool possible();
    // Listens on `path`, whose folder that user must be able to enter and write.
    explicit StrangerListener(const std::string& path);
    ~StrangerListener();
    StrangerListener(const StrangerListener&) = delete;
    StrangerListener& operator=(const StrangerListener&) = delete;

    bool listening() const { return listening_; }
    // Ends it; the bytes it received on all its connections, -1 when it could not say.
    long long bytesReceived();

private:
    pid_t pid_ = -1;
    int report_ = -1; // child -> test: listening, then the count
    int stop_ = -1;   // test -> child: closed to end it
    bool listening_ = false;
};

} // namespace qor::test
