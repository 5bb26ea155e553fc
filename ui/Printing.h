#pragma once
// Printing a sheet of plain lines: the document that a window shows in its text box (its
// font, its tab stops, and which lines belong together) is laid out for the printer's
// page and printed page by page, so that the lines of one question never part.

#include "ui/Platform.h"

#include <QStringList>
#include <QTextFormat>
#include <QTextOption>
#include <functional>
#include <vector>

class QFont;
class QPrinter;
class QTextDocument;
class QWidget;

namespace ui {

// The block property that names a block's group: consecutive blocks with the same value
// above 0 are printed on one page.
constexpr int kKeepTogetherProperty = QTextFormat::UserProperty + 1;

// Replaces the document's text by the lines, one block each, every block with tab stops
// at these positions in points (as the printout measures them; the screen shows them at
// the same size). groups[i] > 0 puts line i in a group with its neighbours of the same
// number (groups may be shorter than lines).
// Tab stops in points as the text layout takes them (in pixels of the layout's resolution).
QList<QTextOption::Tab> tabPositions(const std::vector<double>& tabStopsInPoints);
void setPlainLines(QTextDocument& document, const QStringList& lines,
                   const std::vector<double>& tabStopsInPoints,
                   const std::vector<int>& groups = {});
// The tab stops of the document's lines, in points.
std::vector<double> tabStopsInPoints(const QTextDocument& document);
// How wide the text is in the font, in points as the tab stops are given.
double widthInPoints(const QFont& font, const QString& text);

// A printer as a sheet starts: A4 portrait with margins of 20 mm, the document's title
// as the job's (and the PDF file's) title.
void setUpPrinter(QPrinter& printer, const QString& title);
// Where a PDF is offered to be saved: the learner's documents folder, else the home
// folder, with this file name.
QString defaultPdfPath(const QString& fileName);

// Prints the document on a printer that is set up (a printer, or a PDF file): copy i
// is announced by beforeCopy(i), then printed as one job; copies into a PDF file go one
// after the other into that one file. Long lines wrap at the page edge.
PrintOutcome printDocumentOn(QPrinter& printer, const QTextDocument& document, int copies,
                             const std::function<void(int)>& beforeCopy = {});

// A print that failed is told in a warning box captioned "エラー", naming the printer or
// the file and the reason; other outcomes show nothing.
void showPrintFailure(QWidget* parent, const PrintOutcome& outcome);

} // namespace ui
