#pragma once
// The up-down arrows beside a number field: a click (or the Up / Down key in the field)
// steps the number in the field by one within the range. The field stays an ordinary
// text field, so a count typed past the range can be seen and refused by its dialog.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ui {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QLineEdit* buddy, QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setMaximum(int maximum) { setRange(minimum_, maximum); }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    QLineEdit* buddy() const { return buddy_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

public slots:
    void stepUp();
    void stepDown();

signals:
    // The field's number was stepped.
    void stepped(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int by);

    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
};

} // namespace ui
