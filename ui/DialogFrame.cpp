#include "ui/DialogFrame.h"

#include <QWidget>

namespace ui {

void setDialogFrame(QWidget* dialog, bool withClose) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (withClose)
        flags |= Qt::WindowCloseButtonHint;
    dialog->setWindowFlags(flags);
}

} // namespace ui
