#pragma once
// "辞書の印刷": lists a dictionary, or the vocabulary book, with tab stops and optional
// line numbers, and prints the listing (or saves it as a PDF file).

#include "print/DictionaryListing.h"
#include "settings/DictionaryInUse.h"
#include "settings/TUserSettings.h"

#include <QDialog>
#include <QList>
#include <QUrl>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace qor {

class LinesView;

struct DictionaryChange;

class TfrmPrintDic : public QDialog {
    Q_OBJECT
public:
    // files: the main window's paths (read as they are at each use: the vocabulary book
    // editor may turn the book off). editVocBook opens the vocabulary book editor.
    TfrmPrintDic(UserFiles user, const PathSettings& files, std::function<void()> editVocBook,
                 QWidget* parent = nullptr);

    QString statusText() const;
    // The lines of the listing on the box (CP932).
    const std::vector<std::string>& listingLines() const { return lines_; }

public slots:
    void FormShow();
    void cmdSelectDicClick();
    void cmdEditVocBookClick();
    void chkCommentOnClick();
    void chkNumberOnClick();
    void cmdFontClick();
    void cmdLoadClick();
    void cmdPrintClick();
    void cmdCloseClick();
    // The first dropped file is taken as by cmdSelectDic.
    void FormDropFiles(const QList<QUrl>& urls);

protected:

private:
    void setStatus(const QString& text);
    void applyVocBookState();
    void showChoice(const DictionaryChange& change);
    // The tab stops of the listing on the box, its number column sized in the box's font.
    std::vector<double> tabStops() const;

    const PathSettings& files_;
    UserFiles user_;
    // A choice here is remembered; the dictionary in use stays the main window's.
    DictionaryBeside dictionaries_{user_, files_};
    std::function<void()> editVocBook_;
    PrintDicSettings print_;
    std::vector<std::string> lines_;
    std::string source_;  // the file of the listing on the box
    int shownTab_ = 100;  // the tab width and the numbers switch of that listing
    bool shownNumbers_ = false;

    DictionaryPicker* cboDicFile_;
    QPushButton* cmdSelectDic_;
    QCheckBox* chkVocBook_;
    QPushButton* cmdEditVocBook_;
    QSpinBox* txtTab_;
    QCheckBox* chkCommentOn_;
    QCheckBox* chkNumberOn_;
    QPushButton* cmdFont_;
    QPushButton* cmdLoad_;
    QPushButton* cmdPrint_;
    QPushButton* cmdClose_;
    LinesView* moData_;
    QProgressBar* cgInfo_;
    QLabel* sbInfo_;
};

} // namespace qor
