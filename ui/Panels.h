#pragma once
// The look of the small windows' headings: a black panel with coloured text.

#include <QColor>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QString;
class QWidget;

namespace ui {

// A button of a tool window, found by its object name; Enter does not press it unless it
// is made the default button. An optional hint becomes its tooltip.
QPushButton* commandButton(QWidget* parent, const QString& caption, const char* objectName,
                           const QString& hint = {});

// The black banner at the top of a tool window, white text saying what the window does.
QLabel* banner(const QString& text, QWidget* parent);

// A progress gauge that says what it measures (its accessible name, and a tooltip) and
// shows its percentage, tall enough for the text of the font.
QProgressBar* progressGauge(QWidget* parent, const QString& objectName,
                            const QString& whatItMeasures);

// A panel filled black (labels on it need a light colour: setLabelLook).
QFrame* blackPanel(QWidget* parent);
// The verdict heading of the result windows: a black panel with a big coloured title
// and a white data line below it, both centred.
struct VerdictPanel {
    QFrame* panel;
    QLabel* title;
    QLabel* data;
};
VerdictPanel verdictPanel(QWidget* parent, const QString& title, const QColor& color);

// Text colour of a label; a point size above 0 makes it that big and bold.
void setLabelLook(QLabel* label, const QColor& color, int pointSize = 0);

} // namespace ui
