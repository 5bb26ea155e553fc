#pragma once
// "テキストファイルの新規作成": makes an empty "<name>.txt" in a folder picked in a tree of
// the local file system, for a new dictionary. The place list in front of the tree holds
// the data folder's dictionary folder, the home folder and the mounted volumes.

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QSortFilterProxyModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace qor {

class TfrmNewText : public QDialog {
    Q_OBJECT
public:
    struct Place {
        QString caption;
        QString path; // file system form, no trailing "/" (but "/" itself)
    };

    // startFolder: the folder the tree opens at (file system form); dictionaryFolder: the
    // data folder's "dictionary/", first in the place list.
    TfrmNewText(const QString& startFolder, const QString& dictionaryFolder,
                QWidget* parent = nullptr);
    ~TfrmNewText() override;

    const std::vector<Place>& places() const { return places_; }
    // The folder the file goes to: the one chosen in the tree, else the place itself.
    QString currentFolder() const;
    // Chooses a folder as if clicked in the tree (its place is chosen first).
    void setFolder(const QString& folder);
    // The file made last while the window was open (CP932), empty when none was.
    const std::string& createdPath() const { return createdPath_; }

public slots:
    void FormShow();
    void cboDriveChange(int index);
    void cmdMakeClick();
    void cmdCloseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    int placeOf(const QString& folder) const;
    void showFolder();

    std::vector<Place> places_;
    std::string createdPath_;
    bool formShown_ = false;
    QFileSystemModel* folders_;
    QSortFilterProxyModel* shown_;  // the place and the folders below it
    QComboBox* cboDrive;
    QTreeView* dlbFolder;
    QLabel* lblFolder;
    QLineEdit* txtFileName;
    QPushButton* cmdMake;
    QPushButton* cmdClose;
};

} // namespace qor
