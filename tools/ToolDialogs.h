#pragma once
// What the dictionary tool windows share: the CSV export's two questions, the failure
// boxes of their saves, the folder their file dialogs open in, the input method hints
// of their word fields, and their report lists.

#include "base/FileStatus.h"
#include "settings/DictionaryInUse.h"
#include "settings/TUserSettings.h"

#include <QString>
#include <optional>
#include <string>

class QAbstractItemModel;
class QTreeView;
class QWidget;

namespace qor {

struct CsvTarget {
    std::string separator; // CP932, any length, empty allowed
    std::string path;      // CP932
};

// The separator ("区切り文字の指定", pre-filled with ","; Cancel keeps ",") and then the
// file to append to (a save dialog for "*.txt" opening in `folder`). nullopt when the
// dialog is cancelled or a text CP932 cannot hold was refused.
std::optional<CsvTarget> askCsvTarget(QWidget* parent, const QString& folder);

// "保存に失敗しました" with the path and the reason, in a warning box captioned "エラー".
void showSaveFailure(QWidget* parent, const FileStatus& status);

// After a save of the editors: "保存しました", or the box of a file that could not be
// opened for the save.
void tellSaveResult(QWidget* parent, const FileStatus& status);

// The main window's "CSV形式で保存 (&C)": every line of the dictionary as a CSV line,
// appended to a chosen file. No message at the end; a failure is told and writes nothing.
void exportDictionaryAsCsv(QWidget* parent, const std::string& dictionaryPath,
                           const QString& folder);


// Input method hints of a word field: Japanese input, or Latin letters ("closed"). Best
// effort: the field always takes the input method.
void setJapaneseInput(QWidget* field, bool japanese);

// A report list over a table model: whole rows selected one at a time, the selection kept
// in view, no sorting, fixed headers with the last column stretched, rows of one height
// (so any row is placed without measuring others).
QTreeView* reportView(QWidget* parent, QAbstractItemModel* model, const QString& accessibleName);

} // namespace qor
