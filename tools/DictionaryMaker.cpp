#include "tools/DictionaryMaker.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tools/EntryRows.h"
#include "words/PhoneticSigns.h"
#include "words/WordEntry.h"

namespace qor {

std::array<std::string, kSignRows> signTabWords(std::string_view english) {
    std::array<std::string, kSignRows> words;
    std::size_t start = 0;
    for (int i = 0; i < kSignRows && start <= english.size(); ++i) {
        std::size_t comma = find(english, ',', start);
        std::size_t end = comma == std::string_view::npos ? english.size() : comma;
        words[static_cast<std::size_t>(i)] = std::string(english.substr(start, end - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return words;
}

SignStep addSignRows(std::string_view signFilePath,
                     const std::array<SignRowInput, kSignRows>& rows) {
    SignStep step;
    std::vector<std::string> lines;
    std::vector<std::size_t> rowOfLine;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string line = phoneticSignLine(rows[i].word, rows[i].sign);
        if (line.empty()) continue;
        lines.push_back(std::move(line));
        rowOfLine.push_back(i);
    }
    step.anyLine = !lines.empty();
    if (!step.anyLine) return step;
    PhoneticSignAppend appended = appendPhoneticSigns(signFilePath, lines);
    step.status = appended.status;
    if (!step.status) return step;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::size_t row = rowOfLine[k];
        step.notes[row] = signNote(rows[row].word, appended.alreadyThere[k]);
    }
    return step;
}

std::optional<std::string> makerReport(bool signOnly, bool wordAdded, std::string_view english,
                                       const SignStep& signs) {
    std::string notes;
    for (std::size_t i = 0; i < signs.notes.size(); ++i) {
        if (i > 0) notes += "\n";
        notes += signs.notes[i];
    }
    const std::string signPart = sj("【発音記号の追加】\n") + notes;
    if (signOnly) return signPart;
    const std::string wordPart = wordAddedReport(english);
    if (wordAdded) return signs.anyLine ? wordPart + "\n\n" + signPart : wordPart;
    if (signs.anyLine) return signPart;
    return std::nullopt;
}

} // namespace qor
