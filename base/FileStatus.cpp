#include "FileStatus.h"

#include "Cp932.h"
#include "ErrorText.h"

#include <cerrno>

namespace qor {

FileStatus FileStatus::failure(std::string path, std::string reason, int errorNumber) {
    FileStatus s;
    s.errorNumber_ = errorNumber;
    s.path_ = std::move(path);
    s.reason_ = reason.empty() ? std::string("原因のわからないエラーです") : std::move(reason);
    return s;
}

FileStatus FileStatus::fromErrno(std::string path, int errorNumber) {
    return failure(std::move(path), errorText(errorNumber), errorNumber);
}

bool FileStatus::isMissingFile() const {
    return errorNumber_ == ENOENT;
}

std::string FileStatus::message() const {
    if (ok())
        return {};
    // The reason is screen text (UTF-8); the box text is model text like the path.
    return path_ + "\n" + toCp932(reason_).value_or(reason_);
}

} // namespace qor
