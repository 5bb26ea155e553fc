#include "sound/CompanionChannel.h"

#include <gtest/gtest.h>
#include <vector>

using namespace qor;

namespace {
struct RecordingClipboard : ClipboardSink {
    std::vector<std::string> texts;
    bool setClipboardText(const std::string& t) override {
        texts.push_back(t);
        return true;
    }
};
} // namespace

TEST(CompanionChannel, EachCommandReplacesTheClipboardTextWhole) {
    RecordingClipboard clipboard;
    CompanionChannel channel(clipboard);
    channel.send(companion::kRight);
    channel.send(companion::speak("run"));
    channel.send(companion::kCongratulation);
    channel.send(companion::speak("two\r\nlines"));
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"ANI;1", "VEXA;run",
                                                         "VEXA;empCongratulation!",
                                                         "VEXA;twolines"}));
}
