#include "words/AnswerFile.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"

namespace qor {

std::string answerFileName(std::string_view dictionaryName) {
    return std::string(dictionaryName) + ".ans";
}

FileStatus createAnswerFile(const std::string& path) {
    IniFile ini(path);
    ini.write(sj("正解ファイル"), sj("問題"), sj("新しい正解"));
    return ini.save();
}

FileStatus appendAnswer(std::string_view path, std::string_view question, std::string_view answer) {
    std::string line;
    line.reserve(question.size() + 1 + answer.size());
    line.append(question);
    line += '=';
    line.append(answer);
    // A line break inside a typed text would start a line of its own.
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return appendLine(path, line);
}

AnswerLookup findAnswer(std::string_view path, std::string_view shownAlternative,
                        std::string_view typedAnswer, bool ignoreCase) {
    AnswerLookup result;
    Lines file = readLines(path);
    if (!file.status) {
        if (!file.status.isMissingFile())
            result.status = file.status;
        return result;
    }
    const std::string typedLower = ignoreCase ? lowerAscii(typedAnswer) : std::string();
    for (const std::string& line : file.lines) {
        std::string_view question;
        std::string_view answer = line;
        std::size_t eq = find(line, '=');
        if (eq != std::string::npos) {
            question = std::string_view(line).substr(0, eq);
            answer = std::string_view(line).substr(eq + 1);
        }
        if (question != shownAlternative)
            continue;
        if (answer == typedAnswer || (ignoreCase && lowerAscii(answer) == typedLower)) {
            result.found = true;
            return result;
        }
    }
    return result;
}

} // namespace qor
