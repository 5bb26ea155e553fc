#include "app/ShellOpen.h"

#include "app/ProgramInfo.h"
#include "base/ErrorText.h"
#include "base/TextFile.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <cerrno>
#include <string_view>

namespace qor {

bool openDocument(QWidget* parent, const std::string& cp932Path) {
    if (cp932Path.empty() || !(fileExists(cp932Path) || folderExists(cp932Path))) {
        ui::showFileError(parent, cp932Path, errorText(ENOENT));
        return false;
    }
    if (ui::platform().openWithAssociatedProgram(QString::fromStdString(nativePath(cp932Path))))
        return true;
    ui::platform().showNotice(
        parent,
        ui::toQ(cp932Path) +
            QStringLiteral("\nこのファイルを開くプログラムが見つかりませんでした。"),
        QStringLiteral("エラー"), ui::kNoticeWarning);
    return false;
}

bool openHomepage(QWidget* parent, const std::string& programFolder) {
    std::string_view address = kHomepage;
    if (address.find("://") != std::string_view::npos) {
        if (ui::platform().openWithAssociatedProgram(QString::fromLatin1(kHomepage))) return true;
        ui::platform().showNotice(
            parent,
            QString::fromLatin1(kHomepage) +
                QStringLiteral("\nホームページを開くことができませんでした。"),
            QStringLiteral("エラー"), ui::kNoticeWarning);
        return false;
    }
    return openDocument(parent, programFolder + std::string(address));
}

} // namespace qor
