#include "print/PrintWindowParts.h"

#include "base/TextFile.h"
#include "ui/Panels.h"
#include "ui/Printing.h"
#include "ui/ShownText.h"
#include "ui/Text.h"
#include "words/DictionaryList.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace qor {

void fillDictionaryCombo(QComboBox* combo, const std::string& setupIni, const std::string& fileName) {
    combo->clear();
    for (const std::string& name : listedDictionaries(setupIni)) {
        if (!name.empty())
            combo->addItem(ui::toQ(name));
    }
    combo->setEditText(ui::toQ(fileName));
}

std::optional<std::string> comboDictionaryPath(QWidget* parent, const QComboBox* combo,
                                               const std::string& setupIni) {
    auto fileName = ui::fromQOrWarn(parent, combo->currentText());
    if (!fileName)
        return std::nullopt;
    FileStatus read;
    std::string path = rememberedDictionaryPath(setupIni, *fileName, &read);
    if (!read) {
        ui::showFileError(parent, read.path(), read.reason());
        return std::nullopt;
    }
    return path;
}

QTextEdit* linesBox(QWidget* parent, const QString& accessibleName, const QFont& font) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QStringLiteral("moData"));
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    // The window takes dropped files (the box's own drop would insert the file's name).
    box->setAcceptDrops(false);
    box->setFont(font);
    return box;
}

void showLines(QTextEdit* box, const std::vector<std::string>& lines,
               const std::vector<double>& tabStops, const std::vector<int>& groups) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(lines.size()));
    // The preview is also what is printed: a line longer than any real entry is cut there
    // too, rather than laid out over pages of one unbroken word.
    for (const std::string& line : lines)
        shown << ui::shownText(ui::toQ(line));
    ui::setPlainLines(*box->document(), shown, tabStops, groups);
}

QLabel* frameWindow(QDialog* window, const QString& bannerText, QLayout* body) {
    auto* status = new QStatusBar(window);
    status->setSizeGripEnabled(false);
    auto* text = new QLabel(status);
    text->setObjectName(QStringLiteral("sbInfo"));
    status->addWidget(text, 1);

    body->setContentsMargins(10, 8, 10, 6);
    ui::layOutUnderHeading(window, ui::banner(bannerText, window), body, status,
                           ui::WindowSize::Resizable);
    return text;
}

void showStatus(QLabel* status, const QString& text) {
    status->setText(text);
    if (status->isVisible())
        status->repaint();
}

} // namespace qor
