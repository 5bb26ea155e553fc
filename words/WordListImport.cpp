#include "words/WordListImport.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "words/DelimitedText.h"
#include "words/ImportText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <stdexcept>

namespace qor {

namespace {

constexpr std::string_view kNoComment = "コメントはありません";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
// How many lines or rows the detection looks at.
constexpr std::size_t kSample = 20;
constexpr std::size_t kColumnSample = 50;
// What is kept of each field of a row longer than kMostEntryBytes, to name it.
constexpr std::size_t kCutFieldBytes = 256;
// A column's name or example in the column choice, and in its tooltip (bytes of UTF-8).
constexpr std::size_t kLabelBytes = 30;
constexpr std::size_t kTipCharacters = 500;
// An entry's name in the report of left-out entries (characters).
constexpr std::size_t kNameCharacters = 30;

// --- text helpers on UTF-8 ---

bool isBreak(char c) {
    return c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view s) {
    for (;;) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
            s.remove_prefix(1);
        else if (s.substr(0, 3) == kIdeographicSpace)
            s.remove_prefix(3);
        else
            break;
    }
    for (;;) {
        if (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
            s.remove_suffix(1);
        else if (s.size() >= 3 && s.substr(s.size() - 3) == kIdeographicSpace)
            s.remove_suffix(3);
        else
            break;
    }
    return s;
}

// An English or Japanese part: each line and each comma-separated piece is one
// alternative, spaces at its edges dropped, empty ones left out.
std::string normalizedPart(std::string_view field) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= field.size(); ++i) {
        if (i < field.size() && field[i] != ',' && !isBreak(field[i])) continue;
        std::string_view piece = trimmed(field.substr(start, i - start));
        if (!piece.empty()) {
            if (!out.empty()) out.push_back(',');
            out.append(piece);
        }
        start = i + 1;
    }
    return out;
}

// A comment: one line, each run of line breaks a single space.
std::string normalizedComment(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    bool inBreak = false;
    for (char c : trimmed(field)) {
        if (isBreak(c)) {
            if (!inBreak) out.push_back(' ');
            inBreak = true;
        } else {
            out.push_back(c);
            inBreak = false;
        }
    }
    return std::string(trimmed(out));
}

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Lines of UTF-8 text: LF, CR LF or CR end a line.
template <class F> void forEachLine(std::string_view text, F&& f) {
    NextByte breaks(text, {'\r', '\n'});
    std::size_t start = 0, line = 1;
    while (start < text.size()) {
        std::size_t end = std::min(breaks.from(start), text.size());
        if (!f(text.substr(start, end - start), line)) return;
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
        ++line;
    }
}

// --- column names ---

enum class Role { None, English, Japanese, Comment };

Role roleOfName(std::string_view name) {
    static const std::array<std::string_view, 14> english = {
        "english", "en", "eng", "word", "words", "front", "question", "term",
        "英語", "英単語", "単語", "表", "問題", "おもて"};
    static const std::array<std::string_view, 15> japanese = {
        "japanese", "ja", "jp", "meaning", "meanings", "translation", "back", "answer",
        "definition", "日本語", "意味", "訳", "和訳", "裏", "答え"};
    static const std::array<std::string_view, 12> comment = {
        "comment", "comments", "note", "notes", "remark", "remarks", "example",
        "コメント", "備考", "メモ", "例文", "注"};
    std::string key = lowered(trimmed(name));
    while (!key.empty() && key.back() == ':') key.pop_back();
    auto in = [&](const auto& set) { return std::find(set.begin(), set.end(), key) != set.end(); };
    if (in(english)) return Role::English;
    if (in(japanese)) return Role::Japanese;
    if (in(comment)) return Role::Comment;
    return Role::None;
}

