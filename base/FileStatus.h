#pragma once
// The outcome of a file operation: success, or the path and the reason it failed,
// ready for the warning box that names both.

#include <string>

namespace qor {

class FileStatus {
public:
    FileStatus() = default;
    static FileStatus failure(std::string path, std::string reason, int errorNumber = 0);
    // From the errno of a failed system call.
    static FileStatus fromErrno(std::string path, int errorNumber);

    bool ok() const { return reason_.empty(); }
    explicit operator bool() const { return ok(); }
    const std::string& path() const { return path_; }
    // Why, for the learner (UTF-8): from the one table of base/ErrorText for a system
    // error.
    const std::string& reason() const { return reason_; }
    // The errno of the failure, 0 when it did not come from a system call.
    int errorNumber() const { return errorNumber_; }
    bool isMissingFile() const;
    // "<path>\n<reason>" in CP932, for a message box.
    std::string message() const;

private:
    std::string path_;
    std::string reason_;
    int errorNumber_ = 0;
};

} // namespace qor
