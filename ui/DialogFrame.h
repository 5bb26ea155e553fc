#pragma once
// The frame of a fixed-size dialog on Linux desktops: a title and a close button only,
// no minimise or maximise button (window managers read these hints; the fixed-size hint
// of another platform does nothing here). The dialog's layout fits it to its content.

class QWidget;

namespace ui {

// withClose false: no frame button at all, for a window left only by its own buttons.
void setDialogFrame(QWidget* dialog, bool withClose = true);

} // namespace ui
