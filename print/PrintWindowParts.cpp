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
