#pragma once
// The two word sources of the question setup dialog that stand beside its options: a
// custom list of words picked from the dictionary, and the words of chosen importance
// levels. Each sets its flags in the dialog's copy of the drill's plan.

#include "quiz/DrillState.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"
#include "tools/CustomQuestionList.h"

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QProgressBar;
class QToolButton;

namespace qor {

// "出題する単語を指定する": ticking it opens the list of the dictionary's words; the
// gauge shows the list being read. The list's rows are kept between its openings.
class SetupCustomListPart : public QWidget {
    Q_OBJECT
public:
    // modes and customLines belong to the dialog's plan; user and files are read at each
    // use, since the dialog lives while the user and the dictionary in use change;
    // wordCount gives the words of the dictionary in use (the gauge's range).
    SetupCustomListPart(DrillModes& modes, std::vector<std::string>& customLines,
                        CurrentUserFiles user, const PathSettings& files,
                        std::function<int()> wordCount, QWidget* parent);

    bool isOn() const;
    // Clears the box (and runs what that does) when it is ticked.
    void switchOff();
    void setSwitchEnabled(bool enabled);
    void resetGauge();

    const CustomQuestionList& list() const { return list_; }

signals:
    // Ticked (before the list opens) or cleared.
    void switched(bool on);
    // Words were chosen in the list: the count is the most that can be asked.
    void chosen(int count);

private:
    void chkCustomQuestionClick();

    DrillModes& modes_;
    std::vector<std::string>& customLines_;
    CurrentUserFiles user_;
    const PathSettings& files_;
    std::function<int()> wordCount_;
    CustomQuestionList list_;
    QCheckBox* chkCustomQuestion_;
    QProgressBar* cgProgress_;
};

// "指定した重要度の単語を出題する" with the five level buttons and the follow-on from the
// whole dictionary. It can be ticked only when the dictionary has an importance file.
class SetupImportancePart : public QWidget {
    Q_OBJECT
public:
    // user and files are read at each use, like the custom list's.
    SetupImportancePart(DrillModes& modes, CurrentUserFiles user, const PathSettings& files,
                        QWidget* parent);

    bool isOn() const;
    // Clears the box (and runs what that does) when it is ticked.
    void switchOff();
    void setSwitchEnabled(bool enabled);
    // The level buttons pressed, 1 to 5.
    std::array<bool, 5> chosenLevels() const;

signals:
    // Ticked (before the importance file is tried) or cleared.
    void switched(bool on);

private:
    void chkImportantQuestionClick();
    void setLevelsEnabled(bool enabled);

    DrillModes& modes_;
    CurrentUserFiles user_;
    const PathSettings& files_;
    QCheckBox* chkImportantQuestion_;
    std::array<QToolButton*, 5> cmdLevel_{};
    QCheckBox* chkNormalImportant_;
};

} // namespace qor
