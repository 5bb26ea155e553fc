#include "quiz/AnswerFormHint.h"

#include "base/Cp932.h"

namespace qor {

ScriptCounts countScripts(std::string_view text) {
    ScriptCounts counts;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t n = charLength(text, pos);
        unsigned code = n == 2 ? (static_cast<unsigned char>(text[pos]) << 8) |
                                     static_cast<unsigned char>(text[pos + 1])
                               : static_cast<unsigned char>(text[pos]);
        if (code >= 0x829F && code <= 0x82F1)
            ++counts.hiragana;
        else if (code >= 0x8340 && code <= 0x8396)
            ++counts.katakana;
        else if ((code >= 0x889F && code <= 0x9872) || (code >= 0x989F && code <= 0xEAA4))
            ++counts.kanji;
        else
            ++counts.other;
        pos += n;
    }
    return counts;
}

std::string answerFormHint(std::string_view answerSide) {
    ScriptCounts c = countScripts(answerSide);
    if (c.hiragana > 0 && c.kanji > 0)
        return sj("\"漢字\"と\"ひらがな\"で解答");
    if (c.other > 0 && c.kanji > 0)
        return sj("\"英数字\"と\"漢字\"で解答");
    if (c.hiragana > 0)
        return sj("\"ひらがな\"で解答");
    if (c.katakana > 0)
        return sj("\"カタカナ\"で解答");
    if (c.kanji > 0)
        return sj("\"漢字\"で解答");
    return sj("\"英数字\"で解答");
}

} // namespace qor