// Column names rather than an entry: at least half of the filled fields are names.
bool looksLikeHeader(const FieldRows& rows, std::size_t row) {
    std::size_t filled = 0, names = 0;
    for (std::size_t c = 0; c < rows.fieldCount(row); ++c) {
        std::string_view f = rows.field(row, c);
        if (trimmed(f).empty()) continue;
        ++filled;
        if (roleOfName(f) != Role::None) ++names;
    }
    return names > 0 && names * 2 >= filled;
}

// --- flash-card exports ---

// The "#key:value" lines at the start of a flash-card program's export.
struct Directives {
    std::size_t lines = 0;      // how many lines they take
    char separator = 0;         // 0 when not said
    bool html = false;
    std::vector<std::string> columns;
};

Directives readDirectives(std::string_view text) {
    Directives d;
    forEachLine(text, [&](std::string_view line, std::size_t) {
        if (line.empty() || line.front() != '#') return false;
        std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return false;
        std::string key = lowered(line.substr(1, colon - 1));
        if (key.empty() || !std::all_of(key.begin(), key.end(), [](char c) {
                return std::isalpha(static_cast<unsigned char>(c)) || c == ' ';
            }))
            return false;
        std::string_view value = line.substr(colon + 1);
        std::string v = lowered(trimmed(value));
        if (key == "separator") {
            if (v == "tab") d.separator = '\t';
            else if (v == "comma") d.separator = ',';
        } else if (key == "html") {
            d.html = v == "true";
        } else if (key == "columns") {
            d.columns.clear();
            char sep = d.separator ? d.separator : '\t';
            std::size_t start = 0;
            for (std::size_t i = 0; i <= value.size(); ++i) {
                if (i == value.size() || value[i] == sep) {
                    d.columns.emplace_back(trimmed(value.substr(start, i - start)));
                    start = i + 1;
                }
            }
        }
        ++d.lines;
        return true;
    });
    return d;
}

// The text of an HTML field: <br> and block ends become line breaks, other tags go, and
// the common character references are read.
std::string htmlToText(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    for (std::size_t i = 0; i < html.size();) {
        char c = html[i];
        if (c == '<') {
            std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) {
                out.append(html.substr(i));
                break;
            }
            std::string tag = lowered(html.substr(i + 1, end - i - 1));
            if (tag.rfind("br", 0) == 0 || tag == "/div" || tag == "/p" || tag == "/li")
                out.push_back('\n');
            i = end + 1;
        } else if (c == '&') {
            static const std::array<std::pair<std::string_view, std::string_view>, 6> refs = {{
                {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""},
                {"&#39;", "'"}, {"&nbsp;", " "}}};
            bool found = false;
            for (const auto& [ref, text] : refs) {
                if (html.substr(i, ref.size()) == ref) {
                    out.append(text);
                    i += ref.size();
                    found = true;
                    break;
                }
            }
            if (!found) {
                out.push_back(c);
                ++i;
            }
        } else {
            out.push_back(c);
            ++i;
        }
    }
    return out;
}

// --- reading the rows ---

WordTable dictionaryRows(std::string_view text) {
    WordTable table;
    table.rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1, text.size());
    forEachLine(text, [&](std::string_view line, std::size_t number) {
        // A line too long to be an entry is split on its start only, for its name.
        const bool cut = line.size() > kMostEntryBytes;
        if (cut) line = utf8Prefix(line, kCutFieldBytes * 3);
        if (trimmed(line).empty()) return true;
        // The program's own split: the first "=", then the first "*" after it.
        std::size_t eq = line.find('=');
        std::string_view english = eq == std::string_view::npos ? std::string_view{} : line.substr(0, eq);
        std::string_view rest = eq == std::string_view::npos ? line : line.substr(eq + 1);
        std::size_t star = rest.find('*');
        std::string_view japanese = star == std::string_view::npos ? std::string_view{} : rest.substr(0, star);
        std::string_view comment = star == std::string_view::npos ? rest : rest.substr(star + 1);
        table.rows.addRow(number);
        for (std::string_view part : {english, japanese, comment}) table.rows.addField(part);
        if (cut) table.rows.cutRow(kCutFieldBytes);
        return true;
    });
    table.columns = 3;
    return table;
}

