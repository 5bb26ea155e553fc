#pragma once
// Model text (CP932 bytes) to and from the screen's QString.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

class QAbstractButton;
class QWidget;

namespace ui {

QString toQ(std::string_view cp932);
// nullopt when the text holds a character that CP932 cannot hold.
std::optional<std::string> fromQ(const QString& text);

// The first character of text that CP932 cannot hold, empty when there is none.
QString firstUnencodable(const QString& text);

// Reads a typed text for the model; when CP932 cannot hold it, tells the learner which
// character cannot be used (in a warning box captioned "エラー") and returns nullopt.
std::optional<std::string> fromQOrWarn(QWidget* parent, const QString& text);

// The warning box for a file that cannot be read or written: the path and the reason,
// captioned "エラー".
void showFileError(QWidget* parent, const std::string& cp932Path, const std::string& reason);

// The same for a file the learner chose to save into that cannot be opened or written:
// "ファイルを開くことができませんでした。\n指定したファイルが存在するか確かめて、再度｢保存｣を押
// してください", then the path and the reason.
void showOpenForSaveFailure(QWidget* parent, const std::string& cp932Path, const std::string& reason);

// A caption the learner set (the word types' captions of Setup.ini), cut at the end to
// the width of ten full-width characters so that a very long one cannot widen its window;
// a cut caption is whole in the button's tooltip.
void setUserCaption(QAbstractButton* button, const QString& caption);

} // namespace ui
