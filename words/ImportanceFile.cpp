#include "words/ImportanceFile.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "words/Dictionary.h"

#include <algorithm>
#include <optional>

namespace qor {

namespace {

constexpr std::string_view kSuffix = "_imp.dat";

struct ParsedLine {
    bool valid = false;  // the part before the first "_" is a number
    int level = 0;
    std::string_view text;
};

// level + "_" + line text. The "_" is searched lead-byte aware: it may be the trail
// byte of a double-byte character ("ダ" is 0x83 0x5F).
ParsedLine parseLine(std::string_view line) {
    ParsedLine parsed;
    std::size_t bar = find(line, '_');
    if (bar == std::string_view::npos)
        return parsed;
    parsed.text = line.substr(bar + 1);
    if (auto n = parseDecimal(line.substr(0, bar))) {
        parsed.valid = true;
        parsed.level = static_cast<int>(std::clamp<long long>(*n, 0, kMaxImportance));
    }
    return parsed;
}

struct Found {
    std::size_t index = 0;
    int level = 0;
};

std::optional<Found> findLine(const std::vector<std::string>& lines, std::string_view lineText) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ParsedLine p = parseLine(lines[i]);
        if (p.valid && p.text == lineText)
            return Found{i, p.level};
    }
    return std::nullopt;
}

std::string makeLine(int level, std::string_view lineText) {
    return std::to_string(level) + "_" + std::string(lineText);
}

std::string ownerLine(const std::string& fileName) {
    return "[" + fileName + "]";
}

// The importance file named by the first line of "old.dat"; empty when that line is not
// one this program writes (then the file is left alone).
std::string ownerOf(std::string_view firstLine) {
    if (firstLine.size() < 2 || firstLine.front() != '[' || firstLine.back() != ']')
        return {};
    std::string name(firstLine.substr(1, firstLine.size() - 2));
    if (name.size() <= kSuffix.size() || name.find('/') != std::string::npos ||
        name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0)
        return {};
    return name;
}

} // namespace

struct ImportanceFile::Content {
    std::vector<std::string> lines;
    std::string bytes;
    bool existed = false;
    FileStatus status;
};

std::string importanceFileName(std::string_view dictionaryName) {
    return std::string(dictionaryName) + std::string(kSuffix);
}

ImportanceFile::ImportanceFile(std::string path) : path_(std::move(path)) {}

std::string ImportanceFile::backupPath() const {
    return folderOf(path_) + "old.dat";
}

FileStatus ImportanceFile::recover() {
    const std::string backup = backupPath();
    Bytes raw = qor::readAll(backup);
    if (!raw.status)
        return raw.status.isMissingFile() ? FileStatus() : raw.status;
    std::string owner = ownerOf(lineAt(raw.bytes, 0).value_or(std::string_view()));
    if (owner.empty())
        return {};
    // The copy is removed only after the new file is complete: while it exists, the
    // rewrite did not finish, and the old contents are put back.
    std::size_t lf = raw.bytes.find('\n');
    std::string_view rest =
        lf == std::string::npos ? std::string_view() : std::string_view(raw.bytes).substr(lf + 1);
    if (FileStatus restored = writeAll(folderOf(path_) + owner, rest); !restored)
        return restored;
    return removeFile(backup);
}

ImportanceFile::Content ImportanceFile::load() {
    Content c;
    c.status = recover();
    if (!c.status)
        return c;
    Bytes raw = qor::readAll(path_);
    if (!raw.status) {
        if (!raw.status.isMissingFile())
            c.status = raw.status;
        return c;
    }
    c.existed = true;
    c.lines = splitLines(raw.bytes);
    c.bytes = std::move(raw.bytes);
    return c;
}

