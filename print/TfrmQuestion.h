#pragma once
// "問題文の設定": the four question texts that the test sheet appends to each shown word.

#include <QDialog>
#include <array>
#include <string>

class QLineEdit;
class QPushButton;

namespace qor {

class TfrmQuestion : public QDialog {
    Q_OBJECT
public:
    // texts: the maker's Question_Type1 to Question_Type4 (CP932), replaced by OK.
    explicit TfrmQuestion(std::array<std::string, 4>& texts, QWidget* parent = nullptr);

public slots:
    void FormShow();
    // Copies the four texts back and closes; a text that Shift-JIS cannot hold is refused
    // and the window stays open.
    void cmdOkClick();
    void cmdCancelClick();

private:
    std::array<std::string, 4>& texts_;
    std::array<QLineEdit*, 4> txtType_{};
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
};

} // namespace qor
