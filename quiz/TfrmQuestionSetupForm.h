#pragma once
// The parts of the question setup dialog that shape the drill's form rather than its
// words: memorizing only, the answer form, and the direction and question count.

#include <QString>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace ui {
class UpDown;
}

namespace qor {

// "暗記のみ行う" with the seconds before the answer is shown, visible while it is ticked.
class SetupMemorizeRow : public QWidget {
    Q_OBJECT
public:
    explicit SetupMemorizeRow(QWidget* parent);

    // Ticks or clears the box and runs what it does, also when it was so already.
    void setOn(bool on);
    // The seconds typed; 0 when the field holds no number.
    int seconds() const;

signals:
    void switched(bool on);

private:
    void chkOnlyMemorizeClick();

    QCheckBox* chkOnlyMemorize_;
    QLineEdit* txtOnlyMemorizeTime_;
    ui::UpDown* udOnlyMemorizeTime_;
    QLabel* lblOnlyMemorizeTime_;
};

// "選択形式で解答する" and the number of choices. The main window's choice group shows
// placeholders for the choices as soon as a number is chosen.
class SetupAnswerForm : public QWidget {
    Q_OBJECT
public:
    explicit SetupAnswerForm(QWidget* parent);

    // The answer form of the question toolbar (0 typed, 1 to 3 three to five choices).
    void showToolbarForm(int answerType);
    // Memorizing only has no answers to choose: the box is cleared and locked.
    void setAllowed(bool allowed);
    // The answer form index chosen, as the question toolbar counts it.
    int answerType() const;

signals:
    // The number of choices now asked for; 0 for typed answers.
    void choicesChanged(int count);

private:
    void chkSelectOnClick();
    void rgSelectNumClick(int id);

    QCheckBox* chkSelectOn_;
    QGroupBox* rgSelectNum_;
    QButtonGroup* grpSelectNum_;
    int choiceKind_ = -1;  // 0 to 2: three to five choices; -1 none
};

// "出題形式の設定" (the direction) and "出題数の設定" with the range the count may take.
class SetupCountPart : public QWidget {
    Q_OBJECT
public:
    explicit SetupCountPart(QWidget* parent);

    int direction() const;
    void setDirection(int direction);

    QString countText() const;
    void setCountText(const QString& text);
    void setCount(int count) { setCountText(QString::number(count)); }
    // A count fixed by the source chosen can be read, not changed.
    void setLocked(bool locked);
    void focusCount();

    // The highest count; the range label shows it.
    int maximum() const { return maximum_; }
    void setMaximum(int maximum);

private:
    QGroupBox* rgQuestionType_;
    QButtonGroup* grpQuestionType_;
    QLabel* lblQuestionNum_;
    QLineEdit* txtQuestionNum_;
    ui::UpDown* udQuestionNum_;
    int maximum_;
};

} // namespace qor
