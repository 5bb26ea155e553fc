#pragma once
// What a printed PDF holds, read back with poppler's pdftotext and pdfinfo (poppler-utils):
// the text of each page, and the document's title.

#include <QString>
#include <QStringList>

namespace qor::test {

// The text of every page, in order (pdftotext, reading order). A missing tool or an
// unreadable file fails the calling test and gives nothing.
QStringList pdfPages(const QString& path);
// The value of a field of pdfinfo ("Title", "Pages", "Page size").
QString pdfInfo(const QString& path, const QString& field);
// The first page rendered as a PNG at `dpi` (pdftoppm), for a look; its path.
QString pdfFirstPageImage(const QString& path, const QString& pngPathWithoutSuffix, int dpi = 60);

} // namespace qor::test
