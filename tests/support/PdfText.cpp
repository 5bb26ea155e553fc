#include "tests/support/PdfText.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace qor::test {

namespace {

// The standard output of a poppler tool; empty (and a test failure) when it fails.
QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed (is poppler-utils installed?): "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

} // namespace

QStringList pdfPages(const QString& path) {
    QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"),
                                         {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), path, QStringLiteral("-")}));
    if (text.isEmpty())
        return {};
    QStringList pages = text.split(QLatin1Char('\f'));
    // pdftotext ends every page with a form feed.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString pdfInfo(const QString& path, const QString& field) {
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {path}));
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    }
    return {};
}

QList<PdfWord> pdfWords(const QString& path) {
    const QString xml = QString::fromUtf8(run(QStringLiteral("pdftotext"),
                                              {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                               QStringLiteral("UTF-8"), path, QStringLiteral("-")}));
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<PdfWord> words;
    int page = -1;
    for (const QString& line : xml.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QStringLiteral("<page ")))
            ++page;
        QRegularExpressionMatch m = word.match(line);
        if (m.hasMatch())
            words.append({m.captured(3), page, m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

} // namespace qor::test
