#include "ui/WindowOpen.h"

#include "ui/Platform.h"

#include <exception>

namespace ui {

bool openWindow(QWidget* parent, const QString& windowName,
                const std::function<void()>& createAndShow) {
    try {
        createAndShow();
        return true;
    } catch (const std::exception&) {
        // Out of memory or resources while building the window: the drill goes on.
    }
    platform().showNotice(parent,
                          windowName + QStringLiteral("ダイアログの表示に失敗しました。\n"
                                                      "Qor Helperを再起動してください。"),
                          QStringLiteral("エラー"), kNoticeWarning);
    return false;
}

} // namespace ui
