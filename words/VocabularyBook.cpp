#include "words/VocabularyBook.h"

#include "base/TextFile.h"

#include <string>

namespace qor {

FileStatus appendToVocabularyBook(std::string_view path, std::string_view lineText) {
    // An empty setting names no file; open("") would report it less clearly.
    if (path.empty())
        return FileStatus::failure(std::string(), "単語帳のファイルが指定されていません");
    return appendLine(path, lineText);
}

FileStatus appendToVocabularyBook(std::string_view path, const std::vector<std::string>& lines) {
    if (path.empty())
        return FileStatus::failure(std::string(), "単語帳のファイルが指定されていません");
    return appendLines(path, lines);
}

FileStatus deleteVocabularyBook(std::string_view path) {
    if (path.empty())
        return {};
    FileStatus status = removeFile(path);
    return status.isMissingFile() ? FileStatus() : status;
}

} // namespace qor
