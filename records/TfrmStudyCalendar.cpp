#include "records/TfrmStudyCalendar.h"

#include "words/DictionaryPicker.h"

#include "base/Clock.h"
#include "base/TextFile.h"
#include "records/CalendarView.h"
#include "records/DueForecast.h"
#include "records/ForecastView.h"
#include "records/StudyCalendar.h"
#include "records/WindowParts.h"
#include "ui/DataLabel.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "ui/WindowOpen.h"
#include "words/DictionaryPicker.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <numeric>

namespace qor {

namespace {

const QString kCaption = QStringLiteral("学習カレンダー");

// A painted view in a sunken frame, as the graph window shows its graph.
QFrame* framed(QWidget* view, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(view);
    return frame;
}

QLabel* dataLabel(QWidget* parent, const char* objectName, const QString& whatItShows) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui::showsData(label, whatItShows);
    return label;
}

} // namespace

TfrmStudyCalendar::TfrmStudyCalendar(UserFiles user, PathSettings files, ReviewOptions review,
                                     QWidget* parent)
    : QDialog(parent), user_(std::move(user)), files_(std::move(files)), review_(review) {
    setWindowTitle(kCaption);
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    imgCalendar = new CalendarView(this);
    imgCalendar->setObjectName(QStringLiteral("imgCalendar"));
    imgCalendar->setAccessibleName(kCaption);
    lblStreak = dataLabel(this, "lblStreak", QStringLiteral("連続学習日数"));
    lblLongest = dataLabel(this, "lblLongest", QStringLiteral("最長の連続学習日数"));
    lblTotal = dataLabel(this, "lblTotal", QStringLiteral("12か月の解答数"));
    // Room for the figures before they are known: the window keeps the size it is laid
    // out in.
    lblStreak->setMinimumWidth(
        lblStreak->fontMetrics().horizontalAdvance(QStringLiteral("連続学習日数 ： 0000日")));
    lblLongest->setMinimumWidth(
        lblLongest->fontMetrics().horizontalAdvance(QStringLiteral("最長 ： 0000日")));
    lblTotal->setMinimumWidth(
        lblTotal->fontMetrics().horizontalAdvance(QStringLiteral("解答数 ： 0000000回（000日）")));
    auto* streaks = new QHBoxLayout;
    streaks->addWidget(lblStreak);
    streaks->addSpacing(24);
    streaks->addWidget(lblLongest);
    streaks->addSpacing(24);
    streaks->addWidget(lblTotal);
    streaks->addStretch(1);

    auto* gbCalendar = new QGroupBox(QStringLiteral("この12か月の解答数"), this);
    auto* calendarLayout = new QVBoxLayout(gbCalendar);
    calendarLayout->addWidget(framed(imgCalendar, gbCalendar));
    calendarLayout->addLayout(streaks);

    QLabel* dicLabel = nullptr;
    cboDicFile = dictionaryCombo(dictionaries_, this, &dicLabel);
    auto* dicRow = new QHBoxLayout;
    dicRow->addWidget(dicLabel);
    dicRow->addWidget(cboDicFile);
    dicRow->addStretch(1);

    imgForecast = new ForecastView(this);
    imgForecast->setObjectName(QStringLiteral("imgForecast"));
    imgForecast->setAccessibleName(QStringLiteral("復習する単語の予定"));
    lblForecast = dataLabel(this, "lblForecast", QStringLiteral("復習の予定"));
    lblForecast->setWordWrap(true);

    auto* gbForecast =
        new QGroupBox(QStringLiteral("これから%1日の復習の予定").arg(kForecastDays), this);
    auto* forecastLayout = new QVBoxLayout(gbForecast);
    forecastLayout->addLayout(dicRow);
    forecastLayout->addWidget(framed(imgForecast, gbForecast));
    forecastLayout->addWidget(lblForecast);

    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);

    auto* body = new QVBoxLayout;
    body->addWidget(gbCalendar);
    body->addWidget(gbForecast);
    body->addLayout(ui::buttonRow({cmdClose}));

    layOutToolWindow(this,
                     QStringLiteral("ここでは、毎日の解答数と、これからの復習の予定を表示します"),
                     body, true);
    onFirstShow(this, [this] { FormShow(); });
    connect(cmdClose, &QPushButton::clicked, this, &TfrmStudyCalendar::cmdCloseClick);
}

