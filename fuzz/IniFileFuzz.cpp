// IniFile on any bytes: a file is parsed, a sequence of reads, writes and removals runs on
// it, it is stored and read again. Every answer and the stored bytes are compared with a
// plain model that keeps the file as a list of lines (the meaning the file format has),
// and what was written must read back the same after the store.

#include "base/IniFile.h"
#include "base/TextFile.h"
#include "fuzz/FuzzInput.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace qor;

namespace {

std::string oneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

// The file as lines: sections start at whole-line "[...]" headers; a key line splits at
// its first (or last) "="; a new key goes after the last non-empty line of its section; a
// new section goes at the end, set off by an empty line; every line is stored with CR LF.
class LineModel {
public:
    LineModel(std::string_view bytes, IniFile::Split split) : split_(split) {
        sections_.push_back(Section{});
        for (const std::string& text : splitLines(bytes)) {
            if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
                sections_.push_back(Section{text.substr(1, text.size() - 2), true, {}});
                sections_.back().lines.push_back(Line{text, std::string::npos});
            } else {
                sections_.back().lines.push_back(Line{text, splitAt(text)});
            }
        }
    }

    std::optional<std::string> read(std::string_view section, std::string_view key) const {
        const Section* s = find(section);
        if (!s)
            return std::nullopt;
        for (const Line& l : s->lines)
            if (l.eq != std::string::npos && std::string_view(l.text).substr(0, l.eq) == key)
                return l.text.substr(l.eq + 1);
        return std::nullopt;
    }

    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const {
        std::vector<std::pair<std::string, std::string>> out;
        if (const Section* s = find(section))
            for (const Line& l : s->lines)
                if (l.eq != std::string::npos)
                    out.emplace_back(l.text.substr(0, l.eq), l.text.substr(l.eq + 1));
        return out;
    }

    void write(std::string_view sectionName, std::string_view keyName, std::string_view value) {
        const std::string section = oneLine(sectionName);
        const std::string key = oneLine(keyName);
        std::string text = key + "=" + oneLine(value);
        Section* s = find(section);
        if (!s) {
            auto& before = sections_.back().lines;
            if (!before.empty() && !before.back().text.empty())
                before.push_back(Line{});
            sections_.push_back(Section{std::string(section), true, {}});
            sections_.back().lines.push_back(Line{"[" + std::string(section) + "]", std::string::npos});
            sections_.back().lines.push_back(Line{text, key.size()});
            dirty_ = true;
            return;
        }
        for (Line& l : s->lines) {
            if (l.eq != std::string::npos && std::string_view(l.text).substr(0, l.eq) == key) {
                if (l.text != text) {
                    l = Line{text, key.size()};
                    dirty_ = true;
                }
                return;
            }
        }
        std::size_t at = s->lines.size();
        while (at > 1 && s->lines[at - 1].eq == std::string::npos && s->lines[at - 1].text.empty())
            --at;
        s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), Line{text, key.size()});
        dirty_ = true;
    }

    void removeKey(std::string_view section, std::string_view key) {
        Section* s = find(section);
        if (!s)
            return;
        for (auto it = s->lines.begin(); it != s->lines.end(); ++it) {
            if (it->eq != std::string::npos && std::string_view(it->text).substr(0, it->eq) == key) {
                s->lines.erase(it);
                dirty_ = true;
                return;
            }
        }
    }

    void removeSection(std::string_view section) {
        for (auto it = sections_.begin(); it != sections_.end(); ++it) {
            if (it->headed && it->name == section) {
                sections_.erase(it);
                dirty_ = true;
                return;
            }
        }
    }

    std::string bytes() const {
        std::string out;
        for (const Section& s : sections_)
            for (const Line& l : s.lines)
                out += l.text + "\r\n";
        return out;
    }

    bool dirty() const { return dirty_; }

    // Names already in the file, so that operations meet existing keys and sections.
    std::vector<std::pair<std::string, std::string>> names() const {
        std::vector<std::pair<std::string, std::string>> out;
        for (const Section& s : sections_) {
            if (!s.headed)
                continue;
            out.emplace_back(s.name, std::string());
            for (const Line& l : s.lines)
                if (l.eq != std::string::npos)
                    out.emplace_back(s.name, l.text.substr(0, l.eq));
        }
        return out;
    }

