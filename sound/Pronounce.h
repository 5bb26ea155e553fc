#pragma once
// What the windows send to the companion and how they pronounce a word: both go through
// the platform (ui::Platform), so the windows need neither the sound device nor the
// companion's channel.

#include "sound/Voice.h"

#include <string_view>

namespace ui {

// Sends a command (CP932) through the platform; line breaks are dropped.
void sendCompanionCommand(std::string_view cp932Command);

// Pronounces a word as the request says: its wave file, or the companion's speech.
void pronounce(const qor::VoiceRequest& request);

} // namespace ui
