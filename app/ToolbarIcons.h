#pragma once
// The pictures of the toolbar buttons, the program icon and the splash picture, all
// drawn here so that the program carries no image files of its own.

#include <QIcon>
#include <QPixmap>

namespace qor {

enum class ToolIcon {
    Help,
    Setup,
    Start,
    Result,
    Graph,
    Stop,
    Percent,
    Find,
    ErrorNum,
    ShowError,
    Version,
    Homepage,
    PlayVoice,
    History,
    SelectDic,
    PrintDic,
    MakeDic,
    NewText,
    Memo,
    Close,
    Program
};

QIcon toolIcon(ToolIcon kind);

// The splash picture, 367 x 139 pixels.
QPixmap titlePicture();

} // namespace qor
