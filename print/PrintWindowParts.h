#pragma once
// What the two printing windows share besides the box of lines (LinesView) and their
// dictionary picker (words/DictionaryPicker): the thin gauge, the status bar with its one
// text, and the frame around them.

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


// Banner, body and a status bar with one text (returned; named "sbInfo") as the window's
// layout.
QLabel* frameWindow(QDialog* window, const QString& bannerText, QLayout* body);
// Shows a status text at once: building and printing hold the event loop.
void showStatus(QLabel* status, const QString& text);

} // namespace qor
