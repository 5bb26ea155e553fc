#pragma once
// How far the resident memory of this process rose over a piece of work: the kernel's
// high-water mark, set back to the present resident size when the meter is made (freed
// heap handed back first), read when asked. A bound on memory, measured in the test's own
// process, where a bound on time would depend on the machine.
//
// Where the mark cannot be set back (/proc/self/clear_refs not writable), the peak since
// the process began is read instead; CTest runs each test in a process of its own, so
// that is the same figure there.

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <string>

namespace qor::test {

class PeakMemory {
public:
    PeakMemory() {
        malloc_trim(0);
        std::ofstream reset("/proc/self/clear_refs");
        reset << "5";
        reset.close();
        start_ = kib("VmRSS:");
    }

    // Bytes the resident peak rose above the resident size at the start.
    std::size_t growth() const {
        const long peak = kib("VmHWM:");
        return peak > start_ ? static_cast<std::size_t>(peak - start_) * 1024 : 0;
    }

private:
    static long kib(const char* key) {
        std::ifstream in("/proc/self/status");
        std::string line;
        const std::size_t n = std::strlen(key);
        while (std::getline(in, line))
            if (line.compare(0, n, key) == 0) return std::atol(line.c_str() + n);
        return 0;
    }

    long start_ = 0;
};

} // namespace qor::test
