#include "words/Dictionary.h"

#include "base/Cp932.h"
#include "base/TextFile.h"

#include <algorithm>
#include <cstring>

namespace qor {

namespace {

// Position of the next LF at or after `from`, or the size of the text. memchr keeps the
// scan of a large dictionary close to the speed of reading it; LF is never a trail byte.
std::size_t nextBreak(std::string_view bytes, std::size_t from) {
    const void* hit = std::memchr(bytes.data() + from, '\n', bytes.size() - from);
    if (!hit)
        return bytes.size();
    return static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data());
}

} // namespace

std::optional<std::string_view> lineAt(std::string_view bytes, std::size_t index) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        std::size_t end = nextBreak(bytes, start);
        if (end >= bytes.size())
            return std::nullopt;
        start = end + 1;
    }
    if (start >= bytes.size())
        return std::nullopt;
    std::size_t end = nextBreak(bytes, start);
    std::size_t contentEnd = end;
    if (end < bytes.size() && contentEnd > start && bytes[contentEnd - 1] == '\r')
        --contentEnd;
    return bytes.substr(start, contentEnd - start);
}

std::size_t countLinesIn(std::string_view bytes) {
    if (bytes.empty())
        return 0;
    std::size_t count = 0;
    for (std::size_t pos = nextBreak(bytes, 0); pos < bytes.size(); pos = nextBreak(bytes, pos + 1))
        ++count;
    // A last line without a line break still counts.
    if (bytes.back() != '\n')
        ++count;
    return count;
}

DictionaryLine readLine(std::string_view path, std::size_t index) {
    DictionaryLine result;
    Bytes raw = readAll(path);
    result.status = raw.status;
    if (!raw.status)
        return result;
    if (auto line = lineAt(raw.bytes, index)) {
        result.line.assign(*line);
        result.found = true;
    }
    return result;
}

DictionaryCount countLines(std::string_view path) {
    DictionaryCount result;
    Bytes raw = readAll(path);
    result.status = raw.status;
    if (raw.status)
        result.count = countLinesIn(raw.bytes);
    return result;
}

DictionaryRead DictionaryRead::of(std::string_view path) {
    Bytes raw = readAll(path);
    DictionaryRead read = ofBytes(std::move(raw.bytes));
    read.status_ = raw.status;
    return read;
}

DictionaryRead DictionaryRead::ofBytes(std::string bytes) {
    DictionaryRead read;
    read.bytes_ = std::move(bytes);
    return read;
}

void DictionaryRead::index() const {
    if (indexed_)
        return;
    indexed_ = true;
    const std::string_view all = bytes_;
    for (std::size_t start = 0; start < all.size(); start = nextBreak(all, start) + 1)
        starts_.push_back(start);
}

std::size_t DictionaryRead::count() const {
    index();
    return starts_.size();
}

std::optional<std::string_view> DictionaryRead::line(std::size_t i) const {
    index();
    if (i >= starts_.size())
        return std::nullopt;
    return indexedLine(i);
}

std::string_view DictionaryRead::indexedLine(std::size_t i) const {
    const std::string_view all = bytes_;
    const std::size_t start = starts_[i];
    // The next line's start is one past this line's LF; only the last line has to look.
    const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] - 1 : nextBreak(all, start);
    std::size_t contentEnd = end;
    if (end < all.size() && contentEnd > start && all[contentEnd - 1] == '\r')
        --contentEnd;
    return all.substr(start, contentEnd - start);
}

std::optional<std::size_t> DictionaryRead::indexOf(std::string_view text) const {
    index();
    // Line by line along the index: most lines differ from the text in length already.
    // A text that holds a line break is no line (no line holds one).
    for (std::size_t i = 0; i < starts_.size(); ++i) {
        if (indexedLine(i) == text)
            return i;
    }
    return std::nullopt;
}

DictionaryTest testDictionaryFile(std::string_view path) {
    DictionaryTest result;
    Bytes raw = readAll(path);
    result.status = raw.status;
    if (!raw.status)
        return result;
    auto first = lineAt(raw.bytes, 0);
    if (!first)
        result.verdict = DictionaryVerdict::Empty;
    else if (contains(*first, "*"))
        result.verdict = DictionaryVerdict::Accepted;
    else
        result.verdict = DictionaryVerdict::NotDictionary;
    return result;
}

} // namespace qor
