#pragma once
// The text layer of the PDF files the program writes. Japanese fonts draw some pairs of
// characters with one glyph: U+301C WAVE DASH and U+FF5E FULLWIDTH TILDE, U+2014 and
// U+2015, "¢" and "￠" and a few more, the pairs where Shift-JIS as Windows reads it (the
// second of each) differs from JIS (the first). The PDF writer names a glyph in the text
// layer by the lowest character that maps to it, so "～" copied from the file, or searched
// for in it, would be "〜". These functions name such a glyph by the member of its pair
// that the printed text holds.

#include <QByteArray>
#include <QString>

namespace ui {

// The PDF with its ToUnicode maps mended for `text`, the whole text it shows. The file
// keeps its length and layout: only the four hex digits of a mapping change.
QByteArray keepPrintedCharacters(QByteArray pdf, const QString& text);

// The same on a file, rewritten in place; false when it cannot be read or written (the
// file stays as it was).
bool keepPrintedCharactersInFile(const QString& path, const QString& text);

} // namespace ui
