#include "settings/UserSelection.h"

#include "base/TextFile.h"
#include "settings/TfrmUser.h"
#include "ui/Platform.h"
#include "ui/Text.h"

namespace qor {

bool selectUserAtStartup(QWidget* parent, const UserRegistry& registry, TUserSettings& settings) {
    StartupState state = registry.readStartup();
    settings.ShowUser = state.showUser == 1;
    settings.UserName = state.lastUser;

    if (state.firstStart) {
        ui::platform().showNotice(
            parent,
            QStringLiteral("この度は、Qor Helperをご使用いただきありがとうございます m(._.)m\n\n"
                           "まず最初に、ユーザー名を指定する必要があります\n"
                           "次に表示されるダイアログで、ユーザー名を記入し\"OK\"を押してください\n"
                           "（次回からこのウインドウは表示されません）"),
            QStringLiteral("Qor Helper"), ui::kNoticeInformation);
    }

    // A last user that cannot name a folder (never chosen, or edited by hand) cannot be
    // started with directly.
    const std::optional<std::string> lastUserProblem = userNameProblem(state.lastUser);
    const bool lastUserUsable = !lastUserProblem;
    // A name that was stored (edited into User.ini by hand, or from an older version) but
    // cannot be used is not dropped without a word.
    const bool noUserYet = state.lastUser.find_first_not_of(' ') == std::string::npos;
    if (!state.firstStart && !lastUserUsable && !noUserYet) {
        ui::platform().showNotice(
            parent,
            QStringLiteral("前回のユーザー名「%1」は使用できません。\n%2\n\n"
                           "次に表示されるダイアログで、ユーザー名を選択 / 記入してください。")
                .arg(ui::toQ(state.lastUser), ui::toQ(*lastUserProblem)),
            QStringLiteral("Qor Helper"), ui::kNoticeWarning);
    }
    if (!settings.ShowUser && !state.firstStart && lastUserUsable) {
        if (FileStatus status = registry.countLaunch(settings.UserName); !status)
            ui::showFileError(parent, status.path(), status.reason());
        makeFolder(settings.userFolder());
        return true;
    }

    TfrmUser dialog(registry, settings.UserName, state.firstStart, parent);
    bool chosen = ui::platform().showModal(dialog) == QDialog::Accepted;
    if (dialog.showUserCleared())
        settings.ShowUser = false;
    if (chosen) {
        settings.UserName = dialog.chosenName();
        return true;
    }
    // Closed without OK: carry on with the last user when there is one.
    if (state.firstStart || !lastUserUsable)
        return false;
    makeFolder(settings.userFolder());
    return true;
}

} // namespace qor
