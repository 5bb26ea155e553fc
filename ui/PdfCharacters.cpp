#include "ui/PdfCharacters.h"

#include <QFile>
#include <QHash>
#include <QList>

#include <array>
#include <utility>

namespace ui {

namespace {

// JIS's character first, Shift-JIS's (CP932's) second.
constexpr std::array<std::pair<char16_t, char16_t>, 8> kPairs{{
    {0x2014, 0x2015}, // ― 0x815C
    {0x005C, 0xFF3C}, // ＼ 0x815F
    {0x301C, 0xFF5E}, // ～ 0x8160
    {0x2016, 0x2225}, // ∥ 0x8161
    {0x2212, 0xFF0D}, // － 0x817C
    {0x00A2, 0xFFE0}, // ￠ 0x8191
    {0x00A3, 0xFFE1}, // ￡ 0x8192
    {0x00AC, 0xFFE2}, // ￢ 0x81CA
}};

QByteArray hex4(unsigned value) {
    return QByteArray::number(value, 16).toUpper().rightJustified(4, '0');
}

// "<XXXX>" at `at` read as a number; -1 when it is none.
int hexAt(const QByteArray& bytes, qsizetype at) {
    if (at < 0 || at + 6 > bytes.size() || bytes[at] != '<' || bytes[at + 5] != '>') return -1;
    bool ok = false;
    const int value = bytes.mid(at + 1, 4).toInt(&ok, 16);
    return ok ? value : -1;
}

// Mends the mappings of one ToUnicode stream's lines in [begin, end).
void mendCMap(QByteArray& pdf, qsizetype begin, qsizetype end,
              const QHash<int, unsigned>& replace) {
    auto mend = [&](qsizetype at) {
        const int value = hexAt(pdf, at);
        if (auto it = replace.find(value); it != replace.end())
            pdf.replace(at + 1, 4, hex4(*it));
    };
    enum class Section { None, Ranges, Chars } section = Section::None;
    qsizetype line = begin;
    while (line < end) {
        qsizetype next = pdf.indexOf('\n', line);
        if (next < 0 || next > end) next = end;
        const QByteArray text = pdf.mid(line, next - line).trimmed();
        if (text.endsWith("beginbfrange")) {
            section = Section::Ranges;
        } else if (text.endsWith("beginbfchar")) {
            section = Section::Chars;
        } else if (text == "endbfrange" || text == "endbfchar") {
            section = Section::None;
        } else if (section == Section::Chars) {
            // <glyph> <character>
            mend(pdf.indexOf('<', pdf.indexOf('>', line)));
        } else if (section == Section::Ranges) {
            const qsizetype first = pdf.indexOf('<', line);
            const qsizetype last = first < 0 ? -1 : pdf.indexOf('<', first + 1);
            qsizetype target = last < 0 ? next : last + 6;
            while (target < next && pdf[target] == ' ') ++target;
            if (first < 0 || last < 0 || target >= next) {
                line = next + 1;
                continue;
            }
            if (pdf[target] == '[') {
                // <first> <last> [<character> ...]: one character for each glyph.
                for (qsizetype at = pdf.indexOf('<', target); at >= 0 && at < next;
                     at = pdf.indexOf('<', at + 1))
                    mend(at);
            } else if (hexAt(pdf, first) == hexAt(pdf, last)) {
                // A range of one glyph; a longer one counts its characters up from the
                // first and stays as it is.
                mend(target);
            }
        }
        line = next + 1;
    }
}

} // namespace

QByteArray keepPrintedCharacters(QByteArray pdf, const QString& text) {
    QHash<int, unsigned> replace;
    for (const auto& [jis, windows] : kPairs)
        if (text.contains(QChar(windows)) && !text.contains(QChar(jis)))
            replace.insert(jis, windows);
    if (replace.isEmpty()) return pdf;

    QList<QByteArray> objects;
    static const QByteArray key = "/ToUnicode ";
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
        qsizetype digits = at + key.size();
        while (digits < pdf.size() && pdf[digits] >= '0' && pdf[digits] <= '9') ++digits;
        if (digits > at + key.size() && pdf.mid(digits, 4) == " 0 R")
            objects << pdf.mid(at + key.size(), digits - at - key.size());
    }
    for (const QByteArray& number : objects) {
        const qsizetype object = pdf.indexOf("\n" + number + " 0 obj");
        if (object < 0) continue;
        const qsizetype stream = pdf.indexOf("stream\n", object);
        const qsizetype endStream = pdf.indexOf("endstream", stream);
        if (stream < 0 || endStream < 0) continue;
        // A compressed map is not the writer's way; it is left alone.
        if (pdf.mid(object, stream - object).contains("/Filter")) continue;
        mendCMap(pdf, stream + 7, endStream, replace);
    }
    return pdf;
}

bool keepPrintedCharactersInFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return false;
    const QByteArray before = file.readAll();
    const QByteArray after = keepPrintedCharacters(before, text);
    if (after == before) return true;
    // Same length: the bytes are overwritten where they stand.
    return after.size() == before.size() && file.seek(0) && file.write(after) == after.size();
}

} // namespace ui