void TfrmStudyCalendar::FormShow() {
    if (shown_) return;
    shown_ = true;
    today_ = StudyDay::of(programClock().now());
    showCalendar();
    cboDicFile->showListed(files_.DicInUse);
    // Connected after the filling, which changes the index while it adds the names.
    connect(cboDicFile, &QComboBox::currentIndexChanged, this,
            &TfrmStudyCalendar::cboDicFileChange);
    connect(cboDicFile->lineEdit(), &QLineEdit::editingFinished, this,
            &TfrmStudyCalendar::cboDicFileChange);
    cboDicFileChange();
}

void TfrmStudyCalendar::showCalendar() {
    const StudyCalendar calendar(studyDayCounts(user_.folder()), today_);
    const std::vector<int> days = calendar.days();
    const long long answers = std::accumulate(days.begin(), days.end(), 0LL);
    const auto studied = std::count_if(days.begin(), days.end(), [](int n) { return n > 0; });

    lblStreak->setText(QStringLiteral("連続学習日数 ： %1日").arg(calendar.currentStreak()));
    lblLongest->setText(QStringLiteral("最長 ： %1日").arg(calendar.longestStreak()));
    lblTotal->setText(QStringLiteral("解答数 ： %1回（%2日）").arg(answers).arg(studied));
    imgCalendar->setCalendar(calendar, lblStreak->text() + QLatin1Char('\n') + lblLongest->text() +
                                           QLatin1Char('\n') + lblTotal->text());
}

void TfrmStudyCalendar::cboDicFileChange() {
    const QString text = cboDicFile->currentText();
    if (text == shownDictionary_ && !lblForecast->text().isEmpty()) return;
    shownDictionary_ = text;
    const std::optional<std::string> name = cboDicFile->typedName();
    showForecast(name.value_or(std::string()));
}

void TfrmStudyCalendar::showForecast(const std::string& dicFileName) {
    FileStatus setupStatus;
    const std::string path =
        dictionaryPathFor(user_.setupIni(), dicFileName, files_.DicInUse, &setupStatus);
    const DueForecast forecast =
        readDueForecast(user_.folder(), path, reviewSettingsOf(review_), today_, kForecastDays);
    imgForecast->setForecast(forecast.days, today_);

    const FileStatus& failure = !setupStatus ? setupStatus : forecast.status;
    if (!failure) {
        lblForecast->setText(
            QStringLiteral("「%1」の復習の予定を読み込めませんでした").arg(ui::toQ(dicFileName)));
        ui::showFileError(this, failure.path(), failure.reason());
        return;
    }
    if (!forecast.dictionaryFound) {
        lblForecast->setText(
            dicFileName.empty()
                ? QStringLiteral("辞書を選んでください")
                : QStringLiteral("辞書「%1」のファイルが見つかりません").arg(ui::toQ(dicFileName)));
        return;
    }
    const long long ahead = std::accumulate(forecast.days.begin(), forecast.days.end(), 0LL);
    lblForecast->setText(QStringLiteral("今日の復習 ： %1語　　明日から%2日間 ： %3語")
                             .arg(forecast.dueToday)
                             .arg(kForecastDays)
                             .arg(ahead));
}

void TfrmStudyCalendar::cmdCloseClick() {
    accept();
}

void showStudyCalendar(QWidget* parent, const UserFiles& user, const PathSettings& files,
                       const ReviewOptions& review) {
    ui::openWindow(parent, kCaption, [&] {
        TfrmStudyCalendar window(user, files, review, parent);
        ui::platform().showModal(window);
    });
}

} // namespace qor
