#include "settings/VoiceFiles.h"

#include "base/Cp932.h"
#include "base/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace qor {

bool isCompanionFileName(std::string_view fileName) {
    return fileName == "vexa" || fileName == "vexa.exe";
}

bool isCompanionProgram(std::string_view path) {
    return isCompanionFileName(fileNameOf(path)) && fileExists(path);
}

std::optional<std::vector<std::string>> listWaveFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator it(fs::path(nativePath(folder)), error);
    if (error) return std::nullopt;
    std::vector<std::string> names;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::optional<std::string> name = modelPath(it->path().filename().string());
        if (!name || name->size() < 4 || lowerAscii(name->substr(name->size() - 4)) != ".wav")
            continue;
        names.push_back(std::move(*name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

FileStatus renameVoiceFile(const std::string& folder, const std::string& oldName,
                           const std::string& newName) {
    const std::string to = folder + newName;
    if (newName.empty() || newName.find('/') != std::string::npos || newName == "." ||
        newName == "..")
        return FileStatus::fromErrno(to, EINVAL);
    if (newName == oldName) return {};
    if (fileExists(to) || folderExists(to)) return FileStatus::fromErrno(to, EEXIST);
    return renameFile(folder + oldName, to);
}

} // namespace qor
