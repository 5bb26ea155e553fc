#include "tools/EntryAddition.h"

#include "base/BoxList.h"
#include "base/Cp932.h"
#include "words/Dictionary.h"
#include "words/WordEntry.h"

namespace qor {

std::string newEntryLine(std::string_view english, std::string_view japanese,
                         std::string_view comment) {
    std::string line(english);
    line += '=';
    line += japanese;
    line += '*';
    if (comment.empty())
        line += sj("コメントはありません");
    else
        line += comment;
    return line;
}

EnglishMatch findEntryByEnglish(std::string_view dictionaryPath, std::string_view english) {
    EnglishMatch match;
    DictionaryRead read = DictionaryRead::of(dictionaryPath);
    match.status = read.status();
    if (!match.status)
        return match;
    for (std::size_t i = 0; i < read.count(); ++i) {
        const std::string_view line = *read.line(i);
        if (splitEntry(line).english == english) {
            match.found = true;
            match.line.assign(line);
            break;
        }
    }
    return match;
}

std::string quotedWord(std::string_view word) {
    // A word in a box: a long one is cut to a line.
    return "\"" + boxItem(word) + "\"";
}

std::string duplicateQuestion(std::string_view english, std::string_view foundLine) {
    return quotedWord(english) + sj(" はすでに登録されています。\n\n発見したデータ ： ") +
           boxItem(foundLine) + sj("\n\n追加しますか？");
}

std::string wordAddedReport(std::string_view english) {
    return sj("【単語】\n") + quotedWord(english) + sj("を追加しました");
}

std::string signNote(std::string_view word, bool alreadyThere) {
    return quotedWord(word) + (alreadyThere ? sj("は、すでに登録済みでした") : sj("は、追加しました"));
}

} // namespace qor
