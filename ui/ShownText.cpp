#include "ui/ShownText.h"

#include "ui/Platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBoundaryFinder>

#include <limits>

namespace ui {

namespace {

const char* const kWholeText = "wholeText";
const char* const kCutNoteShown = "cutNoteShown";
constexpr QChar kBreak(0x200B);  // zero width space: a place to break, drawn as nothing

bool isComma(QChar c) {
    return c == QLatin1Char(',') || c == QChar(0xFF0C) || c == QChar(0x3001);
}

// Remembers the whole text of a box and, while it is cut, tells and offers it.
void markBox(QWidget* box, const QString& text, qsizetype maxChars) {
    box->setProperty(kWholeText, text);
    const bool cut = text.size() > maxChars;
    auto* copy = box->findChild<QAction*>(QStringLiteral("actCopyWholeText"),
                                          Qt::FindDirectChildrenOnly);
    if (cut) {
        box->setToolTip(cutNote(text, maxChars) +
                        QStringLiteral("\n右クリックの「全文をコピー」で、全文をコピーできます。"));
        box->setProperty(kCutNoteShown, true);
        if (!copy) {
            copy = new QAction(QStringLiteral("全文をコピー (&W)"), box);
            copy->setObjectName(QStringLiteral("actCopyWholeText"));
            QObject::connect(copy, &QAction::triggered, box,
                             [box] { platform().setClipboardText(wholeText(box)); });
            box->addAction(copy);
        }
        box->setContextMenuPolicy(Qt::ActionsContextMenu);
        return;
    }
    if (box->property(kCutNoteShown).toBool()) {
        box->setToolTip(QString());
        box->setProperty(kCutNoteShown, false);
    }
    if (copy) {
        box->removeAction(copy);
        delete copy;
        box->setContextMenuPolicy(Qt::DefaultContextMenu);
    }
}

} // namespace

QString shownText(const QString& text, qsizetype maxChars) {
    if (text.size() <= maxChars)
        return text;
    qsizetype keep = std::max<qsizetype>(maxChars - 1, 0);
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep) + QChar(0x2026);
}

QString cutNote(const QString& text, qsizetype maxChars) {
    return QStringLiteral("長いため、全 %1 文字のうち最初の %2 文字だけを表示しています。")
        .arg(text.size())
        .arg(std::max<qsizetype>(maxChars - 1, 0));
}

QString breakableText(const QString& text) {
    if (text.size() <= kUnbrokenRun)
        return text;
    QString out;
    out.reserve(text.size() + text.size() / kUnbrokenRun + 8);
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = lines.toNextBoundary();
        if (end < 0 || end > text.size())
            end = text.size();
        if (end - start <= kUnbrokenRun) {
            out += QStringView(text).mid(start, end - start);
        } else {
            qsizetype run = 0;
            for (qsizetype i = start; i < end; ++i) {
                const QChar c = text.at(i);
                out += c;
                ++run;
                const bool last = i + 1 == end;
                if (!last && !c.isHighSurrogate() && (isComma(c) || run >= kUnbrokenRun)) {
                    out += kBreak;
                    run = 0;
                }
            }
        }
        start = end;
    }
    return out;
}

void showText(QPlainTextEdit* box, const QString& text, qsizetype maxChars) {
    box->setPlainText(shownText(text, maxChars));
    markBox(box, text, maxChars);
}

void showText(QLabel* label, const QString& text, qsizetype maxChars) {
    const QString shown = shownText(text, maxChars);
    label->setText(label->wordWrap() ? breakableText(shown) : shown);
    markBox(label, text, maxChars);
}

void showText(QLineEdit* field, const QString& text, qsizetype maxChars) {
    field->setText(shownText(text, maxChars));
    field->setCursorPosition(0);
    markBox(field, text, maxChars);
}

void showText(QAbstractButton* button, const QString& text, qsizetype maxChars) {
    button->setText(shownText(text, maxChars));
    markBox(button, text, maxChars);
}

QString wholeText(const QWidget* box) {
    const QVariant whole = box->property(kWholeText);
    if (whole.isValid())
        return whole.toString();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(box))
        return memo->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(box))
        return label->text();
    if (auto* field = qobject_cast<const QLineEdit*>(box))
        return field->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(box))
        return button->text();
    return {};
}

QVariant shownCell(const QString& text, int role, qsizetype maxChars) {
    if (role == Qt::DisplayRole)
        return shownText(text, maxChars);
    if (role == Qt::ToolTipRole)
        return text.size() <= maxChars ? text : cutNote(text, maxChars);
    return {};
}

void keepWholeText(QLineEdit* field) {
    field->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace ui
