#pragma once
// A disk that fills up after a number of bytes, for the tests of writers: file writes
// write what fits, then fail with ENOSPC, as on a full disk. Restored when it goes.

#include "base/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <unistd.h>

namespace qor::test {

inline std::size_t fullDiskRoom = 0;

inline long fillingDisk(int fd, const void* data, std::size_t size) {
    if (fullDiskRoom == 0) {
        errno = ENOSPC;
        return -1;
    }
    std::size_t n = std::min(size, fullDiskRoom);
    fullDiskRoom -= n;
    return static_cast<long>(::write(fd, data, n));
}

struct FullDisk {
    explicit FullDisk(std::size_t bytesLeft) {
        fullDiskRoom = bytesLeft;
        setWriteStepForTesting(&fillingDisk);
    }
    ~FullDisk() { setWriteStepForTesting(nullptr); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
};

} // namespace qor::test
