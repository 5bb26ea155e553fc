#pragma once
// Files dropped on a window from the desktop. The window takes a drop whose first item
// is a local file (a web address is refused as it is dragged in) and hands the dropped
// addresses to its handler, its FormDropFiles; the handler takes the first file only.

#include <QList>
#include <QUrl>
#include <functional>

class QWidget;

namespace ui {

void acceptFileDrops(QWidget* window, std::function<void(const QList<QUrl>&)> handler);

} // namespace ui
