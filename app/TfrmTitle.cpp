#include "app/TfrmTitle.h"

#include "app/ToolbarIcons.h"

#include <QGuiApplication>
#include <QScreen>

namespace qor {

TfrmTitle::TfrmTitle()
    : QSplashScreen(titlePicture(),
                    Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(367, 139);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void TfrmTitle::showNow() {
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace qor
