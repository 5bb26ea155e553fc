// The import of word lists of other programs on any bytes, read in every encoding and
// format: each entry that would be written is one dictionary line that splits back into
// the parts shown, holds no control character and is, read back, exactly the text shown;
// what the window and the boxes show of an entry or a column stays short; the rows of the
// CSV/TSV reader come in file order, none longer than the limit.

#include "base/Cp932.h"
#include "fuzz/FuzzInput.h"
#include "words/DelimitedText.h"
#include "words/ImportText.h"
#include "words/KvtmlReader.h"
#include "words/WordEntry.h"
#include "words/WordListImport.h"

using namespace qor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const auto encoding = static_cast<TextEncoding>(in.below(6));
    const auto format = static_cast<WordListFormat>(in.below(4));
    const int english = static_cast<int>(in.below(4));
    const int japanese = static_cast<int>(in.below(4));
    const int comment = static_cast<int>(in.below(5)) - 1;
    const bool header = in.below(2) == 1;
    const std::string bytes(in.rest());

    DelimitedText text = readDelimited(bytes, header ? '\t' : ',', {64, 4});
    for (std::size_t i = 0; i < text.rows.size(); ++i) {
        if (i > 0) FUZZ_CHECK(text.rows.line(i - 1) < text.rows.line(i));
        FUZZ_CHECK(text.rows.fieldCount(i) <= 4);
        // A row over the limit keeps the start of each field and "…".
        FUZZ_CHECK(text.rows.rowBytes(i) <= (text.rows.cut(i) ? 4 * (256 + 3) : 64));
    }

    WordListImport list(bytes, &readKvtml);
    if (!list.refusal().empty()) FUZZ_CHECK(list.entryCount() == 0);
    list.setEncoding(encoding);
    list.setFormat(format);
    list.setSkipHeader(header);
    list.setColumns({english, japanese, comment});
    std::size_t good = 0;
    for (std::size_t i = 0; i < list.entryCount(); ++i) {
        ImportedEntry e = list.entry(i);
        FUZZ_CHECK(skippedText(e).size() < 400);
        if (e.problem != EntryProblem::None) {
            FUZZ_CHECK(e.dictionaryLine.empty());
            continue;
        }
        ++good;
        FUZZ_CHECK(e.dictionaryLine.find_first_of("\r\n") == std::string::npos);
        const std::string shown = e.english + "=" + e.japanese + "*" + (e.comment.empty() ? "コメントはありません" : e.comment);
        FUZZ_CHECK(toUtf8(e.dictionaryLine) == shown);
        FUZZ_CHECK(!firstControlCharacter(shown).has_value());
        FUZZ_CHECK(e.dictionaryLine.size() <= kMostEntryBytes + 64);
        WordEntry parts = splitEntry(e.dictionaryLine);
        FUZZ_CHECK(parts.english == toCp932(e.english));
        FUZZ_CHECK(parts.japanese == toCp932(e.japanese));
        FUZZ_CHECK(parts.comment == (e.comment.empty() ? sj("コメントはありません") : *toCp932(e.comment)));
    }
    ImportResult result = list.convert();
    FUZZ_CHECK(result.lines.size() == good);
    FUZZ_CHECK(result.lines.size() + result.skipped.size() + result.blankEntries ==
               list.entryCount());
    FUZZ_CHECK(list.columnCount() <= kMostColumns);
    for (std::size_t c = 0; c < list.columnCount() && c < 8; ++c) {
        FUZZ_CHECK(!list.columnLabel(c).empty());
        FUZZ_CHECK(list.columnLabel(c).size() < 200);
    }
    return 0;
}
