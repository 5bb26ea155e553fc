#pragma once
// What the statistics and history windows share: their frame (the black banner above the
// body), the step that fills them when they are first shown, the dictionary combo box
// (the dictionaries listed in Setup.ini, text set to the dictionary in use, a name may be
// typed) and the year combo box (1999 up to this year, set to this year).

#include "settings/TUserSettings.h"

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLayout;
class QString;
class QWidget;

namespace qor {

class DictionaryPicker;
class DictionarySource;

// The window's layout: the banner with that text on top, the body below it with the
// usual margins. A fixed-size window keeps the size of its contents.
void layOutToolWindow(QDialog* window, const QString& bannerText, QLayout* body, bool fixedSize);

// Runs formShow when the window is shown for the first time, before it appears.
void onFirstShow(QWidget* window, std::function<void()> formShow);

// The dictionary picker "cboDicFile" with its label "辞書の指定 ： " as buddy.
DictionaryPicker* dictionaryCombo(DictionarySource& source, QWidget* parent, QLabel** label);
// The group "表示させるデータの指定" with a dictionary picker and a year combo box
// "cboYear" ("年の指定 ： ").
QGroupBox* dataChoiceGroup(QWidget* parent, DictionarySource& source, DictionaryPicker** dicFile,
                           QComboBox** year);

// 1999 up to currentYear, set to currentYear.
void fillYearCombo(QComboBox* combo, int currentYear);

} // namespace qor
