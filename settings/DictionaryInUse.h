#pragma once
// The user's files and the paths group as a dictionary picker sees them
// (words/DictionaryPicker): the learner's Setup.ini, the dictionary in use, and the
// folder file dialogs open in.

#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"
#include "words/DictionaryPicker.h"
#include "words/DictionarySource.h"

#include <QString>
#include <string>
#include <utility>

namespace qor {

// A choice becomes the dictionary in use (files.DicInUse) of the paths given.
class DictionaryInUse final : public DictionarySource {
public:
    // The user's files are asked at each use: the learner may change user while a window
    // kept for the whole run holds this.
    DictionaryInUse(CurrentUserFiles user, PathSettings& files)
        : user_(std::move(user)), files_(files) {}
    explicit DictionaryInUse(TUserSettings& settings)
        : DictionaryInUse(currentUserFiles(settings), settings.files) {}
    // A window's own copy of the paths, for a user who cannot change while it is open.
    DictionaryInUse(UserFiles user, PathSettings& files)
        : DictionaryInUse(fixedUserFiles(std::move(user)), files) {}
    std::string setupIni() const override { return user_().setupIni(); }
    std::string fallbackFolder() const override { return user_().dataFolder() + "dictionary/"; }
    std::string current() const override { return files_.DicInUse; }
    void setCurrent(const std::string& path) override { files_.DicInUse = path; }

private:
    CurrentUserFiles user_;
    // Mutable: this is where the dictionary in use changes.
    PathSettings& files_;
};

// The user's files and paths for a window that chooses a dictionary for itself: a choice
// is remembered in Setup.ini, and the dictionary in use stays as it is.
class DictionaryBeside final : public DictionarySource {
public:
    DictionaryBeside(UserFiles user, const PathSettings& files)
        : user_(std::move(user)), files_(files) {}
    explicit DictionaryBeside(const TUserSettings& settings)
        : DictionaryBeside(UserFiles(settings), settings.files) {}
    std::string setupIni() const override { return user_.setupIni(); }
    std::string fallbackFolder() const override { return user_.dataFolder() + "dictionary/"; }
    std::string current() const override { return files_.DicInUse; }
    void setCurrent(const std::string&) override {}

private:
    UserFiles user_;
    const PathSettings& files_;
};

// The folder a file dialog opens in: that of the file concerned, else that of the
// dictionary in use, else the data folder's "dictionary/"; never the working directory.
inline QString dialogFolder(const UserFiles& user, const PathSettings& files,
                            const std::string& concernedPath = {}) {
    return DictionaryPicker::dialogFolder(DictionaryBeside(user, files), concernedPath);
}
inline QString dialogFolder(const TUserSettings& settings, const std::string& concernedPath = {}) {
    return dialogFolder(UserFiles(settings), settings.files, concernedPath);
}

} // namespace qor
