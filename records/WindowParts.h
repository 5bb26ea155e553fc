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

// The window's layout: the banner with that text on top, the body below it with the
// usual margins. A fixed-size window keeps the size of its contents.
void layOutToolWindow(QDialog* window, const QString& bannerText, QLayout* body, bool fixedSize);

// Runs formShow when the window is shown for the first time, before it appears.
void onFirstShow(QWidget* window, std::function<void()> formShow);

// An editable combo box "cboDicFile" with its label "辞書の指定 ： " as buddy.
QComboBox* dictionaryCombo(QWidget* parent, QLabel** label);
// The group "表示させるデータの指定" with a dictionary combo box and a year combo box
// "cboYear" ("年の指定 ： ").
QGroupBox* dataChoiceGroup(QWidget* parent, QComboBox** dicFile, QComboBox** year);

// Lists the dictionaries of section "Dictionary" and sets the text to the file name of
// the dictionary in use.
void fillDictionaryCombo(QComboBox* combo, const TUserSettings& settings);
// 1999 up to currentYear, set to currentYear.
void fillYearCombo(QComboBox* combo, int currentYear);

// The dictionary file name typed or chosen (CP932); nullopt when it holds a character
// that CP932 cannot hold (the learner has been told).
std::optional<std::string> chosenDictionary(QWidget* parent, const QComboBox* combo);

} // namespace qor
