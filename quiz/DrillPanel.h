#pragma once
// The drill's panel, the main window's central widget: the question, comment,
// pronunciation, choice and answer boxes, the right command buttons and the five data
// bars. It owns the drill and is the screen it fills (DrillDisplay); the learner's answer
// goes to the drill as a value when it is judged. The commands themselves (start, result,
// stop ...) are the main window's actions, which the buttons follow; the window around
// the panel (status bar, toolbars, boxes) is the DrillShell given in.

#include "quiz/Drill.h"
#include "quiz/DrillView.h"
#include "settings/TUserSettings.h"

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace ui {
class DataBar;
class RadioGroup;
} // namespace ui

namespace qor {

class SettingsNotifier;

class DrillPanel final : public QWidget, public DrillDisplay {
    Q_OBJECT
public:
    // The main window's commands and menus the panel's buttons and pop-ups use.
    struct Links {
        QAction* start = nullptr;
        QAction* result = nullptr;
        QAction* stop = nullptr;
        QAction* find = nullptr;
        QAction* playVoice = nullptr;
        QAction* nextWord = nullptr;
        QAction* addVocBook = nullptr;
        QMenu* panelMenu = nullptr;    // on the drill's boxes and buttons
        QMenu* dataBarMenu = nullptr;  // on the data bars
    };

    DrillPanel(const TUserSettings& settings, DrillShell& shell, const Links& links,
               QWidget* parent = nullptr);
    ~DrillPanel() override;

    Drill& drill() { return *drill_; }
    const Drill& drill() const { return *drill_; }

    // --- the learner's commands, with the answer as the panel holds it ---
    void submitAnswer();    // "結果"
    void showNextLetter();  // "次の文字を表示"
    void timerTick();       // one second of the question timer

    // Fonts, colours and the boxes shown, from the settings record (first showing and
    // the settings dialog's OK).
    void applyLook();
    // Re-applies the look when the settings dialog's OK changed it (fonts, colours,
    // heights, or the drill switches that show the boxes).
    void followSettings(SettingsNotifier& notifier);
    // The five data bars: their gauge colours and which are shown, in their fixed order.
    void applyDataBarColours();
    void showDataBars(const std::array<bool, 5>& shown);
    // The right command buttons.
    void setCommandButtonsVisible(bool visible);
    bool commandButtonsVisible() const;

    // Fills the choice group with the texts (CP932); with none it is hidden. Choices that
    // can be answered show the digit that chooses them; while there are choices the
    // typed-answer field is disabled.
    void showAnswerChoices(const std::vector<std::string>& texts, bool enabled);
    // Puts the focus where Enter starts a drill (the start button), as when idle.
    void focusStart();
    // Every key meant for the window's drill controls, before they see it: Enter and
    // the choice digits. True for a key taken.
    bool previewKey(QWidget* control, QKeyEvent* key);

    // --- DrillDisplay ---
    void setPrompts(const std::string& question, const std::string& answer) override;
    void setInputMethod(InputMethod method) override;
    void setQuestionText(const std::string& text) override;
    void setQuestionWarning(bool warning) override;
    void setCommentText(const std::string& text) override;
    void setPronunciationText(const std::string& text) override;
    void setAnswerText(const std::string& text) override;
    void setChoices(const std::vector<std::string>& texts, bool enabled) override;
    void selectChoice(int index) override;
    void setBar(DataBar bar, const std::string& text, int value, int maximum) override;
    void focusAnswer() override;
    void startTimer() override;
    void stopTimer() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBoxes(QWidget* drillArea);
    void buildButtons();
    void buildDataBars(QVBoxLayout* bottom);
    void fitDrillPanels();
    void pressDefaultButton();
    bool drillKey(QKeyEvent* event);
    // The answer field's text; one that Shift-JIS cannot hold is refused with a box and
    // counts as none.
    std::string typedAnswer();
    LearnerAnswer answerOnScreen();

    const TUserSettings& settings_;
    Links links_;
    std::unique_ptr<Drill> drill_;

    QLabel* lblQuestion = nullptr;
    QPlainTextEdit* moQuestion = nullptr;
    QPlainTextEdit* moComment = nullptr;
    ui::RadioGroup* rgAnswer = nullptr;
    QPlainTextEdit* moHatsuon = nullptr;
    QLabel* lblAnswer = nullptr;
    QLineEdit* txtAnswer = nullptr;
    QWidget* pnlRightCommandButton = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdResult = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdFind = nullptr;
    QPushButton* cmdPlayVoice = nullptr;
    std::array<ui::DataBar*, 5> bars_{};  // in the order of DataBar
    QTimer* tmrTimer = nullptr;  // the question time limit and the memorize step

    QVBoxLayout* drillLayout_ = nullptr;  // the drill's boxes, top to bottom
    QHBoxLayout* commentRow_ = nullptr;   // the comment beside the answer choices
    bool composing_ = false;  // the input method is converting text in the answer field
};

} // namespace qor
