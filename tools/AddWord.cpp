#include "tools/AddWord.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "words/Dictionary.h"
#include "words/WordEntry.h"

namespace qor {

namespace {

std::string quoted(std::string_view english) {
    return "\"" + std::string(english) + "\"";
}

} // namespace

NewWordProblem checkNewWord(std::string_view english, std::string_view japanese) {
    if (english.empty())
        return NewWordProblem::NoEnglish;
    if (japanese.empty())
        return NewWordProblem::NoJapanese;
    if (contains(english, "="))
        return NewWordProblem::EqualsInEnglish;
    if (contains(japanese, "*"))
        return NewWordProblem::StarInJapanese;
    return NewWordProblem::None;
}

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

bool takesPhoneticSign(std::string_view english) {
    return !contains(english, ",");
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

std::string duplicateQuestion(std::string_view english, std::string_view foundLine) {
    return quoted(english) + sj(" はすでに登録されています。\n\n発見したデータ ： ") +
           std::string(foundLine) + sj("\n\n追加しますか？");
}

SignResult addPhoneticSign(std::string_view signFile, std::string_view english,
                           std::string_view sign) {
    SignResult result;
    if (english.empty() || sign.empty())
        return result;
    const std::string signLine = std::string(english) + "=" + std::string(sign);
    Lines signs = readLines(signFile);
    if (!signs.status) {
        result.outcome = SignOutcome::Failed;
        result.status = signs.status;
        return result;
    }
    // A line equal to the sign line in any letter case means the sign is stored already.
    for (const std::string& line : signs.lines) {
        if (compareNoCase(line, signLine) == 0) {
            result.outcome = SignOutcome::AlreadyThere;
            return result;
        }
    }
    result.status = appendLine(signFile, signLine);
    result.outcome = result.status ? SignOutcome::Added : SignOutcome::Failed;
    return result;
}

std::string additionReport(std::string_view english, bool entryAdded, SignOutcome sign) {
    std::string note;
    if (sign == SignOutcome::AlreadyThere)
        note = quoted(english) + sj("は、すでに登録済みでした");
    else if (sign == SignOutcome::Added)
        note = quoted(english) + sj("は、追加しました");
    const std::string word = sj("【単語】\n") + quoted(english) + sj("を追加しました");
    const std::string signHeading = sj("【発音記号の追加】\n");
    if (entryAdded)
        return note.empty() ? word : word + "\n\n" + signHeading + note;
    return note.empty() ? sj("追加されたデータはありません") : signHeading + note;
}

} // namespace qor
