#pragma once
// Opening a window that is created for one showing. A window that cannot be created or
// shown is reported by its name, "<name>ダイアログの表示に失敗しました。\nQor Helperを
// 再起動してください。" in a warning box captioned "エラー", and the program goes on.

#include <QString>
#include <functional>

class QWidget;

namespace ui {

// Tells the learner that the window of that name could not be shown.
void showWindowFailure(QWidget* parent, const QString& windowName);

// Runs `createAndShow` (which builds the window and shows it through the platform).
// False when it failed and the learner was told.
bool openWindow(QWidget* parent, const QString& windowName,
                const std::function<void()>& createAndShow);

} // namespace ui