private:
    struct Line {
        std::string text;
        std::size_t eq = std::string::npos;
    };
    struct Section {
        std::string name;
        bool headed = false;
        std::vector<Line> lines;
    };

    std::size_t splitAt(std::string_view text) const {
        return split_ == IniFile::Split::AtLastEquals ? text.rfind('=') : text.find('=');
    }
    const Section* find(std::string_view name) const {
        for (const Section& s : sections_)
            if (s.headed && s.name == name)
                return &s;
        return nullptr;
    }
    Section* find(std::string_view name) {
        return const_cast<Section*>(std::as_const(*this).find(name));
    }

    IniFile::Split split_;
    std::vector<Section> sections_;
    bool dirty_ = false;
};

const char* const kNames[] = {"", "Setup", "Error", "COUNT", "a", "A", "[x", "x]", "a=b", "Num1",
                              "\x81", "=", "[", "]", "12/9", "\x83\x41"};

// Whether a written key and value come back from the stored file as written.
bool holdsAsWritten(std::string_view section, std::string_view key, std::string_view value,
                    IniFile::Split split) {
    auto breaks = [](std::string_view t) { return t.find_first_of("\r\n") != std::string_view::npos; };
    if (breaks(section) || breaks(key))
        return false;
    return split == IniFile::Split::AtFirstEquals ? key.find('=') == std::string_view::npos
                                                  : value.find('=') == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const auto split = in.below(2) ? IniFile::Split::AtLastEquals : IniFile::Split::AtFirstEquals;
    const std::size_t ops = in.below(12);
    std::vector<std::string> opBytes;
    for (std::size_t i = 0; i < ops; ++i)
        opBytes.push_back(in.bytes(24));
    const std::string file(in.rest());

    const std::string path = fuzz::scratchFolder() + "/fuzz.ini";
    if (!writeAll(path, file))
        return 0;
    IniFile ini(path, split);
    LineModel model(file, split);
    const auto known = model.names();

    std::map<std::pair<std::string, std::string>, std::string> written;
    for (const std::string& op : opBytes) {
        fuzz::Input o(reinterpret_cast<const std::uint8_t*>(op.data()), op.size());
        const std::size_t kind = o.below(8);
        std::string section, key;
        if (!known.empty() && o.below(2)) {
            const auto& k = known[o.below(known.size())];
            section = k.first;
            key = k.second;
        } else {
            section = kNames[o.below(std::size(kNames))];
            key = kNames[o.below(std::size(kNames))];
        }
        const std::string value = o.bytes(8);
        switch (kind) {
        case 0:
        case 1:
        case 2:
            ini.write(section, key, value);
            model.write(section, key, value);
            written[{section, key}] = oneLine(value);
            break;
        case 3:
            ini.removeKey(section, key);
            model.removeKey(section, key);
            written.erase({section, key});
            break;
        case 4:
            ini.removeSection(section);
            model.removeSection(section);
            for (auto it = written.begin(); it != written.end();)
                it = it->first.first == section ? written.erase(it) : std::next(it);
            break;
        case 5:
            FUZZ_CHECK(ini.entries(section) == model.entries(section));
            break;
        default:
            break;
        }
        FUZZ_CHECK(ini.read(section, key, "\x01") == model.read(section, key).value_or("\x01"));
        FUZZ_CHECK(ini.hasKey(section, key) == model.read(section, key).has_value());
    }
    FUZZ_CHECK(ini.dirty() == model.dirty());
    FUZZ_CHECK(ini.save());
    const std::string stored = readAll(path).bytes;
    FUZZ_CHECK(stored == (model.dirty() ? model.bytes() : file));

    // What the format cannot hold (a line shaped like a section header, "[k=v]"; a key
    // or value whose "=" moves the split) changes how the lines around it read: the
    // callers never write such keys, so the check is for files without them.
    for (const auto& [name, value] : written) {
        std::string line = name.second + "=" + value;
        if ((line.front() == '[' && line.back() == ']') ||
            !holdsAsWritten(name.first, name.second, value, split))
            return 0;
    }
    IniFile again(path, split);
    for (const auto& [name, value] : written)
        FUZZ_CHECK(again.read(name.first, name.second, "\x01") == value);
    return 0;
}
