#pragma once
// Word lists made by other programs, turned into a dictionary: UTF-8 (with or without a
// byte order mark), UTF-16 or CP932 text in the dictionary's own line form, as CSV or TSV
// (one header line recognised), or KVTML (KDE's vocabulary files). The file's rows are
// read once; the learner's choice of columns then gives each entry its English, Japanese
// and comment, and every entry that cannot become a dictionary line as it stands (a
// character CP932 lacks, a control character, "=" in the English, "*" in the Japanese, a
// missing part, a line beyond kMostEntryBytes) is marked, skipped and reported, never
// written with "?" or a look-alike. A file that is no text is refused whole.

#include "base/Cp932.h"
#include "base/FileStatus.h"
#include "words/FieldRows.h"
#include "words/TextEncoding.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

enum class WordListFormat {
    Dictionary,  // "English=Japanese*comment" lines, as the program's own files
    Csv,
    Tsv,
    Kvtml,
};

// A word list read into rows of UTF-8 fields.
struct WordTable {
    // Each with the 1-based line of the file where the entry starts. A row longer than
    // kMostEntryBytes is cut: its fields hold only their start (and "…"), to name it.
    FieldRows rows;
    std::size_t columns = 0;                   // the most fields of any row
    std::vector<std::string> columnNames;      // KVTML's identifiers; empty elsewhere
    std::vector<std::string> columnLanguages;  // KVTML's locales ("en", "ja")
    std::vector<std::size_t> unclosedQuoteLines;
    std::vector<std::size_t> extraFieldLines;  // rows with more than kMostColumns fields
    std::string error;  // UTF-8: why nothing could be read (broken XML); empty when fine
};

// The KVTML reader lives outside the model (it needs an XML parser). It gets the file's
// bytes as they are (XML names its own encoding) and gives one row per entry: the texts
// of the first two translations, then their comments.
using KvtmlReader = std::function<WordTable(std::string_view bytes)>;

// Which field gives each part; -1 for "none" (allowed for the comment only).
struct ColumnChoice {
    int english = 0;
    int japanese = 1;
    int comment = -1;
    bool operator==(const ColumnChoice&) const = default;
};

enum class EntryProblem {
    None,
    MissingPart,         // the English or the Japanese is empty
    EqualsInEnglish,     // "=" would end the English early
    AsteriskInJapanese,  // "*" would end the Japanese early
    Unholdable,          // a character that CP932 cannot hold (culprit)
    ControlCharacter,    // a control character, as in binary data (culprit "U+0007")
    TooLong,             // the line is longer than kMostEntryBytes
    Blank,               // English, Japanese and comment all empty: nothing to take
};

struct ImportedEntry {
    std::size_t line = 0;
    // UTF-8, as they are written: line breaks inside the English and the Japanese separate
    // alternatives (","), inside the comment they become spaces; spaces at the edges of a
    // part and around its commas are dropped. An empty comment is written as
    // "コメントはありません".
    std::string english;
    std::string japanese;
    std::string comment;
    EntryProblem problem = EntryProblem::None;
    std::string culprit;         // UTF-8: the character CP932 cannot hold
    std::string dictionaryLine;  // CP932, without line break; only when problem is None
    // Bit i set: the text held kCp932LookAlikes[i].typed, which the parts above already
    // show as it is written (kCp932LookAlikes[i].written).
    unsigned lookAlikes = 0;
};

// "Shift-JIS で表せない文字「😀」" and the like (UTF-8); empty for None.
std::string problemText(const ImportedEntry& entry);
// What the preview notes for an entry: its problem, else the look-alikes written for its
// characters ("「〜」は「～」として書き込みます").
std::string noteText(const ImportedEntry& entry);
// "12行目 「smile」: ..." for the report of skipped entries (UTF-8), the entry's name cut
// to a few words, so that a box stays on the screen.
std::string skippedText(const ImportedEntry& entry);
// The skipped entries for a message box: one skippedText a line, at most `shown` of them,
// then "ほか N 件" (UTF-8).
std::string skippedReport(const std::vector<ImportedEntry>& skipped, std::size_t shown = 10);

// Every entry is written, skipped and named, or blank (and passed over without a name):
// lines + skipped + blank entries make the whole count.
struct ImportResult {
    std::vector<std::string> lines;     // CP932 dictionary lines
    std::vector<ImportedEntry> skipped;  // in file order
    std::size_t blankEntries = 0;
    // For each of kCp932LookAlikes, how many of the written entries hold it.
    std::array<std::size_t, kCp932LookAlikes.size()> lookAlikeEntries{};
};

// How many of some entries would be written, how many left out (and named), and how many
// are blank.
struct ImportTally {
    std::size_t written = 0;
    std::size_t skipped = 0;
    std::size_t blank = 0;
};

