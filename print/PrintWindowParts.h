#pragma once
// What the two printing windows share besides the box of lines (LinesView): the dictionary
// combo box (the dictionaries listed in section "Dictionary" of Setup.ini), the thin gauge,
// the status bar with its one text, and the frame around them.

#include <QString>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QDialog;
class QLabel;
class QLayout;
class QProgressBar;
class QWidget;

namespace qor {

// Fills the list and shows `fileName` (CP932; it need not be listed).
void fillDictionaryCombo(QComboBox* combo, const std::string& setupIni, const std::string& fileName);

// The full path remembered for the combo's file name, empty when none is; nullopt after
// telling the learner that Setup.ini cannot be read or the text is no Shift-JIS name.
std::optional<std::string> comboDictionaryPath(QWidget* parent, const QComboBox* combo,
                                               const std::string& setupIni);


// Banner, body and a status bar with one text (returned; named "sbInfo") as the window's
// layout.
QLabel* frameWindow(QDialog* window, const QString& bannerText, QLayout* body);
// Shows a status text at once: building and printing hold the event loop.
void showStatus(QLabel* status, const QString& text);

} // namespace qor
