#include "sound/CompanionChannel.h"

#include <charconv>

namespace qor {

std::string companion::speak(std::string_view english) {
    return "VEXA;" + std::string(english);
}

companion::Command companion::parseCommand(std::string_view command) {
    Command c;
    if (command.substr(0, 4) == "ANI;") {
        std::string_view digits = command.substr(4);
        int n = 0;
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (error == std::errc() && end == digits.data() + digits.size() && !digits.empty()) {
            c.kind = Command::Animation;
            c.animation = n;
        }
        return c;
    }
    if (command.substr(0, 5) == "VEXA;") {
        std::string_view text = command.substr(5);
        // "empCongratulation!" asks for emphasis; a word that merely begins with "emp"
        // ("empty", "employ") goes on with a small letter and is spoken as it stands.
        if (text.size() > 3 && text.substr(0, 3) == "emp" && text[3] >= 'A' && text[3] <= 'Z') {
            c.emphasis = true;
            text.remove_prefix(3);
        }
        c.kind = Command::Speech;
        c.text = std::string(text);
    }
    return c;
}

void CompanionChannel::send(std::string_view command) const {
    std::string text;
    text.reserve(command.size());
    for (char c : command) {
        if (c != '\r' && c != '\n')
            text += c;
    }
    sink_.deliver(text);
}

} // namespace qor
