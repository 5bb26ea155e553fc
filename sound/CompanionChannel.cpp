#include "sound/CompanionChannel.h"

namespace qor {

std::string companion::speak(std::string_view english) {
    return "VEXA;" + std::string(english);
}

bool CompanionChannel::send(std::string_view command) const {
    std::string text;
    text.reserve(command.size());
    for (char c : command) {
        if (c != '\r' && c != '\n')
            text += c;
    }
    return sink_.setClipboardText(text);
}

} // namespace qor
