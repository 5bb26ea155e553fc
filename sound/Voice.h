#pragma once
// How a word is pronounced, by "VoiceType": 0 plays its wave file from the voice folder
// ("HatsuonDir" + the English word + ".wav"), 1 has the companion speak it ("VEXA;" +
// the word); any other value plays nothing. The one rule of the drill, the error review
// and the search results.

#include <string>
#include <string_view>

namespace qor {

struct VoiceRequest {
    enum class Kind { None, WaveFile, Companion };
    Kind kind = Kind::None;
    std::string what;  // the wave file's path, or the companion's command (CP932)
};

VoiceRequest voiceFor(int voiceType, std::string_view voiceFolder, std::string_view english);

} // namespace qor
