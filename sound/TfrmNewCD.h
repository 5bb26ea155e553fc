#pragma once
// "CDの登録": the title and artist of the music CD in the drive go into CDInfo.ini.

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace qor {

class TfrmNewCD : public QDialog {
    Q_OBJECT
public:
    // identity: the disc's identity text; cdInfoFolder: the user folder. title and
    // artist: what the settings dialog shows now.
    TfrmNewCD(std::string identity, std::string userFolder, const QString& title,
              const QString& artist, QWidget* parent = nullptr);

    // The texts registered last (empty until "登録 (&U)" succeeded).
    bool registered() const { return registered_; }
    QString registeredTitle() const { return registeredTitle_; }
    QString registeredArtist() const { return registeredArtist_; }

public slots:
    void FormShow();
    void cmdRegisterClick();
    void cmdCloseClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    std::string identity_;
    std::string userFolder_;
    QString title_;
    QString artist_;
    bool registered_ = false;
    QString registeredTitle_;
    QString registeredArtist_;

    QLineEdit* txtTitle = nullptr;
    QLineEdit* txtArtist = nullptr;
    QPushButton* cmdRegister = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace qor
