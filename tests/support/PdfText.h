#pragma once
// What a printed PDF holds, read back with poppler's pdftotext and pdfinfo (poppler-utils):
// the text of each page, and the document's title.

#include <QString>
#include <QList>
#include <QStringList>

namespace qor::test {

// The text of every page, in order (pdftotext, lines as they stand on the page). A missing tool or an
// unreadable file fails the calling test and gives nothing.
QStringList pdfPages(const QString& path);
// The value of a field of pdfinfo ("Title", "Pages", "Page size").
QString pdfInfo(const QString& path, const QString& field);
// A word as pdftotext places it: its page (0-based) and its left and top edges in points
// from the page's top left corner.
struct PdfWord {
    QString text;
    int page = 0;
    double left = 0;
    double top = 0;
};
QList<PdfWord> pdfWords(const QString& path);

} // namespace qor::test
