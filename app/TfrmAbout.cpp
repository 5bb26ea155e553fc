#include "app/TfrmAbout.h"

#include "app/ProgramInfo.h"
#include "app/ShellOpen.h"
#include "app/ToolbarIcons.h"
#include "ui/DialogFrame.h"
#include "ui/HoverLabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TfrmAbout::TfrmAbout(const UserFiles& files, QWidget* parent)
    : QDialog(parent), programFolder_(files.dataFolder()) {
    setWindowTitle(QStringLiteral("Qor Helperについて"));
    ui::setDialogFrame(this);

    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setPixmap(toolIcon(ToolIcon::Program).pixmap(48, 48));
    imgIcon->setAlignment(Qt::AlignTop);

    lblTitle = new QLabel(QStringLiteral("Qor Helper"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("ＭＳ Ｐ明朝"));
    titleFont.setPointSize(20);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(QString::fromLatin1(kVersionText), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblMessage = new QLabel(QStringLiteral("ご意見・御感想をこちらまでお願いします"), this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblAddress = new ui::HoverLabel(QStringLiteral("Qor Helper ホームページ"), this);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    lblAddress->setToolTip(QString::fromLatin1(kHomepage));
    lblAddress->setAccessibleName(QStringLiteral("ホームページ"));

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(12);
    text->addWidget(lblMessage);
    text->addWidget(lblAddress);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(imgIcon);
    top->addLayout(text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(cmdOk, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblAddress, &ui::HoverLabel::clicked, this, &TfrmAbout::lblAddressClick);
    cmdOk->setFocus();
}

void TfrmAbout::lblAddressClick() {
    openHomepage(this, programFolder_);
}

} // namespace qor
