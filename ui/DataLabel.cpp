#include "ui/DataLabel.h"

#include <QLabel>

namespace ui {

void showsData(QLabel* label, const QString& whatItShows) {
    // Without a name of its own, a label is named by its text, whatever it shows now.
    label->setAccessibleName(QString());
    label->setAccessibleDescription(whatItShows);
}

} // namespace ui
