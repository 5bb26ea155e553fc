#pragma once
// A label that lights up under the mouse, like a link, and reports clicks.

#include <QLabel>

namespace ui {

class HoverLabel : public QLabel {
    Q_OBJECT
public:
    explicit HoverLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void light(bool on);
};

} // namespace ui
