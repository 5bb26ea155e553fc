#pragma once
// Dictionary text on the screen. A word list may hold an entry of any length, and Qt lays
// out a text without a break in a time that grows with the square of its length (a
// question of a million letters held the main window for minutes). So every box that
// shows such a text shows at most a fixed number of its characters, cut with "…"; a cut
// box says so in its tooltip and copies the whole text with "全文をコピー" on its context
// menu. Fields the learner edits keep the whole text (keepWholeText).

#include <QString>
#include <QVariant>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace ui {

// Boxes that wrap or scroll (memos, list cells, print previews): far above any real
// entry, and laid out in well under a millisecond even as one unbroken word.
inline constexpr qsizetype kShownTextMax = 1000;
// Places one line wide that set their window's width (a choice, a one-line label).
inline constexpr qsizetype kShownLineMax = 40;

// The text cut to at most maxChars characters, the last of them "…"; a shorter text as it
// is. A surrogate pair is never split.
QString shownText(const QString& text, qsizetype maxChars = kShownTextMax);

// The tooltip of a cut text: how much of it is shown.
QString cutNote(const QString& text, qsizetype maxChars = kShownTextMax);

// A text for a label that wraps: a run of more than kUnbrokenRun characters without a
// place to break the line (a long word, "run,operate,manage,…") gets invisible break
// points, after its commas where it has them, so that it wraps instead of widening the
// window.
inline constexpr qsizetype kUnbrokenRun = 30;
QString breakableText(const QString& text);

// Puts a text into a box that shows it (not one the learner edits): the text as
// shownText, and while it is cut the note as tooltip and the "全文をコピー" command on the
// context menu. A label that wraps gets the breakable form.
void showText(QPlainTextEdit* box, const QString& text, qsizetype maxChars = kShownTextMax);
void showText(QLabel* label, const QString& text, qsizetype maxChars = kShownTextMax);
void showText(QLineEdit* field, const QString& text, qsizetype maxChars = kShownTextMax);
void showText(QAbstractButton* button, const QString& text, qsizetype maxChars = kShownLineMax);

// The whole text last put into a box by showText (what "全文をコピー" copies); the box's
// own text when it was not cut.
QString wholeText(const QWidget* box);

// A list cell: the shown text for Qt::DisplayRole; for Qt::ToolTipRole the whole text
// when it is shown whole and the note when it is cut. Other roles: no value.
QVariant shownCell(const QString& text, int role, qsizetype maxChars = kShownTextMax);

// A field in which the learner edits dictionary text takes all of it: Qt's line edit would
// silently keep only 32767 characters, and a save would lose the rest.
void keepWholeText(QLineEdit* field);

} // namespace ui
