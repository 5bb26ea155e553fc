#include "sound/CompanionChannel.h"

#include <algorithm>
#include <charconv>

namespace qor {

std::string companion::speak(std::string_view english) {
    return "VEXA;" + std::string(english);
}

std::string companion::placeAt(int right, int bottom, unsigned long long window) {
    return "POS;" + std::to_string(right) + ";" + std::to_string(bottom) + ";" +
           std::to_string(window);
}

namespace {

// The numbers of a command, separated by ";", each whole; false when one is not.
template <class... T>
bool parseNumbers(std::string_view text, T&... numbers) {
    bool ok = true;
    auto one = [&](auto& n) {
        if (!ok) return;
        const std::size_t end = std::min(text.find(';'), text.size());
        std::string_view part = text.substr(0, end);
        auto [stop, error] = std::from_chars(part.data(), part.data() + part.size(), n);
        ok = !part.empty() && error == std::errc() && stop == part.data() + part.size();
        text.remove_prefix(end == text.size() ? end : end + 1);
    };
    (one(numbers), ...);
    return ok && text.empty();
}

} // namespace

companion::Command companion::parseCommand(std::string_view command) {
    Command c;
    if (command.substr(0, 4) == "POS;") {
        if (parseNumbers(command.substr(4), c.right, c.bottom, c.window)) c.kind = Command::Place;
        return c;
    }
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
