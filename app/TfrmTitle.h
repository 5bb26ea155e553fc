#pragma once
// The splash window shown while the main window is being built: one picture, no frame,
// on top, centred on the screen.

#include <QSplashScreen>

namespace qor {

class TfrmTitle : public QSplashScreen {
    Q_OBJECT
public:
    TfrmTitle();
    // Shows the window and paints it at once, before the event loop runs.
    void showNow();
};

} // namespace qor
