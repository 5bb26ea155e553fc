#include "words/WordEntry.h"

#include "base/Cp932.h"
#include "base/TextFile.h"

namespace qor {

namespace {

// The first single-byte character c at or after `from` (a character start), walking
// the text once so that a trail byte is never taken for c.
std::size_t findFrom(std::string_view text, char c, std::size_t from) {
    for (std::size_t pos = from; pos < text.size(); pos += charLength(text, pos)) {
        if (text[pos] == c)
            return pos;
    }
    return std::string_view::npos;
}

} // namespace

WordEntry splitEntry(std::string_view line) {
    WordEntry entry;
    std::string_view rest = line;
    std::size_t eq = findFrom(line, '=', 0);
    if (eq != std::string_view::npos) {
        entry.english.assign(line.substr(0, eq));
        rest = line.substr(eq + 1);
    }
    std::size_t star = findFrom(rest, '*', 0);
    if (star == std::string_view::npos) {
        entry.comment.assign(rest);
    } else {
        entry.japanese.assign(rest.substr(0, star));
        entry.comment.assign(rest.substr(star + 1));
    }
    return entry;
}

std::vector<std::string> splitAlternatives(std::string_view part) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (out.size() < kMaxAlternatives) {
        std::size_t comma = findFrom(part, ',', start);
        if (comma == std::string_view::npos) {
            out.emplace_back(part.substr(start));
            break;
        }
        out.emplace_back(part.substr(start, comma - start));
        start = comma + 1;
    }
    return out;
}

std::string dictionaryName(std::string_view pathOrFileName) {
    std::string name = fileNameOf(pathOrFileName);
    if (name.size() <= 4)
        return {};
    // Cut four bytes (".txt"); should that split a double-byte character of an odd
    // name, the character goes too rather than leaving half of it.
    std::size_t keep = name.size() - 4;
    std::size_t pos = 0;
    while (pos < keep) {
        std::size_t next = pos + charLength(name, pos);
        if (next > keep)
            break;
        pos = next;
    }
    name.resize(pos);
    return name;
}

std::string wordKey(std::string_view english, std::string_view japanese) {
    std::string key;
    key.reserve(english.size() + 1 + japanese.size());
    key.append(english);
    key += '_';
    key.append(japanese);
    return key;
}

} // namespace qor
