#pragma once
// The dictionary combo box of the printing windows: the dictionaries listed in section
// "Dictionary" of Setup.ini, showing one file name.

#include <QString>
#include <optional>
#include <string>

class QComboBox;
class QWidget;

namespace qor {

// Fills the list and shows `fileName` (CP932; it need not be listed).
void fillDictionaryCombo(QComboBox* combo, const std::string& setupIni, const std::string& fileName);

// The full path remembered for the combo's file name, empty when none is; nullopt after
// telling the learner that Setup.ini cannot be read or the text is no Shift-JIS name.
std::optional<std::string> comboDictionaryPath(QWidget* parent, const QComboBox* combo,
                                               const std::string& setupIni);

// The folder a file dialog of these windows opens in: that of `path`, else that of the
// dictionary in use, else the data folder's dictionary/ (CP932 in, screen text out).
QString dialogFolder(const std::string& path, const std::string& dictionaryInUse,
                     const std::string& programFolder);

} // namespace qor