WordTable delimitedRows(std::string_view text, char separator, const Directives& directives) {
    // The directive lines are cut off; the rows keep the line numbers of the file.
    std::size_t skip = 0;
    std::size_t lines = 0;
    forEachLine(text, [&](std::string_view line, std::size_t) {
        if (lines == directives.lines) return false;
        skip = static_cast<std::size_t>(line.data() - text.data()) + line.size();
        if (skip < text.size() && text[skip] == '\r') ++skip;
        if (skip < text.size() && text[skip] == '\n') ++skip;
        ++lines;
        return true;
    });
    DelimitedText read = readDelimited(text.substr(skip), separator, {kMostEntryBytes, kMostColumns, kCutFieldBytes});
    WordTable table;
    table.rows = std::move(read.rows);
    table.rows.shiftLines(directives.lines);
    if (directives.html) table.rows.transform([](std::string_view f) { return htmlToText(f); });
    for (std::size_t r = 0; r < table.rows.size(); ++r) table.columns = std::max(table.columns, table.rows.fieldCount(r));
    for (std::size_t line : read.unclosedQuoteLines)
        table.unclosedQuoteLines.push_back(line + directives.lines);
    for (std::size_t line : read.extraFieldLines)
        table.extraFieldLines.push_back(line + directives.lines);
    table.columnNames = directives.columns;
    if (table.columnNames.size() > kMostColumns) table.columnNames.resize(kMostColumns);
    table.columns = std::max(table.columns, table.columnNames.size());
    return table;
}

} // namespace

// --- detection ---

WordListFormat detectFormat(std::string_view utf8) {
    std::string_view head = utf8.substr(0, 2048);
    std::size_t first = head.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && head[first] == '<' &&
        head.find("<kvtml") != std::string_view::npos)
        return WordListFormat::Kvtml;
    Directives directives = readDirectives(utf8);
    if (directives.separator == '\t') return WordListFormat::Tsv;
    if (directives.separator == ',') return WordListFormat::Csv;

    std::size_t lines = 0, dictionaryShaped = 0, tabbed = 0;
    forEachLine(utf8, [&](std::string_view line, std::size_t number) {
        if (number <= directives.lines || trimmed(line).empty()) return true;
        ++lines;
        std::size_t eq = line.find('=');
        if (eq != std::string_view::npos && line.find('*', eq) != std::string_view::npos)
            ++dictionaryShaped;
        if (line.find('\t') != std::string_view::npos) ++tabbed;
        return lines < kSample;
    });
    if (lines > 0 && dictionaryShaped * 5 >= lines * 4) return WordListFormat::Dictionary;
    if (lines > 0 && tabbed * 2 >= lines) return WordListFormat::Tsv;
    return WordListFormat::Csv;
}

WordListImport::WordListImport(std::string bytes, KvtmlReader kvtml)
    : bytes_(std::move(bytes)), kvtml_(std::move(kvtml)),
      detectedEncoding_(detectEncoding(bytes_)), encoding_(detectedEncoding_) {
    refusal_ = sizeRefusal(bytes_.size());
    if (!refusal_.empty()) {
        bytes_.clear();
        bytes_.shrink_to_fit();
        return;
    }
    std::string decoded;
    const std::string_view text = utf8View(bytes_, encoding_, decoded);
    refusal_ = notTextReason(text);
    if (!refusal_.empty()) return;
    detectedFormat_ = format_ = detectFormat(text);
    reread(text);
}

void WordListImport::setEncoding(TextEncoding encoding) {
    encoding_ = encoding;
    reread();
}

void WordListImport::setFormat(WordListFormat format) {
    format_ = format;
    reread();
}

void WordListImport::reread() {
    if (!refusal_.empty()) return;
    if (format_ == WordListFormat::Kvtml) {
        reread({});
    } else {
        std::string decoded;
        reread(utf8View(bytes_, encoding_, decoded));
    }
}

