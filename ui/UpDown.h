#pragma once
// A pair of small arrow buttons that steps a number between a minimum and a maximum.
// Associated with a line edit it writes each new position into the edit and takes the
// edit's number as its position when the learner types one; the Up and Down keys in
// the edit step it too.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ui {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int position() const { return position_; }
    void setPosition(int position); // clamped to the range
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void associate(QLineEdit* edit);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void positionChanged(int position);

public slots:
    void stepUp() { step(1); }
    void stepDown() { step(-1); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void step(int delta);
    void editEdited(const QString& text);

    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* edit_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

} // namespace ui