FileStatus ImportanceFile::store(std::vector<std::string> lines, const Content& before) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return compareNoCase(a, b) < 0;
    });
    const std::string backup = backupPath();
    // Keep the old contents until the new file is complete. An "old.dat" that this
    // program did not write is never overwritten; the rewrite below replaces the file
    // whole in any case.
    bool backedUp = false;
    if (before.existed && !fileExists(backup)) {
        std::string copy = ownerLine(fileNameOf(path_)) + "\r\n" + before.bytes;
        if (FileStatus s = writeAll(backup, copy); !s)
            return s;
        backedUp = true;
    }
    FileStatus status = writeLines(path_, lines);
    if (backedUp) {
        // Only a complete new file ends the rewrite. After a failed write the copy
        // holds what the file still holds and goes the same way. A copy that cannot be
        // removed would undo this change at the next use: say so.
        FileStatus removed = removeFile(backup);
        if (status && !removed)
            status = removed;
    }
    return status;
}

ImportanceLevel ImportanceFile::levelOf(std::string_view lineText) {
    ImportanceLevel result;
    recover();  // reading goes on even if a leftover copy cannot be put back
    Lines file = readLines(path_);
    if (!file.status) {
        if (!file.status.isMissingFile())
            result.status = file.status;
        return result;
    }
    if (auto found = findLine(file.lines, lineText))
        result.level = found->level;
    return result;
}

ImportanceList ImportanceFile::readAll() {
    RatedLines rated = readRated();
    ImportanceList result;
    result.status = rated.status;
    result.entries.reserve(rated.lines.size());
    for (const RatedLines::Line& line : rated.lines)
        result.entries.push_back(ImportanceEntry{line.level, std::string(rated.text(line))});
    return result;
}

RatedLines ImportanceFile::readRated() {
    RatedLines result;
    recover();
    Bytes raw = qor::readAll(path_);
    result.status = raw.status;
    if (!raw.status)
        return result;
    result.bytes = std::move(raw.bytes);
    const std::string_view all = result.bytes;
    result.lines.reserve(countLinesIn(all));
    // The lines as splitLines cuts them.
    for (std::size_t start = 0; start < all.size();) {
        std::size_t lf = all.find('\n', start);
        const std::size_t end = lf == std::string_view::npos ? all.size() : lf;
        std::size_t contentEnd = end;
        if (lf != std::string_view::npos && contentEnd > start && all[contentEnd - 1] == '\r')
            --contentEnd;
        const std::string_view line = all.substr(start, contentEnd - start);
        ParsedLine p = parseLine(line);
        if (p.valid)
            result.lines.push_back({p.level, static_cast<std::size_t>(p.text.data() - all.data()),
                                    p.text.size()});
        else
            result.lines.push_back({0, start, line.size()});
        start = end + 1;
    }
    return result;
}

FileStatus ImportanceFile::raise(std::string_view lineText) {
    Content c = load();
    if (!c.status)
        return c.status;
    auto found = findLine(c.lines, lineText);
    if (!found) {
        c.lines.push_back(makeLine(1, lineText));
    } else {
        if (found->level >= kMaxImportance)
            return {};
        c.lines[found->index] = makeLine(found->level + 1, lineText);
    }
    return store(std::move(c.lines), c);
}

FileStatus ImportanceFile::lower(std::string_view lineText) {
    Content c = load();
    if (!c.status)
        return c.status;
    auto found = findLine(c.lines, lineText);
    if (!found || found->level == 0)
        return {};
    int level = found->level - 1;
    if (level == 0)
        c.lines.erase(c.lines.begin() + static_cast<std::ptrdiff_t>(found->index));
    else
        c.lines[found->index] = makeLine(level, lineText);
    return store(std::move(c.lines), c);
}

FileStatus ImportanceFile::setLevel(std::string_view lineText, int level) {
    level = std::clamp(level, 0, kMaxImportance);
    Content c = load();
    if (!c.status)
        return c.status;
    auto found = findLine(c.lines, lineText);
    if (!found) {
        if (level == 0)
            return {};
        c.lines.push_back(makeLine(level, lineText));
    } else if (found->level == level) {
        return {};
    } else if (level == 0) {
        c.lines.erase(c.lines.begin() + static_cast<std::ptrdiff_t>(found->index));
    } else {
        c.lines[found->index] = makeLine(level, lineText);
    }
    return store(std::move(c.lines), c);
}

} // namespace qor