// One line for each look-alike written: "「〜」は「～」として書き込みます (3 件)" (UTF-8);
// empty when there was none.
std::string lookAlikeReport(const ImportResult& result);

class WordListImport {
public:
    // The file's bytes; encoding, format, header and columns are detected.
    WordListImport(std::string bytes, KvtmlReader kvtml);

    // Why the file cannot be imported at all (UTF-8): more than kMostWordListBytes, or no
    // text (see notTextReason). Such a file gives no rows. Empty when it can be.
    const std::string& refusal() const { return refusal_; }

    TextEncoding detectedEncoding() const { return detectedEncoding_; }
    TextEncoding encoding() const { return encoding_; }
    WordListFormat detectedFormat() const { return detectedFormat_; }
    WordListFormat format() const { return format_; }
    // Each re-reads the rows and detects header and columns anew.
    void setEncoding(TextEncoding encoding);
    void setFormat(WordListFormat format);

    // Whether the first row looks like column names; whether it is skipped.
    bool headerDetected() const { return headerDetected_; }
    bool skipsHeader() const { return skipHeader_; }
    void setSkipHeader(bool skip) { skipHeader_ = skip; }
    // "1列目（English）", or with the first entry's text as an example: the column's
    // name in the column choice (UTF-8), the name or example cut to a few words.
    std::string columnLabel(std::size_t column) const;
    // The name or example of the label whole, for a tooltip (cut only when very long);
    // empty when the label has none.
    std::string columnText(std::size_t column) const;

    const WordTable& table() const { return table_; }
    std::size_t columnCount() const { return table_.columns; }
    ColumnChoice columns() const { return columns_; }
    void setColumns(ColumnChoice columns) { columns_ = columns; }

    // The entries (the rows after the header) and one of them as it would be written.
    std::size_t entryCount() const;
    ImportedEntry entry(std::size_t index) const;
    // Every entry: the lines to write and the ones that were left out. Rows with nothing
    // in the chosen columns are left out without a word.
    ImportResult convert() const;
    // The entries from `from` up to `to` counted into `tally` as convert() would take them,
    // so that a long list can be counted a part at a time.
    void tally(std::size_t from, std::size_t to, ImportTally& tally) const;

private:
    void reread();
    void reread(std::string_view text);
    void detectHeaderAndColumns();
    // The name or example of a column, whole (UTF-8, one line); whether it is an example.
    std::string columnName(std::size_t column, bool* example) const;

    std::string bytes_;
    std::string refusal_;
    KvtmlReader kvtml_;
    TextEncoding detectedEncoding_;
    TextEncoding encoding_;
    WordListFormat detectedFormat_ = WordListFormat::Csv;
    WordListFormat format_ = WordListFormat::Csv;
    bool htmlFields_ = false;  // a flash-card export that says its fields hold HTML
    WordTable table_;
    bool headerDetected_ = false;
    bool skipHeader_ = false;
    ColumnChoice columns_;
};

// The format of text already in UTF-8: KVTML by its root element, a flash-card export by
// its "#separator:" line, else by the first lines: most hold "=" and then "*" (the
// dictionary form), or half of them a tab (TSV), else CSV.
WordListFormat detectFormat(std::string_view utf8);

// A dictionary written by another editor in UTF-8 or UTF-16: Unicode text whose first
// line holds the "*" of a comment. Such a file is offered a CP932 copy.
bool isUnicodeDictionary(std::string_view bytes);

// A file that is no dictionary but looks like a word list the import can read: KVTML,
// Unicode text, or a first line with a tab or a comma.
bool looksImportable(std::string_view bytes);

// The file name without folder and extension ("/x/words.csv" gives "words").
std::string fileStem(std::string_view path);
// A path in `folder` (with its trailing "/") no file holds yet: stem + ".txt", else
// stem + "-2.txt", "-3.txt" ...; empty when none is free. CP932 paths.
std::string freeDictionaryPath(std::string_view folder, std::string_view stem);
// The free name beside a file for its CP932 copy: "<stem>-sjis.txt", "<stem>-sjis-2.txt" ...
std::string freeCopyPath(std::string_view path);

struct Cp932Copy {
    FileStatus status;
    std::string path;     // the copy, CP932
    bool reused = false;  // an earlier copy with the same bytes was there already
    std::size_t lines = 0;
    std::vector<ImportedEntry> skipped;  // lines CP932 cannot hold (english etc. filled)
};

// Writes the CP932 copy of a Unicode dictionary beside it under a free name, line by line
// (CR LF), the original untouched; an existing file is never replaced. A copy made
// before with exactly these bytes is taken again rather than made twice. No line that
// CP932 can hold: no copy (path empty, status fine).
Cp932Copy writeCp932Copy(std::string_view path);

} // namespace qor
