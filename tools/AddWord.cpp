#include "tools/AddWord.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "words/PhoneticSigns.h"
#include "words/WordEntry.h"

namespace qor {

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

bool takesPhoneticSign(std::string_view english) {
    return !contains(english, ",");
}

SignResult addPhoneticSign(std::string_view signFile, std::string_view english,
                           std::string_view sign) {
    SignResult result;
    if (english.empty() || sign.empty())
        return result;
    PhoneticSignAppend appended = appendPhoneticSigns(signFile, {phoneticSignLine(english, sign)});
    result.status = appended.status;
    if (!result.status)
        result.outcome = SignOutcome::Failed;
    else
        result.outcome = appended.alreadyThere.front() ? SignOutcome::AlreadyThere : SignOutcome::Added;
    return result;
}

std::string additionReport(std::string_view english, bool entryAdded, SignOutcome sign) {
    std::string note;
    if (sign == SignOutcome::AlreadyThere || sign == SignOutcome::Added)
        note = signNote(english, sign == SignOutcome::AlreadyThere);
    const std::string word = wordAddedReport(english);
    const std::string signHeading = sj("【発音記号の追加】\n");
    if (entryAdded)
        return note.empty() ? word : word + "\n\n" + signHeading + note;
    return note.empty() ? sj("追加されたデータはありません") : signHeading + note;
}

} // namespace qor
