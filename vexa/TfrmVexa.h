#pragma once
// The companion's window: small, without frame, always on top, at the main window's
// bottom-right corner. It shows an animation for each "ANI;n" and speaks each "VEXA;"
// text in English.

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

    // Puts the window's bottom-right corner where the settings file says ("left" and
    // "top" of [Setup]), kept on a screen; without the file, in the screen's corner.
    void placeFrom(const std::string& settingsPath);
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
    Speech& speech_;
    SpeechOutput& output_;
    Figure* figure_ = nullptr;
    QTimer* tmrQuiet_ = nullptr;
    QPoint dragFrom_;
};

} // namespace vexa
