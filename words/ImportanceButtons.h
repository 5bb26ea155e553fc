#pragma once
// "重要度の設定 >> " and the buttons "1" to "5" of the verdict windows: at most one down,
// all may be up. They show the word's level from the importance file and, on store(),
// make the pressed one (0 when none) its level. They stay disabled and flat while
// importance levels are off, or when the file could not be read (the learner is told),
// so that an unknown level is never overwritten.

#include <QList>
#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

namespace ui {
class ToggleGroup;
}

namespace qor {

class ImportanceButtons : public QWidget {
    Q_OBJECT
public:
    ImportanceButtons(std::string importancePath, std::string lineText, bool importantOn,
                      QWidget* parent);

    // Writes the pressed level when the buttons are in use; a failure is reported.
    void store();

    // The buttons "1" to "5", for the tab order of the window around them.
    QList<QPushButton*> levelButtons() const { return {cmd1, cmd2, cmd3, cmd4, cmd5}; }

private:
    QLabel* lblImportant;
    QPushButton* cmd1;
    QPushButton* cmd2;
    QPushButton* cmd3;
    QPushButton* cmd4;
    QPushButton* cmd5;

    std::string path_;
    std::string lineText_;
    bool inUse_;
    ui::ToggleGroup* levels_;
};

} // namespace qor
