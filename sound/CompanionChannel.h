#pragma once
// Commands to the companion program, which watches the clipboard: a command is sent by
// replacing the clipboard's text with it. Nothing is read back.

#include <string>
#include <string_view>

namespace qor {

// Where command texts go (the clipboard, through the window-system layer).
class ClipboardSink {
public:
    virtual ~ClipboardSink() = default;
    // false when the clipboard could not be set.
    virtual bool setClipboardText(const std::string& cp932) = 0;
};

namespace companion {
inline constexpr std::string_view kRight = "ANI;1";
inline constexpr std::string_view kWrong = "ANI;2";
inline constexpr std::string_view kSearch = "ANI;5";
inline constexpr std::string_view kVersion = "ANI;9";
inline constexpr std::string_view kAccepted = "ANI;13";
inline constexpr std::string_view kTick = "ANI;14";
inline constexpr std::string_view kCongratulation = "VEXA;empCongratulation!";
// "VEXA;" + the English text to be spoken.
std::string speak(std::string_view english);
} // namespace companion

class CompanionChannel {
public:
    explicit CompanionChannel(ClipboardSink& sink) : sink_(sink) {}
    // Sends the command as it stands; line breaks would split it, so they are dropped.
    bool send(std::string_view command) const;

private:
    ClipboardSink& sink_;
};

} // namespace qor
