#include "words/PhoneticSigns.h"

#include "base/Cp932.h"
#include "base/TextFile.h"

#include <unordered_set>

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

std::string phoneticSignLine(std::string_view word, std::string_view signText) {
    // CR and LF are never trail bytes: the first line ends at the first of them.
    std::string_view first = signText.substr(0, signText.find_first_of("\r\n"));
    if (word.empty() || first.empty())
        return {};
    std::string line(word);
    line += '=';
    line += first;
    return line;
}

PhoneticSignAppend appendPhoneticSigns(std::string_view path,
                                       const std::vector<std::string>& lines) {
    PhoneticSignAppend result;
    Lines read = readLines(path);
    if (!read.status) {
        result.status = read.status;
        return result;
    }
    // Lines equal but for the case of ASCII letters count as the same line.
    std::unordered_set<std::string> known;
    for (const std::string& l : read.lines)
        known.insert(lowerAscii(l));
    std::vector<std::string> added;
    for (const std::string& l : lines) {
        bool there = known.count(lowerAscii(l)) != 0;
        result.alreadyThere.push_back(there);
        if (!there)
            added.push_back(l);
    }
    if (!added.empty())
        result.status = appendLines(path, added);
    return result;
}

} // namespace qor
