#pragma once
// A disk that fills up: while a FullDisk lives, file writes (base/TextFile) write what
// fits in the bytes left, then fail with ENOSPC.

#include "base/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <unistd.h>

namespace qor::test {

class FullDisk {
public:
    explicit FullDisk(std::size_t bytesLeft) {
        room() = bytesLeft;
        setWriteStepForTesting(&fillingWrite);
    }
    ~FullDisk() { setWriteStepForTesting(nullptr); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    static std::size_t& room() {
        static std::size_t left = 0;
        return left;
    }
    static long fillingWrite(int fd, const void* data, std::size_t size) {
        if (room() == 0) {
            errno = ENOSPC;
            return -1;
        }
        std::size_t n = std::min(size, room());
        room() -= n;
        return static_cast<long>(::write(fd, data, n));
    }
};

} // namespace qor::test
