#pragma once
// The companion's window: small, without frame, beside the main window at its
// bottom-right corner (outside its frame while the screen has room), following it as the
// program tells ("POS;"). A tool window of the main window where the window system allows
// one program's window to belong to another's (X11): above the main window, below its
// dialogs and below other programs; never on top of everything. It shows an animation for
// each "ANI;n" and speaks each "VEXA;" text in English.

#include <QPoint>
#include <chrono>
#include <QWidget>

class QTimer;

namespace vexa {

class Figure;
class Speech;
class SpeechOutput;

class TfrmVexa : public QWidget {
    Q_OBJECT
public:
    TfrmVexa(Speech& speech, SpeechOutput& output, QWidget* parent = nullptr);

    // Places the window at the main window's corner that the settings file holds ("left"
    // and "top" of [Setup]); without the file, in the screen's corner.
    void placeFrom(const std::string& settingsPath);
    // Places the window for the main window's frame ending at (right, bottom).
    void placeAt(int right, int bottom);
    // The main window's number in the window system, 0 while unknown.
    unsigned long long owner() const { return owner_; }
    Figure& figure() { return *figure_; }
    // One look at the speech output (tmrQuiet's, once a second while it is open): closed
    // when nothing has been said for a few seconds. true while it stays open.
    bool lookAtOutput(std::chrono::steady_clock::time_point now);

public slots:
    // One command as the program sent it (CP932).
    void command(const QByteArray& cp932);

signals:
    // The window was closed (from its menu, or the program asked the companion to end).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void belongTo(unsigned long long window);

    Speech& speech_;
    SpeechOutput& output_;
    Figure* figure_ = nullptr;
    QTimer* tmrQuiet_ = nullptr;
    unsigned long long owner_ = 0;
    class QWindow* ownerWindow_ = nullptr;
    QPoint dragFrom_;
};

} // namespace vexa