void WordListImport::reread(std::string_view text) {
    table_ = WordTable();
    if (format_ == WordListFormat::Kvtml) {
        if (kvtml_)
            table_ = kvtml_(bytes_);
        else
            table_.error = "KVTML ファイルを読むことができません";
    } else if (format_ == WordListFormat::Dictionary) {
        table_ = dictionaryRows(text);
    } else {
        Directives directives = readDirectives(text);
        table_ = delimitedRows(text, format_ == WordListFormat::Tsv ? '\t' : ',', directives);
    }
    // Rows longer than an entry can be (from any reader) keep only the start of each field,
    // "…" after it: enough to name them, and the memory stays small whatever the file holds.
    table_.rows.cutRowsOver(kMostEntryBytes, kCutFieldBytes);
    detectHeaderAndColumns();
}

void WordListImport::detectHeaderAndColumns() {
    const bool delimited = format_ == WordListFormat::Csv || format_ == WordListFormat::Tsv;
    headerDetected_ = delimited && !table_.rows.empty() && looksLikeHeader(table_.rows, 0);
    skipHeader_ = headerDetected_;

    const int n = static_cast<int>(table_.columns);
    ColumnChoice c{-1, -1, -1};
    auto taken = [&](int i) { return i == c.english || i == c.japanese || i == c.comment; };

    if (format_ == WordListFormat::Dictionary) {
        columns_ = {0, 1, 2};
        return;
    }
    // Names first: the KVTML locales and identifiers, the flash-card columns, a header.
    std::vector<std::string> names = table_.columnNames;
    if (headerDetected_) names = table_.rows.fields(0);
    for (int i = 0; i < n; ++i) {
        std::string_view language =
            i < static_cast<int>(table_.columnLanguages.size()) ? std::string_view(table_.columnLanguages[i]) : "";
        Role role = Role::None;
        if (language.substr(0, 2) == "en") role = Role::English;
        else if (language.substr(0, 2) == "ja") role = Role::Japanese;
        else if (i < static_cast<int>(names.size())) role = roleOfName(names[i]);
        if (role == Role::English && c.english < 0) c.english = i;
        else if (role == Role::Japanese && c.japanese < 0) c.japanese = i;
        else if (role == Role::Comment && c.comment < 0) c.comment = i;
    }
    // Then the text: English is mostly ASCII, Japanese mostly not.
    if (c.english < 0 || c.japanese < 0) {
        std::vector<std::size_t> filled(n), ascii(n);
        std::size_t from = skipHeader_ ? 1 : 0;
        for (std::size_t r = from; r < table_.rows.size() && r < from + kColumnSample; ++r) {
            for (int i = 0; i < n && i < static_cast<int>(table_.rows.fieldCount(r)); ++i) {
                std::string_view f = table_.rows.field(r, static_cast<std::size_t>(i));
                if (trimmed(f).empty()) continue;
                ++filled[i];
                if (isAscii(f)) ++ascii[i];
            }
        }
        const int texts = format_ == WordListFormat::Kvtml ? std::min(n, 2) : n;
        for (int i = 0; i < texts && c.english < 0; ++i)
            if (!taken(i) && filled[i] > 0 && ascii[i] * 2 > filled[i]) c.english = i;
        for (int i = 0; i < texts && c.japanese < 0; ++i)
            if (!taken(i) && filled[i] > 0 && ascii[i] * 2 <= filled[i]) c.japanese = i;
        for (int i = 0; i < n && c.english < 0; ++i)
            if (!taken(i)) c.english = i;
        for (int i = 0; i < n && c.japanese < 0; ++i)
            if (!taken(i)) c.japanese = i;
    }
    if (c.comment < 0) {
        for (int i = 0; i < n && c.comment < 0; ++i)
            if (!taken(i)) c.comment = i;
    }
    if (c.english < 0) c.english = 0;
    if (c.japanese < 0) c.japanese = n > 1 ? 1 : 0;
    columns_ = c;
}

