#include "IniFile.h"

#include "TextFile.h"

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

// "[name]" -> name, up to the last "]" so that names holding "]" survive.
bool sectionHeader(std::string_view line, std::string& name) {
    if (line.empty() || line.front() != '[')
        return false;
    std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0)
        return false;
    name.assign(line.substr(1, close - 1));
    return true;
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

IniFile::~IniFile() {
    if (dirty_)
        save();
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
    for (std::string& text : splitLines(raw.bytes)) {
        std::string name;
        if (sectionHeader(text, name)) {
            sections_.push_back(Section{std::move(name), true, {}});
            sections_.back().lines.push_back(Line{std::move(text), std::string::npos});
            continue;
        }
        std::size_t eq = text.find('=');  // '=' is never a trail byte
        sections_.back().lines.push_back(Line{std::move(text), eq});
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

void IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    std::string text = std::string(key) + "=" + oneLine(value);
    Line line{text, key.size()};
    Section* s = findSection(section);
    if (!s) {
        // A section added by this program is set off from the one before by an empty line.
        std::vector<Line>& before = sections_.back().lines;
        if (!before.empty() && !before.back().text.empty())
            before.push_back(Line{std::string(), std::string::npos});
        Section fresh{std::string(section), true, {}};
        fresh.lines.push_back(Line{"[" + std::string(section) + "]", std::string::npos});
        fresh.lines.push_back(std::move(line));
        sections_.push_back(std::move(fresh));
        dirty_ = true;
        return;
    }
    if (Line* existing = findKey(*s, key)) {
        if (existing->text != text) {
            *existing = std::move(line);
            dirty_ = true;
        }
        return;
    }
    // After the last key line, so that blank lines closing the section stay below it.
    std::size_t at = s->lines.size();
    while (at > 1 && !s->lines[at - 1].isKey() && s->lines[at - 1].text.empty())
        --at;
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
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
    std::vector<std::string> lines;
    for (const Section& s : sections_) {
        for (const Line& l : s.lines)
            lines.push_back(l.text);
    }
    FileStatus status = writeLines(path_, lines);
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
