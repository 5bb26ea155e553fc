#include "settings/TfrmUser.h"

#include "ui/DialogFrame.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TfrmUser::TfrmUser(const UserRegistry& registry, const std::string& currentUser, bool firstStart,
                   QWidget* parent)
    : QDialog(parent), registry_(registry), firstStart_(firstStart) {
    setWindowTitle(QStringLiteral("ユーザーの選択"));
    ui::setDialogFrame(this);

    auto* label = new QLabel(QStringLiteral("ユーザーの指定 （初めての場合は名前を記入）"), this);
    cboUserName = new QComboBox(this);
    cboUserName->setObjectName(QStringLiteral("cboUserName"));
    cboUserName->setEditable(true);
    cboUserName->setInsertPolicy(QComboBox::NoInsert);
    cboUserName->setMinimumWidth(260);
    label->setBuddy(cboUserName);
    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);
    chkNotShow = new QCheckBox(QStringLiteral("次の起動時には表示しない (&N)"), this);
    chkNotShow->setObjectName(QStringLiteral("chkNotShow"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(cboUserName);
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    layout->addWidget(chkNotShow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (const std::string& name : registry_.users())
        cboUserName->addItem(ui::toQ(name));
    cboUserName->setCurrentIndex(-1);
    // The "no user yet" value (a single space) would only be typed after by mistake.
    cboUserName->setEditText(userNameProblem(currentUser) ? QString() : ui::toQ(currentUser));
    cboUserName->lineEdit()->selectAll();

    connect(cmdOk, &QPushButton::clicked, this, &TfrmUser::cmdOkClick);
    ui::onToggled(chkNotShow, this, &TfrmUser::chkNotShowClick);
}

void TfrmUser::cmdOkClick() {
    QString text = cboUserName->currentText();
    if (text.isEmpty()) {
        ui::platform().showMessage(this, QStringLiteral("ユーザー名が選択 / 記入されていません"));
        return;
    }
    std::optional<std::string> name = ui::fromQOrWarn(this, text);
    if (!name)
        return;
    if (auto problem = userNameProblem(*name)) {
        ui::platform().showMessage(this, ui::toQ(*problem));
        return;
    }
    if (firstStart_ && showUserCleared_) {
        if (FileStatus status = registry_.setShowUser(0); !status)
            ui::showFileError(this, status.path(), status.reason());
    }
    if (FileStatus status = registry_.select(*name); !status)
        ui::showFileError(this, status.path(), status.reason());
    chosenName_ = *name;
    accept();
}

void TfrmUser::chkNotShowClick() {
    // Either way the dialog stops opening at start; only the settings dialog turns
    // the several-users mode back on.
    showUserCleared_ = true;
    // At the first start OK stores it: a dialog closed without OK writes nothing.
    if (!firstStart_) {
        if (FileStatus status = registry_.setShowUser(0); !status)
            ui::showFileError(this, status.path(), status.reason());
    }
    chkNotShow->setToolTip(chkNotShow->isChecked()
                               ? QStringLiteral("解除するには、基本設定の『複数のユーザーで使用する』をチェックします")
                               : QString());
}

} // namespace qor
