#include "sound/TfrmNewCD.h"

#include "sound/CdRegister.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qor {

TfrmNewCD::TfrmNewCD(std::string identity, std::string userFolder, const QString& title,
                     const QString& artist, QWidget* parent)
    : QDialog(parent),
      identity_(std::move(identity)),
      userFolder_(std::move(userFolder)),
      title_(title),
      artist_(artist) {
    setObjectName(QStringLiteral("frmNewCD"));
    setWindowTitle(QStringLiteral("CDの登録"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* banner = ui::banner(QStringLiteral("ここでは、CDの登録を行います"), this);
    auto* lblTitle = new QLabel(QStringLiteral("タイトル名"), this);
    txtTitle = new QLineEdit(this);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtTitle->setMinimumWidth(280);
    lblTitle->setBuddy(txtTitle);
    auto* lblArtist = new QLabel(QStringLiteral("アーティスト名"), this);
    txtArtist = new QLineEdit(this);
    txtArtist->setObjectName(QStringLiteral("txtArtist"));
    lblArtist->setBuddy(txtArtist);

    cmdRegister = new QPushButton(QStringLiteral("登録 (&U)"), this);
    cmdRegister->setObjectName(QStringLiteral("cmdRegister"));
    cmdRegister->setDefault(true);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->addWidget(lblTitle, 0, 0);
    grid->addWidget(txtTitle, 0, 1);
    grid->addWidget(lblArtist, 1, 0);
    grid->addWidget(txtArtist, 1, 1);
    auto* buttons = ui::buttonRow({cmdRegister, cmdClose});
    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 10);
    body->addLayout(grid);
    body->addSpacing(6);
    body->addLayout(buttons);
    ui::layOutUnderHeading(this, banner, body, nullptr, ui::WindowSize::Fixed);

    connect(cmdRegister, &QPushButton::clicked, this, &TfrmNewCD::cmdRegisterClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmNewCD::cmdCloseClick);
}

void TfrmNewCD::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmNewCD::FormShow() {
    txtTitle->setText(title_);
    txtArtist->setText(artist_);
    txtTitle->setFocus();
    txtTitle->selectAll();
}

void TfrmNewCD::cmdRegisterClick() {
    std::optional<std::string> title = ui::fromQOrWarn(this, txtTitle->text());
    if (!title) return;
    std::optional<std::string> artist = ui::fromQOrWarn(this, txtArtist->text());
    if (!artist) return;
    CdRegister cds(userFolder_);
    if (FileStatus status = cds.enter(identity_, *title, *artist); !status) {
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    registered_ = true;
    registeredTitle_ = txtTitle->text();
    registeredArtist_ = txtArtist->text();
    ui::platform().showMessage(this, QStringLiteral("ＣＤタイトル ： ") + registeredTitle_ +
                                         QStringLiteral("\nアーティスト ： ") + registeredArtist_ +
                                         QStringLiteral("\n\nを登録しました"));
}

void TfrmNewCD::cmdCloseClick() {
    reject();
}

void TfrmNewCD::done(int result) {
    // Every way of closing empties both fields.
    txtTitle->clear();
    txtArtist->clear();
    QDialog::done(result);
}

} // namespace qor
