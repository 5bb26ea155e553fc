#include "words/PhoneticSigns.h"

#include "base/TextFile.h"

namespace qor {

PhoneticSign findPhoneticSign(std::string_view path, std::string_view word) {
    PhoneticSign result;
    Bytes raw = readAll(path);
    result.status = raw.status;
    if (!raw.status)
        return result;
    std::string prefix = std::string(word) + "=";
    // A match at the start of a line begins at a character start, and its last byte is
    // "=", which is never part of a double-byte character: a plain comparison is exact.
    std::string_view bytes = raw.bytes;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t lf = bytes.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        std::string_view line = bytes.substr(start, end - start);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.substr(0, prefix.size()) == prefix) {
            result.found = true;
            result.sign.assign(line.substr(prefix.size()));
            break;
        }
        start = end + 1;
    }
    return result;
}

} // namespace qor
