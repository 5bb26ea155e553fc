#pragma once
// Commands to the companion program: "ANI;" + a number asks for an animation, "VEXA;" +
// English text asks for speech. The program sends and never reads anything back; the
// companion reads them with parseCommand().

#include <string>
#include <string_view>

namespace qor {

// Where command texts go (the companion's local socket, through the window-system layer).
class CommandSink {
public:
    virtual ~CommandSink() = default;
    virtual void deliver(const std::string& cp932Command) = 0;
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
// "POS;" + right + ";" + bottom + ";" + window: the main window's frame ends at (right,
// bottom) (one past its last pixel, as the settings file's "left" and "top"), and the
// window system knows it by the number `window` (0: unknown). Sent whenever the window
// moves or changes its size, so that the companion stays at its corner.
std::string placeAt(int right, int bottom, unsigned long long window);

// A command as the companion understands it.
struct Command {
    enum Kind { Unknown, Animation, Speech, Place };
    Kind kind = Unknown;
    int animation = 0;      // the number of "ANI;n"
    std::string text;       // what to speak, CP932, without "VEXA;" and "emp"
    bool emphasis = false;  // "VEXA;emp" + a capital letter: spoken with emphasis
    int right = 0;          // "POS;": the main window's corner and its window
    int bottom = 0;
    unsigned long long window = 0;
};
Command parseCommand(std::string_view command);
} // namespace companion

class CompanionChannel {
public:
    explicit CompanionChannel(CommandSink& sink) : sink_(sink) {}
    // Sends the command as it stands; line breaks would split it, so they are dropped.
    void send(std::string_view command) const;

private:
    CommandSink& sink_;
};

} // namespace qor
