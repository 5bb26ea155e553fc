#include "base/Iconv.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace qor {

namespace {

// Opening a conversion looks it up anew each time and costs about twice the conversion
// of a dictionary line, and a window of 200,000 lines converts every one of them. So one
// descriptor per pair of encodings is kept for each thread, and reset before each use.
class Descriptors {
public:
    ~Descriptors() {
        for (const Open& o : open_)
            iconv_close(o.cd);
    }
    iconv_t get(const char* to, const char* from) {
        for (const Open& o : open_) {
            if (o.to == to && o.from == from) {
                iconv(o.cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
                return o.cd;
            }
        }
        iconv_t cd = iconv_open(to, from);
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
        open_.push_back({to, from, cd});
        return cd;
    }

private:
    struct Open {
        std::string to;
        std::string from;
        iconv_t cd;
    };
    std::vector<Open> open_;
};

thread_local Descriptors descriptors;

} // namespace

std::optional<std::string> iconvConvert(const char* to, const char* from, std::string_view in,
                                        const IconvBadInput& bad) {
    iconv_t cd = descriptors.get(to, from);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (r != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ, or EINVAL for a character cut off at the end.
        if (bad.stops)
            return std::nullopt;
        out.append(bad.replacement);
        std::size_t skip = std::min(std::max<std::size_t>(bad.unit, 1), inLeft);
        inPtr += skip;
        inLeft -= skip;
    }
    return out;
}

} // namespace qor
