#include "print/PrintWindowParts.h"

#include "base/TextFile.h"
#include "ui/Panels.h"
#include "ui/Text.h"
#include "words/DictionaryList.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
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
