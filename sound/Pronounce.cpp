#include "sound/Pronounce.h"

#include "sound/CompanionChannel.h"
#include "ui/Platform.h"
#include "ui/Text.h"

namespace ui {

namespace {

class PlatformSink final : public qor::CommandSink {
public:
    void deliver(const std::string& cp932Command) override {
        platform().sendToCompanion(toQ(cp932Command));
    }
};

} // namespace

void sendCompanionCommand(std::string_view cp932Command) {
    PlatformSink sink;
    qor::CompanionChannel(sink).send(cp932Command);
}

void pronounce(const qor::VoiceRequest& request) {
    switch (request.kind) {
    case qor::VoiceRequest::Kind::WaveFile:
        platform().playWave(toQ(request.what));
        break;
    case qor::VoiceRequest::Kind::Companion:
        sendCompanionCommand(request.what);
        break;
    case qor::VoiceRequest::Kind::None:
        break;
    }
}

} // namespace ui
