// The answer file and the importance file of a dictionary on any bytes: lookups never
// fail on broken lines, and every change leaves a sorted file in which the word has the
// level it was given, with the other ratings kept.

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "fuzz/FuzzInput.h"
#include "words/AnswerFile.h"
#include "words/ImportanceFile.h"

#include <algorithm>

using namespace qor;

namespace {

// The level of a line text as a fresh reader sees the file.
int levelIn(const std::string& path, const std::string& lineText) {
    return ImportanceFile(path).levelOf(lineText).level;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::size_t kind = in.below(4);
    const int level = static_cast<int>(in.below(7));
    const std::string lineText = in.bytes(12);
    const std::string answer = in.bytes(8);
    const std::string file(in.rest());
    const std::string folder = fuzz::scratchFolder();

    // Answer file: the lookup agrees with a plain split of every line at its first "=".
    const std::string ans = folder + "/verbs.ans";
    if (!writeAll(ans, file))
        return 0;
    for (bool ignoreCase : {false, true}) {
        AnswerLookup found = findAnswer(ans, lineText, answer, ignoreCase);
        FUZZ_CHECK(found.status);
        bool expected = false;
        for (const std::string& l : splitLines(file)) {
            std::size_t eq = qor::find(l, '=');
            std::string q = eq == std::string::npos ? std::string() : l.substr(0, eq);
            std::string a = eq == std::string::npos ? l : l.substr(eq + 1);
            if (ignoreCase)
                expected = expected || (q == lineText && lowerAscii(a) == lowerAscii(answer));
            else
                expected = expected || (q == lineText && a == answer);
        }
        FUZZ_CHECK(found.found == expected);
    }

    // Importance file.
    const std::string imp = folder + "/verbs_imp.dat";
    removeFile(folder + "/old.dat");
    if (!writeAll(imp, file))
        return 0;
    ImportanceFile importance(imp);
    const int before = importance.levelOf(lineText).level;
    FUZZ_CHECK(before >= 0 && before <= kMaxImportance);
    const std::vector<ImportanceEntry> others = importance.readAll().entries;
    FileStatus changed;
    int expected = before;
    switch (kind) {
    case 0:
        changed = importance.raise(lineText);
        expected = before == 0 ? 1 : std::min(before + 1, kMaxImportance);
        break;
    case 1:
        changed = importance.lower(lineText);
        expected = before == kMaxImportance ? 4 : std::max(before - 1, 0);
        break;
    default:
        changed = importance.setLevel(lineText, std::min(level, kMaxImportance));
        expected = std::min(level, kMaxImportance);
        break;
    }
    FUZZ_CHECK(changed);
    // A line text holding a line break cannot be one line of the file; a word rated twice
    // in a hand-edited file keeps its second line when the first changes.
    std::size_t rated = 0;
    for (const ImportanceEntry& e : others)
        rated += e.lineText == lineText ? 1 : 0;
    if (lineText.find_first_of("\r\n") != std::string::npos || rated > 1)
        return 0;
    FUZZ_CHECK(levelIn(imp, lineText) == expected);
    FUZZ_CHECK(!fileExists(folder + "/old.dat"));
    const std::vector<std::string> stored = readLines(imp).lines;
    if (expected != before) {
        FUZZ_CHECK(std::is_sorted(stored.begin(), stored.end(), [](const auto& a, const auto& b) {
            return compareNoCase(a, b) < 0;
        }));
    }
    // Every other line stays: a line that does not end in the word's line text cannot be
    // the word's own.
    std::vector<std::string> rest = stored;
    std::sort(rest.begin(), rest.end());
    for (const std::string& l : splitLines(file)) {
        if (l.size() >= lineText.size() && l.compare(l.size() - lineText.size(), lineText.size(), lineText) == 0)
            continue;
        auto it = std::lower_bound(rest.begin(), rest.end(), l);
        FUZZ_CHECK(it != rest.end() && *it == l);
        rest.erase(it);
    }
    return 0;
}