std::string WordListImport::columnName(std::size_t column, bool* example) const {
    *example = false;
    std::string name;
    if (column < table_.columnNames.size()) name = table_.columnNames[column];
    if (name.empty() && skipHeader_ && !table_.rows.empty()) name = table_.rows.field(0, column);
    if (!name.empty()) return normalizedComment(name);
    for (std::size_t i = 0; i < entryCount() && i <= kColumnSample; ++i) {
        std::string_view f = table_.rows.field(i + (skipHeader_ ? 1 : 0), column);
        if (!trimmed(f).empty()) {
            *example = true;
            return normalizedComment(f);
        }
    }
    return {};
}

std::string WordListImport::columnLabel(std::size_t column) const {
    std::string label = std::to_string(column + 1) + "列目";
    bool example = false;
    std::string name = columnName(column, &example);
    if (name.empty()) return label;
    std::string shown = shownText(utf8Prefix(name, kLabelBytes), kLabelBytes);
    if (name.size() > kLabelBytes) shown += "…";
    return label + (example ? "（例: " : "（") + shown + "）";
}

std::string WordListImport::columnText(std::size_t column) const {
    bool example = false;
    return shownText(columnName(column, &example), kTipCharacters);
}

std::size_t WordListImport::entryCount() const {
    std::size_t n = table_.rows.size();
    return skipHeader_ && n > 0 ? n - 1 : n;
}

ImportedEntry WordListImport::entry(std::size_t index) const {
    const std::size_t row = index + (skipHeader_ ? 1 : 0);
    if (row >= table_.rows.size()) throw std::out_of_range("no such entry");
    auto field = [&](int c) -> std::string_view {
        return c < 0 ? std::string_view() : table_.rows.field(row, static_cast<std::size_t>(c));
    };
    ImportedEntry e;
    e.line = table_.rows.line(row);
    e.english = normalizedPart(field(columns_.english));
    e.japanese = normalizedPart(field(columns_.japanese));
    e.comment = normalizedComment(field(columns_.comment));
    if (table_.rows.cut(row)) {
        e.problem = EntryProblem::TooLong;
        return e;
    }
    if (e.english.empty() && e.japanese.empty() && e.comment.empty()) {
        e.problem = EntryProblem::Blank;
        return e;
    }
    if (e.english.empty() || e.japanese.empty()) {
        e.problem = EntryProblem::MissingPart;
        return e;
    }
    if (e.english.find('=') != std::string::npos) {
        e.problem = EntryProblem::EqualsInEnglish;
        return e;
    }
    if (e.japanese.find('*') != std::string::npos) {
        e.problem = EntryProblem::AsteriskInJapanese;
        return e;
    }
    for (const std::string* part : {&e.english, &e.japanese, &e.comment}) {
        if (auto control = firstControlCharacter(*part)) {
            e.problem = EntryProblem::ControlCharacter;
            e.culprit = codePointName(*control);
            return e;
        }
    }
    // The parts as CP932 will hold them, so that the preview shows what is written.
    for (std::string* part : {&e.english, &e.japanese, &e.comment}) {
        if (!holdsCp932LookAlike(*part)) continue;
        for (std::size_t i = 0; i < kCp932LookAlikes.size(); ++i)
            if (part->find(kCp932LookAlikes[i].typed) != std::string::npos) e.lookAlikes |= 1u << i;
        *part = withCp932LookAlikes(*part);
    }
    std::string line = e.english + "=" + e.japanese + "*";
    line += e.comment.empty() ? kNoComment : std::string_view(e.comment);
    if (auto converted = toCp932(line)) {
        e.dictionaryLine = std::move(*converted);
        return e;
    }
    e.problem = EntryProblem::Unholdable;
    for (const std::string* part : {&e.english, &e.japanese, &e.comment}) {
        if (auto bad = firstUnholdable(*part)) {
            e.culprit = *bad;
            break;
        }
    }
    return e;
}

