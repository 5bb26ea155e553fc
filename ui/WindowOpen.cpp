#include "ui/WindowOpen.h"

#include "ui/Platform.h"

#include <exception>

namespace ui {

void showWindowFailure(QWidget* parent, const QString& windowName) {
    platform().showNotice(parent,
                          windowName + QStringLiteral("ダイアログの表示に失敗しました。\n"
                                                      "Qor Helperを再起動してください。"),
                          QStringLiteral("エラー"), kNoticeWarning);
}

bool openWindow(QWidget* parent, const QString& windowName,
                const std::function<void()>& createAndShow) {
    try {
        createAndShow();
        return true;
    } catch (const std::exception&) {
        // Out of memory or resources while building the window: the drill goes on.
    }
    showWindowFailure(parent, windowName);
    return false;
}

} // namespace ui
