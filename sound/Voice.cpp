#include "sound/Voice.h"

#include "sound/CompanionChannel.h"

namespace qor {

VoiceRequest voiceFor(int voiceType, std::string_view voiceFolder, std::string_view english) {
    switch (voiceType) {
    case 0:
        // The folder setting ends in "/": no separator is put in between.
        return {VoiceRequest::Kind::WaveFile, std::string(voiceFolder) + std::string(english) + ".wav"};
    case 1:
        return {VoiceRequest::Kind::Companion, companion::speak(english)};
    default:
        return {};
    }
}

} // namespace qor
