#include "ui/PlatformClipboard.h"

#include "ui/Platform.h"
#include "ui/Text.h"

namespace ui {

bool PlatformClipboard::setClipboardText(const std::string& cp932) {
    if (platform().setClipboardText(toQ(cp932)))
        return true;
    platform().showNotice(nullptr, QStringLiteral("クリップボードを開けませんでした"),
                          QStringLiteral("エラー"), kNoticeWarning);
    return false;
}

} // namespace ui
