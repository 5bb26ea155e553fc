#pragma once
// What a dictionary picker (words/DictionaryPicker) needs of the settings, and no more:
// where the learner's dictionaries are remembered and which one the window works with.

#include <string>

namespace qor {

class DictionarySource {
public:
    virtual ~DictionarySource() = default;
    // The learner's Setup.ini: the remembered paths ("Dictionary Path") and the names
    // listed for the combo boxes ("Dictionary").
    virtual std::string setupIni() const = 0;
    // Where a file dialog opens when neither the file concerned nor the dictionary in
    // use has a folder: the data folder's "dictionary/".
    virtual std::string fallbackFolder() const = 0;
    // The dictionary the window works with (a path; empty when none).
    virtual std::string current() const = 0;
    // A choice made it `path` (a window that keeps the dictionary in use as it is ignores it).
    virtual void setCurrent(const std::string& path) = 0;
};

} // namespace qor
