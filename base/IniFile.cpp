#include "IniFile.h"

#include "TextFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>

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


bool endsEveryLineWithCrLf(std::string_view bytes) {
    if (bytes.empty())
        return true;
    if (bytes.size() < 2 || bytes[bytes.size() - 1] != '\n' || bytes[bytes.size() - 2] != '\r')
        return false;
    for (const char* p = bytes.data(); (p = static_cast<const char*>(std::memchr(
                                             p, '\n', bytes.data() + bytes.size() - p)));
         ++p) {
        if (p == bytes.data() || p[-1] != '\r')
            return false;
    }
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

std::size_t IniFile::splitAt(std::string_view text) const {
    // '=' is never a trail byte, so a byte search is safe.
    return split_ == Split::AtLastEquals ? text.rfind('=') : text.find('=');
}

// The text of the line that starts at `start` (a CR right before its LF dropped, as
// splitLines() does); `next` receives the start of the following line.
std::string_view IniFile::lineAt(std::size_t start, std::size_t* next) const {
    const std::string_view all = bytes_;
    std::size_t lf = all.find('\n', start);  // every line of bytes_ ends in LF
    std::size_t end = lf;
    if (end > start && all[end - 1] == '\r')
        --end;
    if (next)
        *next = lf + 1;
    return all.substr(start, end - start);
}

void IniFile::load() {
    if (loaded_)
        return;
    loaded_ = true;
    sections_.clear();
    Bytes raw = readAll(path_);
    if (!raw.status) {
        // A missing file is simply empty; anything else must not be overwritten later.
        if (!raw.status.isMissingFile())
            loadStatus_ = raw.status;
        sections_.push_back(Section{});
        return;
    }
    bytes_ = std::move(raw.bytes);
    // Every line is stored with CR LF: a file with bare LFs, or a last line without a
    // break, is brought to that form once here, so the raw parts can be stored as read.
    if (!endsEveryLineWithCrLf(bytes_))
        bytes_ = joinLines(splitLines(bytes_));

    // Only the section headers are looked for: lines that start with "[" and end with "]".
    // Everything between two headers stays raw until it is needed line by line.
    const std::string_view all = bytes_;
    Section lead;
    lead.raw = true;
    sections_.push_back(std::move(lead));
    auto headerAt = [&](std::size_t start) {
        std::size_t next = 0;
        std::string_view text = lineAt(start, &next);
        if (text.size() < 2 || text.back() != ']')
            return;
        sections_.back().end = start;
        Section s;
        s.name.assign(text.substr(1, text.size() - 2));
        s.headed = true;
        s.raw = true;
        s.begin = start;
        s.bodyBegin = next;
        sections_.push_back(std::move(s));
    };
    if (!all.empty() && all.front() == '[')
        headerAt(0);
    for (std::size_t at = all.find("\n[", 0); at != std::string_view::npos;
         at = all.find("\n[", at + 1))
        headerAt(at + 1);
    sections_.back().end = all.size();
}

IniFile::Section* IniFile::findSection(std::string_view name) {
    load();
    for (Section& s : sections_) {
        if (s.headed && s.name == name)
            return &s;
    }
    return nullptr;
}

IniFile::Found IniFile::findRaw(const Section& section, std::string_view key) const {
    // The first key line of the section whose key is `key`: "\n" key "=" marks its start.
    // With the first "=" splitting, a key holding "=" cannot be one; with the last, the
    // rest of the line must hold none.
    if (split_ == Split::AtFirstEquals && key.find('=') != std::string_view::npos)
        return {};
    const std::string_view all = bytes_;
    std::string pattern;
    pattern.reserve(key.size() + 2);
    pattern += '\n';
    pattern += key;
    pattern += '=';
    const std::string_view body = all.substr(section.bodyBegin - 1, section.end - section.bodyBegin + 1);
    for (std::size_t at = body.find(pattern); at != std::string_view::npos;
         at = body.find(pattern, at + 1)) {
        const std::size_t start = section.bodyBegin + at;
        std::string_view text = lineAt(start);
        std::string_view value = text.substr(key.size() + 1);
        if (split_ == Split::AtLastEquals && value.find('=') != std::string_view::npos)
            continue;
        return Found{start, text.size(), value};
    }
    return {};
}

IniFile::Edit* IniFile::findEdit(Section& section, std::string_view key) {
    for (Edit& e : section.edits) {
        if (e.key == key)
            return &e;
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

// Where a new key line of a raw section goes: after its last line that is not empty, so
// that blank lines closing the section stay below it.
std::size_t IniFile::rawInsertionPoint(const Section& section) const {
    std::size_t at = section.end;
    while (at > section.bodyBegin) {
        const std::size_t lf = at - 1;  // the break of the line before `at`
        const std::size_t prev = lf == 0 ? std::string::npos : bytes_.rfind('\n', lf - 1);
        const std::size_t start =
            prev == std::string::npos || prev + 1 < section.bodyBegin ? section.bodyBegin : prev + 1;
        if (!lineAt(start).empty())
            break;
        at = start;
    }
    return at;
}

// Whether the last line of the section is not empty (a section added after it is then
// set off by an empty line).
bool IniFile::endsWithText(const Section& section) const {
    if (section.blankAfter)
        return false;
    if (!section.raw)
        return !section.lines.empty() && section.lines.back().size != 0;
    if (section.end == section.begin)
        return false;
    if (rawInsertionPoint(section) == section.end)
        return true;  // no blank line closes it: its last line has text
    return false;
}

void IniFile::toLineForm(Section& section) {
    if (!section.raw)
        return;
    std::vector<Line> lines;
    std::size_t insertAt = std::string::npos;  // index of the first closing blank line
    const std::size_t insertion = rawInsertionPoint(section);
    for (std::size_t at = section.begin; at < section.end;) {
        if (at == insertion)
            insertAt = lines.size();
        std::size_t next = 0;
        std::string_view text = lineAt(at, &next);
        std::size_t eq = section.headed && at == section.begin ? std::string::npos : splitAt(text);
        lines.push_back(Line{text.data(), text.size(), eq});
        at = next;
    }
    if (insertAt == std::string::npos)
        insertAt = lines.size();
    std::vector<Line> added;
    for (Edit& e : section.edits) {
        Line line = ownLine(std::move(e.line), e.key.size());
        if (e.offset == std::string::npos) {
            added.push_back(line);
            continue;
        }
        for (Line& l : lines) {
            if (l.data == bytes_.data() + e.offset) {
                l = line;
                break;
            }
        }
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), added.begin(), added.end());
    if (section.blankAfter)
        lines.push_back(Line{});
    section.blankAfter = false;
    section.lines = std::move(lines);
    section.edits.clear();
    section.raw = false;
}

std::string IniFile::read(std::string_view section, std::string_view key, std::string_view def) {
    Section* s = findSection(section);
    if (!s)
        return std::string(def);
    if (s->raw) {
        if (Edit* e = findEdit(*s, key))
            return e->line.substr(e->key.size() + 1);
        Found f = findRaw(*s, key);
        return f.offset == std::string::npos ? std::string(def) : std::string(f.value);
    }
    Line* l = findKey(*s, key);
    return l ? std::string(l->value()) : std::string(def);
}

bool IniFile::hasSection(std::string_view section) {
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(std::string_view section, std::string_view key) {
    Section* s = findSection(section);
    if (!s)
        return false;
    if (s->raw)
        return findEdit(*s, key) || findRaw(*s, key).offset != std::string::npos;
    return findKey(*s, key) != nullptr;
}

std::vector<std::string> IniFile::keys(std::string_view section) {
    std::vector<std::string> out;
    if (Section* s = findSection(section)) {
        toLineForm(*s);
        for (const Line& l : s->lines) {
            if (l.isKey())
                out.emplace_back(l.key());
        }
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> IniFile::entries(std::string_view section) {
    const auto views = entryViews(section);
    std::vector<std::pair<std::string, std::string>> out;
    out.reserve(views.size());
    for (const auto& [key, value] : views)
        out.emplace_back(key, value);
    return out;
}

std::vector<std::pair<std::string_view, std::string_view>> IniFile::entryViews(
    std::string_view section) {
    std::vector<std::pair<std::string_view, std::string_view>> out;
    if (Section* s = findSection(section)) {
        toLineForm(*s);
        out.reserve(s->lines.size());
        for (const Line& l : s->lines) {
            if (l.isKey())
                out.emplace_back(l.key(), l.value());
        }
    }
    return out;
}

void IniFile::write(std::string_view sectionName, std::string_view keyName,
                    std::string_view value) {
    const std::string section = oneLine(sectionName);
    const std::string key = oneLine(keyName);
    std::string text = key + "=" + oneLine(value);
    Section* s = findSection(section);
    if (!s) {
        // A section added by this program is set off from the one before by an empty line,
        // which belongs to that one (its new keys go above it).
        Section& before = sections_.back();
        if (endsWithText(before)) {
            if (before.raw)
                before.blankAfter = true;
            else
                before.lines.push_back(Line{});
        }
        Section fresh;
        fresh.name = section;
        fresh.headed = true;
        fresh.lines.push_back(ownLine("[" + section + "]", std::string::npos));
        fresh.lines.push_back(ownLine(std::move(text), key.size()));
        sections_.push_back(std::move(fresh));
        dirty_ = true;
        return;
    }
    if (s->raw) {
        if (Edit* e = findEdit(*s, key)) {
            if (e->line != text) {
                e->line = std::move(text);
                dirty_ = true;
            }
            return;
        }
        Found f = findRaw(*s, key);
        if (f.offset != std::string::npos && bytes_.compare(f.offset, f.length, text) == 0)
            return;
        s->edits.push_back(Edit{f.offset, f.length, key, std::move(text)});
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
    toLineForm(*s);
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
    // The raw parts go out as they were read, in pieces; only the lines of sections in line
    // form and the edited lines are joined anew.
    std::vector<std::string_view> pieces;
    std::deque<std::string> joined;
    const std::string_view all = bytes_;
    for (const Section& s : sections_) {
        if (!s.raw) {
            std::size_t total = 0;
            for (const Line& l : s.lines)
                total += l.size + 2;
            std::string& out = joined.emplace_back();
            out.reserve(total);
            for (const Line& l : s.lines) {
                out.append(l.data, l.size);
                out += "\r\n";
            }
            pieces.push_back(out);
            continue;
        }
        std::vector<const Edit*> replaced;
        std::string& added = joined.emplace_back();
        for (const Edit& e : s.edits) {
            if (e.offset == std::string::npos) {
                added += e.line;
                added += "\r\n";
            } else {
                replaced.push_back(&e);
            }
        }
        std::sort(replaced.begin(), replaced.end(),
                  [](const Edit* a, const Edit* b) { return a->offset < b->offset; });
        const std::size_t insertion = added.empty() ? s.end : rawInsertionPoint(s);
        std::size_t at = s.begin;
        for (const Edit* e : replaced) {
            pieces.push_back(all.substr(at, e->offset - at));
            pieces.push_back(e->line);
            at = e->offset + e->length;
        }
        pieces.push_back(all.substr(at, insertion - at));
        pieces.push_back(added);
        pieces.push_back(all.substr(insertion, s.end - insertion));
        if (s.blankAfter)
            pieces.push_back("\r\n");
    }
    FileStatus status = writeAllPieces(path_, pieces);
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