ImportResult WordListImport::convert() const {
    ImportResult result;
    const std::size_t n = entryCount();
    result.lines.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        ImportedEntry e = entry(i);
        if (e.problem == EntryProblem::None) {
            result.lines.push_back(std::move(e.dictionaryLine));
            for (std::size_t l = 0; l < kCp932LookAlikes.size(); ++l)
                if (e.lookAlikes & (1u << l)) ++result.lookAlikeEntries[l];
        } else if (e.problem == EntryProblem::Blank) {
            ++result.blankEntries;
        } else {
            result.skipped.push_back(std::move(e));
        }
    }
    return result;
}

void WordListImport::tally(std::size_t from, std::size_t to, ImportTally& tally) const {
    to = std::min(to, entryCount());
    for (std::size_t i = from; i < to; ++i) {
        ImportedEntry e = entry(i);
        if (e.problem == EntryProblem::None)
            ++tally.written;
        else if (e.problem == EntryProblem::Blank)
            ++tally.blank;
        else
            ++tally.skipped;
    }
}

std::string problemText(const ImportedEntry& entry) {
    switch (entry.problem) {
    case EntryProblem::None:
        return {};
    case EntryProblem::MissingPart:
        return entry.english.empty() ? "英語がありません" : "日本語がありません";
    case EntryProblem::EqualsInEnglish:
        return "英語に「=」があります";
    case EntryProblem::AsteriskInJapanese:
        return "日本語に「*」があります";
    case EntryProblem::Unholdable:
        return "Shift-JIS で表せない文字「" + entry.culprit + "」があります";
    case EntryProblem::ControlCharacter:
        return "制御文字（" + entry.culprit + "）があります";
    case EntryProblem::TooLong:
        return "行が長すぎます（" + std::to_string(kMostEntryBytes / 1024) + " KB を超えています）";
    case EntryProblem::Blank:
        return "空の項目です（取り込むものがありません）";
    }
    return {};
}

namespace {

// "「〜」は「～」として書き込みます"
std::string lookAlikeText(const Cp932LookAlike& l) {
    return "「" + std::string(l.typed) + "」は「" + std::string(l.written) + "」として書き込みます";
}

} // namespace

std::string noteText(const ImportedEntry& entry) {
    if (entry.problem != EntryProblem::None) return problemText(entry);
    std::string out;
    for (std::size_t i = 0; i < kCp932LookAlikes.size(); ++i) {
        if (!(entry.lookAlikes & (1u << i))) continue;
        if (!out.empty()) out += "、";
        out += lookAlikeText(kCp932LookAlikes[i]);
    }
    return out;
}

std::string skippedText(const ImportedEntry& entry) {
    std::string_view name = entry.english.empty() ? entry.japanese : entry.english;
    if (name.empty()) name = entry.comment;
    return std::to_string(entry.line) + "行目 「" + shownText(name, kNameCharacters) + "」: " + problemText(entry);
}

std::string skippedReport(const std::vector<ImportedEntry>& skipped, std::size_t shown) {
    std::string out;
    for (std::size_t i = 0; i < skipped.size() && i < shown; ++i) {
        if (!out.empty()) out += "\n";
        out += skippedText(skipped[i]);
    }
    if (skipped.size() > shown) out += "\nほか " + std::to_string(skipped.size() - shown) + " 件";
    return out;
}

std::string lookAlikeReport(const ImportResult& result) {
    std::string out;
    for (std::size_t i = 0; i < kCp932LookAlikes.size(); ++i) {
        if (result.lookAlikeEntries[i] == 0) continue;
        if (!out.empty()) out += "\n";
        out += lookAlikeText(kCp932LookAlikes[i]) + " (" + std::to_string(result.lookAlikeEntries[i]) + " 件)";
    }
    return out;
}

// --- Unicode dictionaries ---

bool isUnicodeDictionary(std::string_view bytes) {
    TextEncoding encoding = detectEncoding(bytes);
    if (!isUnicode(encoding)) return false;
    std::string text = decodeToUtf8(bytes.substr(0, 64 * 1024), encoding);
    std::string_view first = text;
    first = first.substr(0, first.find_first_of("\r\n"));
    return first.find('*') != std::string_view::npos;
}

