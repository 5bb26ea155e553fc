#pragma once
// "インポート": turns a word list of another program (CSV, TSV, KVTML, or a dictionary in
// UTF-8) into a new dictionary file. The window shows the encoding and the format it
// found, the first 20 entries as they would be written with the marks of those that would
// be left out, and lets the learner choose the columns, the folder and the file name. At
// the end it names what was left out and offers the new file as the dictionary in use.

#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"
#include "words/WordListImport.h"

#include <QDialog>
#include <QList>
#include <QUrl>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeView;

namespace qor {

class ImportPreviewTable;

class TfrmImport : public QDialog {
    Q_OBJECT
public:
    // How many entries the preview shows.
    static constexpr std::size_t kPreviewEntries = 20;
    // How many entries the summary counts at a time: a long list is counted a part at each
    // turn of the event loop, so that the window answers meanwhile.
    static constexpr std::size_t kTallyEntries = 20000;

    // files: the record's paths; the dictionary made can become their dictionary in use.
    TfrmImport(UserFiles user, PathSettings& files, QWidget* parent = nullptr);
    ~TfrmImport() override;

    // Reads a word list (file system path) as the file choice does; false when it could
    // not be read (the learner was told).
    bool openFile(const QString& path);
    // The word list read last, nullptr before one was.
    const WordListImport* wordList() const { return import_.get(); }
    const ImportPreviewTable& preview() const { return *preview_; }
    QString summaryText() const;
    // The dictionary file made (CP932), empty when none was; whether the learner made it
    // the dictionary in use.
    const std::string& createdPath() const { return createdPath_; }
    bool madeDictionaryInUse() const { return madeInUse_; }

public slots:
    void cmdSelectFileClick();
    // Enter in the file field: the path typed there is read as by the file choice.
    void txtSourceFileEnter();
    void cboEncodingChange(int index);
    void cboFormatChange(int index);
    void chkHeaderClick();
    void cboColumnChange();
    void cmdSelectFolderClick();
    void cmdImportClick();
    void cmdCloseClick();
    // The next part of the entries counted for the summary.
    void tmrTallyTimer();
    // Files dropped on the window: the first local file is read as by the file choice.
    void FormDropFiles(const QList<QUrl>& urls);

private:
    void showChoices();
    void fillColumns();
    void showPreview();
    void showSummary();
    std::optional<std::string> targetPath();

    // Mutable: an imported dictionary becomes the one in use (files.DicInUse).
    UserFiles user_;
    PathSettings& files_;
    std::unique_ptr<WordListImport> import_;
    QString sourcePath_;
    std::string createdPath_;
    bool madeInUse_ = false;
    bool filling_ = false;  // the window itself is setting the controls
    ImportTally tally_;         // the entries counted so far for the summary
    std::size_t tallied_ = 0;   // how many that is
    ImportPreviewTable* preview_;

    QLineEdit* txtSourceFile;
    QPushButton* cmdSelectFile;
    QComboBox* cboEncoding;
    QComboBox* cboFormat;
    QCheckBox* chkHeader;
    QComboBox* cboEnglish;
    QComboBox* cboJapanese;
    QComboBox* cboComment;
    QTreeView* lstPreview;
    QLabel* lblSummary;
    QLineEdit* txtFolder;
    QPushButton* cmdSelectFolder;
    QLineEdit* txtFileName;
    QPushButton* cmdImport;
    QPushButton* cmdClose;
    QTimer* tmrTally;
};

} // namespace qor
