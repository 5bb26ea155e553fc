#include "IniFile.h"

#include "TextFile.h"

#include <algorithm>
#include <charconv>

namespace qor {

namespace {

std::string oneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return out;
}

// "[name]" -> name. The whole line must be bracketed: a key line such as "[be] going_x=1"
// starts with "[" too.
bool sectionHeader(std::string_view line, std::string_view& name) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return false;
    name = line.substr(1, line.size() - 2);
    return true;
}

} // namespace

IniFile::IniFile(std::string path, Split split) : path_(std::move(path)), split_(split) {}

FileStatus IniFile::readStatus() {
    load();
    return loadStatus_;
}

IniFile::~IniFile() {
    if (dirty_)
        save();
}

IniFile::Line IniFile::ownLine(std::string text, std::size_t eq) {
    const std::string& stored = owned_.emplace_back(std::move(text));
    return Line{stored.data(), stored.size(), eq};
}

void IniFile::load() {
    if (loaded_)
        return;
    loaded_ = true;
    sections_.clear();
    sections_.push_back(Section{});
    Bytes raw = readAll(path_);
    if (!raw.status) {
        // A missing file is simply empty; anything else must not be overwritten later.
        if (!raw.status.isMissingFile())
            loadStatus_ = raw.status;
        return;
    }
    bytes_ = std::move(raw.bytes);

    // Lines as splitLines() cuts them: at LF, a CR right before it dropped, a last line
    // without LF kept. All lines first, then each section gets its share in one piece.
    const std::string_view all = bytes_;
    std::vector<Line> lines;
    lines.reserve(static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n')) + 1);
    std::vector<std::size_t> headers;  // indexes of section header lines
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t lf = all.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? all.size() : lf;
        std::size_t contentEnd = end;
        if (lf != std::string_view::npos && contentEnd > start && all[contentEnd - 1] == '\r')
            --contentEnd;
        std::string_view text = all.substr(start, contentEnd - start);
        std::string_view name;
        if (sectionHeader(text, name)) {
            headers.push_back(lines.size());
            lines.push_back(Line{text.data(), text.size(), std::string::npos});
        } else {
            // '=' is never a trail byte, so a byte search is safe.
            std::size_t eq = split_ == Split::AtLastEquals ? text.rfind('=') : text.find('=');
            lines.push_back(Line{text.data(), text.size(), eq});
        }
        if (lf == std::string_view::npos)
            break;
        start = lf + 1;
    }

    auto take = [&](Section& s, std::size_t from, std::size_t to) {
        s.lines.assign(lines.begin() + static_cast<std::ptrdiff_t>(from),
                       lines.begin() + static_cast<std::ptrdiff_t>(to));
    };
    take(sections_.front(), 0, headers.empty() ? lines.size() : headers.front());
    sections_.reserve(headers.size() + 1);
    for (std::size_t h = 0; h < headers.size(); ++h) {
        std::string_view name;
        sectionHeader(lines[headers[h]].text(), name);
        Section& s = sections_.emplace_back(Section{std::string(name), true, {}});
        take(s, headers[h], h + 1 < headers.size() ? headers[h + 1] : lines.size());
    }
}

IniFile::Section* IniFile::findSection(std::string_view name) {
    load();
    for (Section& s : sections_) {
        if (s.headed && s.name == name)
            return &s;
    }
    return nullptr;
}

IniFile::Line* IniFile::findKey(Section& section, std::string_view key) {
    for (Line& l : section.lines) {
        if (l.isKey() && l.key() == key)
            return &l;
    }
    return nullptr;
}

std::string IniFile::read(std::string_view section, std::string_view key, std::string_view def) {
    Section* s = findSection(section);
    if (!s)
        return std::string(def);
    Line* l = findKey(*s, key);
    return l ? std::string(l->value()) : std::string(def);
}

bool IniFile::hasSection(std::string_view section) {
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(std::string_view section, std::string_view key) {
    Section* s = findSection(section);
    return s && findKey(*s, key);
}

std::vector<std::string> IniFile::keys(std::string_view section) {
    std::vector<std::string> out;
    if (Section* s = findSection(section)) {
        for (const Line& l : s->lines) {
            if (l.isKey())
                out.emplace_back(l.key());
        }
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> IniFile::entries(std::string_view section) {
    std::vector<std::pair<std::string, std::string>> out;
    if (Section* s = findSection(section)) {
        out.reserve(s->lines.size());
        for (const Line& l : s->lines) {
            if (l.isKey())
                out.emplace_back(l.key(), l.value());
        }
    }
    return out;
}

void IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    std::string text = std::string(key) + "=" + oneLine(value);
    Section* s = findSection(section);
    if (!s) {
        // A section added by this program is set off from the one before by an empty line.
        std::vector<Line>& before = sections_.back().lines;
        if (!before.empty() && before.back().size != 0)
            before.push_back(Line{});
        Section fresh{std::string(section), true, {}};
        fresh.lines.push_back(ownLine("[" + std::string(section) + "]", std::string::npos));
        fresh.lines.push_back(ownLine(std::move(text), key.size()));
        sections_.push_back(std::move(fresh));
        dirty_ = true;
        return;
    }
    if (Line* existing = findKey(*s, key)) {
        if (existing->text() != text) {
            *existing = ownLine(std::move(text), key.size());
            dirty_ = true;
        }
        return;
    }
    // After the last key line, so that blank lines closing the section stay below it.
    std::size_t at = s->lines.size();
    while (at > 1 && !s->lines[at - 1].isKey() && s->lines[at - 1].size == 0)
        --at;
    Line line = ownLine(std::move(text), key.size());
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), line);
    dirty_ = true;
}

void IniFile::write(std::string_view section, std::string_view key, long long value) {
    write(section, key, std::to_string(value));
}

void IniFile::removeKey(std::string_view section, std::string_view key) {
    Section* s = findSection(section);
    if (!s)
        return;
    for (auto it = s->lines.begin(); it != s->lines.end(); ++it) {
        if (it->isKey() && it->key() == key) {
            s->lines.erase(it);
            dirty_ = true;
            return;
        }
    }
}

void IniFile::removeSection(std::string_view section) {
    load();
    for (auto it = sections_.begin(); it != sections_.end(); ++it) {
        if (it->headed && it->name == section) {
            sections_.erase(it);
            dirty_ = true;
            return;
        }
    }
}

FileStatus IniFile::save() {
    if (!dirty_)
        return {};
    if (!loadStatus_)
        return loadStatus_;
    // What writeLines() would store, joined in one buffer.
    std::size_t total = 0;
    for (const Section& s : sections_) {
        for (const Line& l : s.lines)
            total += l.size + 2;
    }
    std::string out;
    out.reserve(total);
    for (const Section& s : sections_) {
        for (const Line& l : s.lines) {
            out.append(l.data, l.size);
            out += "\r\n";
        }
    }
    FileStatus status = writeAll(path_, out);
    if (status)
        dirty_ = false;
    return status;
}

FileStatus IniFile::writeOne(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view value) {
    IniFile ini(path);
    ini.write(section, key, value);
    return ini.save();
}

std::optional<long long> parseDecimal(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    std::size_t start = (text.front() == '+' || text.front() == '-') ? 1 : 0;
    if (start == text.size())
        return std::nullopt;
    long long value = 0;
    auto digits = text.substr(start);
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || ptr != digits.data() + digits.size())
        return std::nullopt;
    return text.front() == '-' ? -value : value;
}

} // namespace qor
