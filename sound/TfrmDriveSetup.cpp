#include "sound/TfrmDriveSetup.h"

#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TfrmDriveSetup::TfrmDriveSetup(const QString& drive, const QStringList& drives, QWidget* parent)
    : QDialog(parent), driveOnEntry_(drive), driveChosen_(drive) {
    setObjectName(QStringLiteral("frmDriveSetup"));
    setWindowTitle(QStringLiteral("ドライブの設定"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* banner = ui::banner(QStringLiteral("ここでは、CDドライブの設定を行います"), this);
    auto* text = new QLabel(
        QStringLiteral("CDが再生できない方は、ここで音楽CDが入っているドライブ名を指定してください。"),
        this);
    text->setWordWrap(true);
    auto* lblDrive = new QLabel(QStringLiteral("ドライブの指定 ： "), this);
    cboDriveName = new QComboBox(this);
    cboDriveName->setObjectName(QStringLiteral("cboDriveName"));
    cboDriveName->setEditable(true);
    cboDriveName->setInsertPolicy(QComboBox::NoInsert);
    cboDriveName->addItems(drives);
    cboDriveName->setEditText(drive);
    cboDriveName->setMinimumWidth(220);
    lblDrive->setBuddy(cboDriveName);

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(lblDrive);
    row->addWidget(cboDriveName, 1);
    auto* buttons = ui::buttonRow({cmdOk, cmdCancel});
    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 10);
    body->addWidget(text);
    body->addSpacing(6);
    body->addLayout(row);
    body->addSpacing(8);
    body->addLayout(buttons);
    ui::layOutUnderHeading(this, banner, body, nullptr, ui::WindowSize::Fixed);
    // The text wraps at a width that keeps the window of a usual size.
    text->setFixedWidth(360);
    banner->setFixedWidth(384);

    connect(cmdOk, &QPushButton::clicked, this, &TfrmDriveSetup::cmdOkClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmDriveSetup::cmdCancelClick);
}

void TfrmDriveSetup::cmdOkClick() {
    QString chosen = cboDriveName->currentText().trimmed();
    // The drive is written to Setup.ini: a name Shift-JIS cannot hold is refused.
    if (!ui::fromQOrWarn(this, chosen)) return;
    driveChosen_ = chosen;
    ui::platform().showMessage(this, driveOnEntry_ + QStringLiteral(" は、") + driveChosen_ +
                                         QStringLiteral(" に変更されました\nOKを押したあと、"
                                                        "CD-ROMを入れ直してください"));
    accept();
}

void TfrmDriveSetup::cmdCancelClick() {
    driveChosen_ = driveOnEntry_;
    reject();
}

} // namespace qor
