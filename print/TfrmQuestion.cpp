#include "print/TfrmQuestion.h"

#include "ui/DialogFrame.h"
#include "ui/Panels.h"
#include "ui/Text.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TfrmQuestion::TfrmQuestion(std::array<std::string, 4>& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
    setWindowTitle(QStringLiteral("問題文の設定"));
    ui::setDialogFrame(this);

    // The fourth text is the one of choices from English to Japanese (Question_Type4).
    const char* headings[] = {
        "筆記形式／日本語から英語形式の場合の問題文",
        "筆記形式／英語から日本語形式の場合の問題文",
        "選択形式／日本語から英語形式の場合の問題文",
        "選択形式／英語から日本語形式の場合の問題文",
    };
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(4);
    for (int i = 0; i < 4; ++i) {
        auto* heading = new QLabel(QString::fromUtf8(headings[i]), this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        auto* lead = new QLabel(QStringLiteral("問題 + "), this);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("txtType%1").arg(i + 1));
        field->setMinimumWidth(300);
        field->setAccessibleName(QString::fromUtf8(headings[i]));
        lead->setBuddy(field);
        txtType_[static_cast<std::size_t>(i)] = field;
        // A gap row above every heading but the first.
        const int row = i * 3;
        if (i > 0)
            fields->setRowMinimumHeight(row - 1, 6);
        fields->addWidget(heading, row, 0, 1, 2);
        fields->addWidget(lead, row + 1, 0);
        fields->addWidget(field, row + 1, 1);
    }

    cmdOk_ = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setAutoDefault(false);
    auto* buttons = ui::buttonRow({cmdOk_, cmdCancel_});

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 10);
    body->setSpacing(10);
    body->addLayout(fields);
    body->addLayout(buttons);

    ui::layOutUnderHeading(
        this, ui::banner(QStringLiteral("ここでは、テスト用紙で表示する問題文を設定します"), this),
        body, nullptr, ui::WindowSize::Fixed);

    connect(cmdOk_, &QPushButton::clicked, this, &TfrmQuestion::cmdOkClick);
    connect(cmdCancel_, &QPushButton::clicked, this, &TfrmQuestion::cmdCancelClick);
    FormShow();
}

void TfrmQuestion::FormShow() {
    for (std::size_t i = 0; i < texts_.size(); ++i)
        txtType_[i]->setText(ui::toQ(texts_[i]));
}

void TfrmQuestion::cmdOkClick() {
    std::array<std::string, 4> typed;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        auto text = ui::fromQOrWarn(this, txtType_[i]->text());
        if (!text) {
            txtType_[i]->setFocus();
            return;
        }
        typed[i] = std::move(*text);
    }
    texts_ = std::move(typed);
    accept();
}

void TfrmQuestion::cmdCancelClick() {
    reject();
}

} // namespace qor
