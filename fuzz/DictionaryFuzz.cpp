// The dictionary line reader and the entry split on any bytes.

#include "base/TextFile.h"
#include "fuzz/FuzzInput.h"
#include "words/Dictionary.h"
#include "words/WordEntry.h"

using namespace qor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::string sought = in.bytes(16);
    const std::string bytes(in.rest());

    // One reading answers as the line reader does.
    const std::vector<std::string> lines = splitLines(bytes);
    DictionaryRead read = DictionaryRead::ofBytes(bytes);
    FUZZ_CHECK(read.count() == lines.size());
    FUZZ_CHECK(countLinesIn(bytes) == lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        FUZZ_CHECK(read.line(i) == std::string_view(lines[i]));
        FUZZ_CHECK(lineAt(bytes, i) == std::string_view(lines[i]));
        auto index = read.indexOf(lines[i]);
        FUZZ_CHECK(index && *index <= i && lines[*index] == lines[i]);
    }
    FUZZ_CHECK(!read.line(lines.size()));
    auto index = read.indexOf(sought);
    std::optional<std::size_t> expected;
    for (std::size_t i = 0; i < lines.size() && !expected; ++i)
        if (lines[i] == sought)
            expected = i;
    FUZZ_CHECK(index == expected);

    // Every line splits into parts that put it back together.
    for (const std::string& line : lines) {
        WordEntry e = splitEntry(line);
        std::string again = e.english;
        if (line.size() > e.english.size() && line[e.english.size()] == '=')
            again += "=";
        again += e.japanese;
        if (again.size() < line.size() && line[again.size()] == '*')
            again += "*";
        again += e.comment;
        FUZZ_CHECK(again == line);
        for (const std::string* part : {&e.english, &e.japanese}) {
            auto alternatives = splitAlternatives(*part);
            FUZZ_CHECK(!alternatives.empty() && alternatives.size() <= kMaxAlternatives);
            std::string joined;
            for (std::size_t i = 0; i < alternatives.size(); ++i)
                joined += (i ? "," : "") + alternatives[i];
            if (alternatives.size() < kMaxAlternatives)
                FUZZ_CHECK(joined == *part);
            else
                FUZZ_CHECK(part->compare(0, joined.size(), joined) == 0);
        }
        FUZZ_CHECK(wordKey(e.english, e.japanese) == e.english + "_" + e.japanese);
    }
    return 0;
}
