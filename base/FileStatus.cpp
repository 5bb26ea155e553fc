#include "FileStatus.h"

#include "Cp932.h"

#include <cerrno>
#include <cstring>

namespace qor {

FileStatus FileStatus::failure(std::string path, std::string reason, int errorNumber) {
    FileStatus s;
    s.errorNumber_ = errorNumber;
    s.path_ = std::move(path);
    s.reason_ = reason.empty() ? std::string("error") : std::move(reason);
    return s;
}

FileStatus FileStatus::fromErrno(std::string path, int errorNumber) {
    // strerror texts are ASCII in the C locale the program runs its file code in.
    return failure(std::move(path), std::strerror(errorNumber), errorNumber);
}

bool FileStatus::isMissingFile() const {
    return errorNumber_ == ENOENT;
}

std::string FileStatus::message() const {
    if (ok())
        return {};
    return path_ + "\n" + reason_;
}

} // namespace qor