bool looksImportable(std::string_view bytes) {
    TextEncoding encoding = detectEncoding(bytes);
    std::string text = decodeToUtf8(bytes.substr(0, 64 * 1024), encoding);
    if (isUnicode(encoding) || detectFormat(text) == WordListFormat::Kvtml) return true;
    std::string_view first = text;
    first = first.substr(0, first.find_first_of("\r\n"));
    return first.find_first_of(",\t") != std::string_view::npos;
}

std::string fileStem(std::string_view path) {
    std::string name = fileNameOf(path);
    std::size_t dot = findLast(name, '.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

namespace {

constexpr int kMostNumbers = 1000;

// stem + ".txt" for n = 1, else stem + "-n.txt".
std::string numberedPath(std::string_view folder, std::string_view stem, int n) {
    return std::string(folder) + std::string(stem) + (n == 1 ? std::string() : "-" + std::to_string(n)) +
           ".txt";
}

} // namespace

std::string freeDictionaryPath(std::string_view folder, std::string_view stem) {
    for (int n = 1; n < kMostNumbers; ++n) {
        std::string path = numberedPath(folder, stem, n);
        if (!fileExists(path) && !folderExists(path)) return path;
    }
    return {};
}

std::string freeCopyPath(std::string_view path) {
    return freeDictionaryPath(folderOf(path), fileStem(path) + "-sjis");
}

Cp932Copy writeCp932Copy(std::string_view path) {
    Cp932Copy copy;
    Bytes raw = readAll(path);
    if (!raw.status) {
        copy.status = raw.status;
        return copy;
    }
    std::string text = decodeToUtf8(raw.bytes, detectEncoding(raw.bytes));
    std::vector<std::string> lines;
    std::size_t number = 0;
    for (std::string& line : splitLines(text)) {
        ++number;
        if (auto converted = toCp932(line)) {
            lines.push_back(std::move(*converted));
            continue;
        }
        ImportedEntry skipped;
        skipped.line = number;
        WordTable parts = dictionaryRows(line);
        if (!parts.rows.empty()) {
            skipped.english = parts.rows.field(0, 0);
            skipped.japanese = parts.rows.field(0, 1);
            skipped.comment = parts.rows.field(0, 2);
        }
        skipped.problem = EntryProblem::Unholdable;
        skipped.culprit = firstUnholdable(line).value_or("?");
        copy.skipped.push_back(std::move(skipped));
    }
    if (lines.empty()) return copy;  // nothing CP932 can hold: no copy

    const std::string bytes = joinLines(lines);
    const std::string stem = fileStem(path) + "-sjis";
    for (int n = 1; n < kMostNumbers; ++n) {
        std::string earlier = numberedPath(folderOf(path), stem, n);
        if (!fileExists(earlier) && !folderExists(earlier)) break;
        if (Bytes old = readAll(earlier); old.status && old.bytes == bytes) {
            copy.path = earlier;
            copy.lines = lines.size();
            copy.reused = true;
            return copy;
        }
    }
    // The name is taken with an exclusive create, so that a file that appeared in the
    // meantime is never replaced; the bytes then go in by the safe rewrite.
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::string target = freeCopyPath(path);
        if (target.empty()) {
            copy.status = FileStatus::fromErrno(std::string(path), EEXIST);
            return copy;
        }
        FileStatus reserved = createNewFile(target);
        if (!reserved) {
            if (reserved.errorNumber() == EEXIST) continue;
            copy.status = reserved;
            return copy;
        }
        copy.status = writeAll(target, bytes);
        if (!copy.status) {
            removeFile(target);
            return copy;
        }
        copy.path = target;
        copy.lines = lines.size();
        return copy;
    }
    copy.status = FileStatus::fromErrno(std::string(path), EEXIST);
    return copy;
}

} // namespace qor
