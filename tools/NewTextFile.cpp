#include "tools/NewTextFile.h"

#include "base/TextFile.h"

#include <cerrno>

namespace qor {

NewTextResult createNewTextFile(std::string_view folder, std::string_view name) {
    NewTextResult result;
    if (name.empty()) {
        result.outcome = NewTextOutcome::EmptyName;
        return result;
    }
    result.fileName = std::string(name) + ".txt";
    // "/" is never a trail byte: a plain search finds only a real slash.
    if (name.find('/') != std::string_view::npos || name.find('\0') != std::string_view::npos) {
        result.outcome = NewTextOutcome::NameWithSlash;
        return result;
    }
    result.path = std::string(folder);
    if (result.path.empty() || result.path.back() != '/') result.path += '/';
    result.path += result.fileName;
    result.status = createNewFile(result.path);
    if (result.status)
        result.outcome = NewTextOutcome::Created;
    else if (result.status.errorNumber() == EEXIST)
        result.outcome = NewTextOutcome::Exists;
    else
        result.outcome = NewTextOutcome::Failed;
    return result;
}

} // namespace qor
