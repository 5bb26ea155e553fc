#include "vexa/Speech.h"

#include <SDL.h>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <cstring>

namespace vexa {

namespace {

// eSpeak NG hands the samples of the synchronous synthesis to this callback.
std::vector<std::int16_t>* collecting = nullptr;

int collect(short* wav, int count, espeak_EVENT*) {
    if (wav && collecting && count > 0) collecting->insert(collecting->end(), wav, wav + count);
    return 0;
}

std::string escapeXml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

// eSpeak NG is one synthesizer per process, set up once and kept: set up again after
// espeak_ng_Terminate it does not come back. Empty when it was set up.
const std::string& setUpSynthesizer() {
    static const std::string failure = []() -> std::string {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        if (status != ENS_OK) {
            char text[512];
            espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
            espeak_ng_ClearErrorContext(&context);
            return text;
        }
        if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
            return "eSpeak NG has no synchronous output";
        espeak_SetSynthCallback(collect);
        if (espeak_ng_SetVoiceByName("en") != ENS_OK) return "eSpeak NG has no English voice";
        return {};
    }();
    return failure;
}

} // namespace

Speech::Speech() {
    error_ = setUpSynthesizer();
    if (!error_.empty()) return;
    sampleRate_ = espeak_ng_GetSampleRate();
    ready_ = sampleRate_ > 0;
}

Speech::~Speech() = default;

std::vector<std::int16_t> Speech::synthesize(const std::string& utf8, bool emphasis) {
    std::vector<std::int16_t> samples;
    if (!ready_ || utf8.empty()) return samples;
    unsigned flags = espeakCHARS_UTF8;
    std::string text = utf8;
    if (emphasis) {
        text = "<speak><emphasis level=\"strong\">" + escapeXml(utf8) + "</emphasis></speak>";
        flags |= espeakSSML;
    }
    collecting = &samples;
    espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, flags, nullptr,
                         nullptr);
    espeak_ng_Synchronize();
    collecting = nullptr;
    return samples;
}

SpeechOutput::~SpeechOutput() {
    close();
}

void SpeechOutput::close() {
    if (!device_) return;
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device_ = 0;
    idle_.reset();
}

bool SpeechOutput::busy() const {
    return device_ && SDL_GetQueuedAudioSize(device_) > 0;
}

bool SpeechOutput::closeIfIdle(std::chrono::steady_clock::time_point now) {
    if (!device_ || !idle_.quietLongEnough(busy(), now)) return false;
    close();
    return true;
}

bool SpeechOutput::play(const std::vector<std::int16_t>& samples, int sampleRate) {
    if (!device_ || rate_ != sampleRate) {
        close();
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            error_ = SDL_GetError();
            return false;
        }
        SDL_AudioSpec want{};
        want.freq = sampleRate;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = 1024;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
        if (!device_) {
            error_ = SDL_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        rate_ = sampleRate;
        SDL_PauseAudioDevice(device_, 0);
    }
    idle_.started();
    SDL_ClearQueuedAudio(device_);
    if (!samples.empty())
        SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size() * 2));
    return true;
}

void SpeechOutput::stop() {
    if (device_) SDL_ClearQueuedAudio(device_);
}

} // namespace vexa
