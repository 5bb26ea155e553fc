#pragma once
// "不正解数の詳細": the five most-missed words of a dictionary, from the error ranking file
// "error5.cun", with their miss counts. The ranking's sixth place is not shown.

#include "settings/DictionaryInUse.h"
#include "settings/TUserSettings.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace qor {

class TfrmShowErrorNum : public QDialog {
    Q_OBJECT
public:
    TfrmShowErrorNum(UserFiles user, PathSettings files, LookSettings look,
                     QWidget* parent = nullptr);

    static constexpr int kPlaces = 5;

public slots:
    // Empties the places and shows the ranking of the dictionary in use.
    void FormShow();
    // Shows the ranking of the dictionary named in cboDicFile.
    void cmdViewClick();
    void cmdCloseClick();

private:
    void emptyPlaces();
    void showDetail(const std::string& dicFileName);

    LookSettings look_;
    PathSettings files_;
    UserFiles user_;
    DictionaryBeside dictionaries_{user_, files_};

    DictionaryPicker* cboDicFile;
    std::array<QLabel*, kPlaces> lblEnglish{};
    std::array<QLabel*, kPlaces> lblJapanese{};
    std::array<QLabel*, kPlaces> lblNum{};
    QPushButton* cmdView;
    QPushButton* cmdClose;
};

} // namespace qor
