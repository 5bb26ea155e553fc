#pragma once
// "学習カレンダー": the answers of every day of the last twelve months, summed over all
// dictionaries, as a shaded calendar with the current and the longest run of study days;
// and, for a dictionary chosen in the window, how many of its words fall due on each of
// the next thirty days. Reads the records, writes nothing.

#include "records/StudyDay.h"
#include "settings/DictionaryInUse.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace qor {

class CalendarView;
class DictionaryPicker;
class ForecastView;

// Days the forecast looks ahead.
inline constexpr int kForecastDays = 30;

class TfrmStudyCalendar : public QDialog {
    Q_OBJECT
public:
    TfrmStudyCalendar(UserFiles user, PathSettings files, ReviewOptions review,
                      QWidget* parent = nullptr);

public slots:
    void FormShow();
    // The dictionary chosen or typed: its forecast.
    void cboDicFileChange();
    void cmdCloseClick();

private:
    void showCalendar();
    void showForecast(const std::string& dicFileName);

    UserFiles user_;
    PathSettings files_;
    ReviewOptions review_;
    DictionaryBeside dictionaries_{user_, files_};
    StudyDay today_;
    QString shownDictionary_; // the name whose forecast is shown
    bool shown_ = false;

    CalendarView* imgCalendar;
    QLabel* lblStreak;
    QLabel* lblLongest;
    QLabel* lblTotal;
    DictionaryPicker* cboDicFile;
    ForecastView* imgForecast;
    QLabel* lblForecast;
    QPushButton* cmdClose;
};

// Opens the window modally through the platform; a window that cannot be shown is
// reported by name.
void showStudyCalendar(QWidget* parent, const UserFiles& user, const PathSettings& files,
                       const ReviewOptions& review);

} // namespace qor
