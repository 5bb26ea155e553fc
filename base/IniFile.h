#pragma once
// The key-value (INI) file: "[section]" lines and "key=value" lines in CP932.
//
// An IniFile is opened on a path, read and written by section and key, and closed
// within one operation. The file is read on first use. Writes are kept in memory and
// stored together by save() (or the destructor), through a temporary file renamed over
// the old one; the stored bytes are the same as with one write at a time.
//
// Names compare byte for byte, "key=value" splits at the first "=" (or at the last, for
// files whose keys may hold "=" and whose values never do), nothing is trimmed. A line is
// a section header when it starts with "[" and ends with "]".
// A new section goes at the end of the file, a new key at the end of its section, an
// existing key is replaced in place. Lines are written with CR LF.

#include "FileStatus.h"

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qor {

class IniFile {
public:
    // Where a key line splits into key and value.
    enum class Split {
        AtFirstEquals,  // values may hold "=" (paths, word keys stored as values)
        AtLastEquals,   // keys may hold "=" (word keys of the record files), values never do
    };

    explicit IniFile(std::string path, Split split = Split::AtFirstEquals);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const std::string& path() const { return path_; }
    // Why the file could not be read; ok for a file that was read or is missing (which
    // reads as empty).
    FileStatus readStatus();

    // The value, or def when the file, the section or the key is missing.
    std::string read(std::string_view section, std::string_view key, std::string_view def);
    bool hasSection(std::string_view section);
    bool hasKey(std::string_view section, std::string_view key);
    // Keys of a section in file order (empty when missing).
    std::vector<std::string> keys(std::string_view section);
    // Key and value of every key line of a section, in file order (empty when missing),
    // for a reader that needs the whole section at once: one pass instead of a search
    // per key. A key that occurs twice is listed twice; read() gives the first.
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section);
    // The same as views into this object's text, valid while it lives and is not written
    // to: for a reader of a large section that keeps no copy of it.
    std::vector<std::pair<std::string_view, std::string_view>> entryViews(std::string_view section);

    // Line breaks inside a value, a key or a section name would break the file; they are
    // stored as spaces.
    void write(std::string_view section, std::string_view key, std::string_view value);
    void write(std::string_view section, std::string_view key, long long value);
    void removeKey(std::string_view section, std::string_view key);
    void removeSection(std::string_view section);

    // Stores pending writes. A file that could not be read (other than missing) is never
    // overwritten: its content would be lost.
    FileStatus save();
    bool dirty() const { return dirty_; }

    // One write, stored at once.
    static FileStatus writeOne(const std::string& path, std::string_view section,
                               std::string_view key, std::string_view value);

private:
    // A line of a section in line form, as a view: into the bytes read from the file, or
    // into owned_ for a line written here. Both stay in place for the object's life.
    struct Line {
        const char* data = "";
        std::size_t size = 0;
        std::size_t eq = std::string::npos;  // position of the splitting "=", npos for other lines
        std::string_view text() const { return {data, size}; }
        bool isKey() const { return eq != std::string::npos; }
        std::string_view key() const { return text().substr(0, eq); }
        std::string_view value() const { return text().substr(eq + 1); }
    };
    // A change to a section still in its raw form: the line at `offset` (its text without
    // the line break, `length` bytes, in bytes_) becomes `line`; npos for a new key line.
    struct Edit {
        std::size_t offset = std::string::npos;
        std::size_t length = 0;
        std::string key;
        std::string line;
    };
    // A section stays in its raw form, the bytes as read plus a few edits, until a caller
    // needs all its lines (keys(), entries(), removeKey()); so that reading and updating a
    // key of a large file costs a search of its bytes, and storing it a copy of them.
    struct Section {
        std::string name;  // empty for lines before the first section
        bool headed = false;
        bool blankAfter = false;   // raw form: an empty line ends it (a section was added after it)
        bool raw = false;
        std::size_t begin = 0;      // raw form: the header line's start in bytes_
        std::size_t bodyBegin = 0;  //           the first line after the header
        std::size_t end = 0;        //           the end of the section
        std::vector<Edit> edits;    //           in the order made
        std::vector<Line> lines;    // line form: the header line first
    };
    struct Found {
        std::size_t offset = std::string::npos;  // the line's start in bytes_
        std::size_t length = 0;
        std::string_view value;
    };

    void load();
    Section* findSection(std::string_view name);
    std::string_view lineAt(std::size_t start, std::size_t* next = nullptr) const;
    Found findRaw(const Section& section, std::string_view key) const;
    Edit* findEdit(Section& section, std::string_view key);
    Line* findKey(Section& section, std::string_view key);
    std::size_t rawInsertionPoint(const Section& section) const;
    bool endsWithText(const Section& section) const;
    void toLineForm(Section& section);
    std::size_t splitAt(std::string_view text) const;
    Line ownLine(std::string text, std::size_t eq);

    std::string path_;
    Split split_ = Split::AtFirstEquals;
    bool loaded_ = false;
    bool dirty_ = false;
    FileStatus loadStatus_;
    std::string bytes_;              // the file as read, every line ended; never changed after load()
    std::deque<std::string> owned_;  // lines written here; a deque keeps them in place
    std::vector<Section> sections_;
};

// Decimal integer text as the settings store writes it: an optional sign and digits,
// nothing else. nullopt for anything else or out of range.
std::optional<long long> parseDecimal(std::string_view text);

} // namespace qor
