#include "base/Iconv.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace qor {

std::optional<std::string> iconvConvert(const char* to, const char* from, std::string_view in,
                                        const IconvBadInput& bad) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
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
        if (bad.stops) {
            iconv_close(cd);
            return std::nullopt;
        }
        out.append(bad.replacement);
        std::size_t skip = std::min(std::max<std::size_t>(bad.unit, 1), inLeft);
        inPtr += skip;
        inLeft -= skip;
    }
    iconv_close(cd);
    return out;
}

} // namespace qor
