#include "ui/Printing.h"

#include "base/ErrorText.h"
#include "ui/PagePlan.h"
#include "ui/PdfCharacters.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace ui {

namespace {

// The resolution in which a document's lengths (tab stops, margins) are given when no
// paint device is set: the one the text layout scales from for a printer.
double layoutDpi() {
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchX());
    return 100;
}

// Why a PDF file could not be written, as the file system says it.
QString writeFailure(const QString& path) {
    const bool existed = QFileInfo::exists(path);
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return QString::fromStdString(qor::errorText(errno));
    ::close(fd);
    if (!existed)
        QFile::remove(path);
    return QStringLiteral("PDFファイルを書き込めませんでした");
}

} // namespace

QList<QTextOption::Tab> tabPositions(const std::vector<double>& tabStopsInPoints) {
    const double scale = layoutDpi() / 72.0;
    QList<QTextOption::Tab> tabs;
    for (double pt : tabStopsInPoints)
        tabs << QTextOption::Tab(pt * scale, QTextOption::LeftTab);
    return tabs;
}

void setPlainLines(QTextDocument& document, const QStringList& lines,
                   const std::vector<double>& tabStopsInPoints, const std::vector<int>& groups) {
    document.setUndoRedoEnabled(false);
    document.setPlainText(lines.join(QLatin1Char('\n')));
    // The text layout takes its tab stops from each block's format, not from the
    // document's default options.
    QTextBlockFormat tabbed;
    tabbed.setTabPositions(tabPositions(tabStopsInPoints));
    QTextCursor all(&document);
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(tabbed);
    // Two marks serve every group: neighbours differ, and that is all a group needs.
    QTextBlock block = document.begin();
    int previous = 0;
    int mark = 0;
    for (std::size_t i = 0; i < groups.size() && block.isValid(); ++i, block = block.next()) {
        const int group = groups[i];
        if (group > 0 && group != previous)
            mark = mark == 1 ? 2 : 1;
        previous = group;
        if (group <= 0)
            continue;
        QTextBlockFormat marked;
        marked.setProperty(kKeepTogetherProperty, mark);
        QTextCursor(block).mergeBlockFormat(marked);
    }
    all.endEditBlock();
}

std::vector<double> tabStopsInPoints(const QTextDocument& document) {
    const double scale = layoutDpi() / 72.0;
    std::vector<double> points;
    for (const QTextOption::Tab& tab : document.begin().blockFormat().tabPositions())
        points.push_back(tab.position / scale);
    return points;
}

double widthInPoints(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text) * 72.0 / layoutDpi();
}

void setUpPrinter(QPrinter& printer, const QString& title) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("Qor Helper"));
}

QString defaultPdfPath(const QString& fileName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

PrintOutcome printDocumentOn(QPrinter& printer, const QTextDocument& document, int copies,
                             const std::function<void(int)>& beforeCopy) {
    PrintOutcome outcome;
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    outcome.target = toFile ? printer.outputFileName() : printer.printerName();

    std::unique_ptr<QTextDocument> doc(document.clone());
    QTextOption option = doc->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc->setDefaultTextOption(option);
    doc->setDocumentMargin(0);  // the page has its own margins
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    layout->setPaintDevice(&printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    doc->setTextWidth(page.width());

    std::vector<PrintBlock> blocks;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QRectF r = layout->blockBoundingRect(b);
        blocks.push_back({r.top(), r.bottom(), b.blockFormat().intProperty(kKeepTogetherProperty),
                          b.text().trimmed().isEmpty()});
    }
    const std::vector<double> tops = pageTops(blocks, page.height());
    const double end = blocks.empty() ? 0 : blocks.back().bottom;

    QPainter painter;
    for (int copy = 1; copy <= copies; ++copy) {
        if (beforeCopy)
            beforeCopy(copy);
        if (!painter.isActive()) {
            if (!painter.begin(&printer)) {
                outcome.result = PrintOutcome::Failed;
                outcome.reason = toFile ? writeFailure(outcome.target)
                                        : QStringLiteral("プリンターに接続できませんでした");
                return outcome;
            }
        } else if (!printer.newPage()) {
            break;
        }
        for (std::size_t p = 0; p < tops.size(); ++p) {
            if (p > 0 && !printer.newPage())
                break;
            const double top = tops[p];
            const double bottom = std::min(p + 1 < tops.size() ? tops[p + 1] : end,
                                           top + page.height());
            const QRectF area(0, top, page.width(), std::max(0.0, bottom - top));
            // The layout draws every block that touches its clip: the blocks that end where
            // this page begins, or begin where it ends, belong to the neighbouring pages
            // (and would be there twice in the file's text, though clipped away).
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = area.adjusted(0, 1, 0, -1);
            context.palette.setColor(QPalette::Text, Qt::black);
            painter.save();
            painter.translate(0, -top);
            painter.setClipRect(area);
            layout->draw(&painter, context);
            painter.restore();
        }
        ++outcome.copies;
        // A printer gets each copy as a job of its own.
        if (!toFile && !painter.end()) {
            outcome.result = PrintOutcome::Failed;
            outcome.reason = QStringLiteral("印刷を完了できませんでした");
            return outcome;
        }
    }
    if (painter.isActive() && !painter.end()) {
        outcome.result = PrintOutcome::Failed;
        outcome.reason = writeFailure(outcome.target);
        return outcome;
    }
    // Copied or searched, the file's text is the text printed. A file that cannot be
    // mended is still the sheet as printed.
    if (toFile) keepPrintedCharactersInFile(outcome.target, document.toPlainText());
    outcome.result = PrintOutcome::Printed;
    return outcome;
}

void showPrintFailure(QWidget* parent, const PrintOutcome& outcome) {
    if (outcome.result != PrintOutcome::Failed)
        return;
    platform().showNotice(parent,
                          QStringLiteral("印刷に失敗しました\n") + outcome.target +
                              QStringLiteral("\n") + outcome.reason,
                          QStringLiteral("エラー"), kNoticeWarning);
}

} // namespace ui
