#pragma once
// The main window: the drill runs inside it; it owns the settings record.

#include "settings/TUserSettings.h"

#include <QMainWindow>

namespace qor {

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: the data root with trailing "/" (CP932).
    explicit TfrmMain(std::string programFolder, QWidget* parent = nullptr);

    const TUserSettings& settings() const { return settings_; }
    // False once the learner declined to choose a user at the first start.
    bool started() const { return started_; }

signals:
    // The program must end without saving anything.
    void startAborted();

public slots:
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();

    TUserSettings settings_;
    bool shown_ = false;
    bool started_ = false;
};

} // namespace qor
