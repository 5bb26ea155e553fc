// The companion's reader of its channel on any bytes, as a process of the same user could
// send them: what the program sends passes as one line, every command understood is read
// back the same from the text the program itself would send for it, and speech becomes
// UTF-8 that eSpeak NG can take.

#include "base/Cp932.h"
#include "fuzz/FuzzInput.h"
#include "sound/CompanionChannel.h"

#include <string>

using namespace qor;
using companion::Command;

namespace {

class LastLine : public CommandSink {
public:
    std::string line;
    void deliver(const std::string& cp932Command) override { line = cp932Command; }
};

// The text the program sends for a command.
std::string sent(const Command& c) {
    switch (c.kind) {
    case Command::Animation:
        return "ANI;" + std::to_string(c.animation);
    case Command::Speech:
        return companion::speak((c.emphasis ? "emp" : "") + c.text);
    case Command::Place:
        return companion::placeAt(c.right, c.bottom, c.window);
    case Command::Unknown:
        break;
    }
    return {};
}

bool same(const Command& a, const Command& b) {
    return a.kind == b.kind && a.animation == b.animation && a.text == b.text &&
           a.emphasis == b.emphasis && a.right == b.right && a.bottom == b.bottom &&
           a.window == b.window;
}

bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3
                                           : (b >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
        }
        i += n;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::string bytes(in.rest());

    // What the program sends never splits into two lines at the companion.
    LastLine sink;
    CompanionChannel(sink).send(bytes);
    FUZZ_CHECK(sink.line.find_first_of("\r\n") == std::string::npos);
    std::string kept;
    for (char c : bytes) {
        if (c != '\r' && c != '\n') kept += c;
    }
    FUZZ_CHECK(sink.line == kept);

    // Each line as the companion reads it.
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view line = std::string_view(bytes).substr(start, end - start);
        const Command c = companion::parseCommand(line);
        if (c.kind != Command::Unknown)
            FUZZ_CHECK(same(companion::parseCommand(sent(c)), c));
        else
            FUZZ_CHECK(line.substr(0, 5) != "VEXA;");  // any text can be spoken
        if (c.kind == Command::Speech) {
            FUZZ_CHECK(validUtf8(toUtf8(c.text)));
        }
        start = end + 1;
    }
    return 0;
}
