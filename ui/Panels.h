#pragma once
// The look of the small windows' headings: a black panel with coloured text.

#include <QColor>

#include <initializer_list>

class QFrame;
class QHBoxLayout;
class QLabel;
class QLayout;
class QProgressBar;
class QPushButton;
class QString;
class QVBoxLayout;
class QWidget;

namespace ui {

// A button of a tool window, found by its object name; Enter does not press it unless it
// is made the default button. An optional hint becomes its tooltip.
QPushButton* commandButton(QWidget* parent, const QString& caption, const char* objectName,
                           const QString& hint = {});
// The default button of a tool window, found by its object name: Enter presses it.
QPushButton* defaultButton(QWidget* parent, const QString& caption, const char* objectName);

// The black banner at the top of a tool window, white text saying what the window does.
QLabel* banner(const QString& text, QWidget* parent);

// How a window with a heading is sized: by its content alone, or by the learner.
enum class WindowSize { Fixed, Resizable };

// The layout of a window with a heading: the heading (a banner or a verdict panel) across
// the top edge to edge, the body below it with the margins it set itself, and a status
// bar (optional) along the bottom. The body takes the height a resizable window gains.
QVBoxLayout* layOutUnderHeading(QWidget* window, QWidget* heading, QLayout* body,
                                QWidget* statusBar, WindowSize size);

// A row of command buttons at its right end.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

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
