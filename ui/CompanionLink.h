#pragma once
// The channel to the companion program: a local socket that the companion listens on,
// under a name private to the user. Each command goes as one line of CP932 text on a
// connection of its own. Nothing is read back, and nothing waits for a companion that
// is not there.

#include "sound/Voice.h"

#include <QByteArray>
#include <QString>
#include <string_view>

namespace ui {

// $QOR_COMPANION_CHANNEL when set (tests, a second installation); otherwise a socket in
// the user's runtime folder ($XDG_RUNTIME_DIR), else in the temporary folder with the
// user's id in its name.
QString companionChannelName();

// The bytes of a command on the channel.
QByteArray companionBytes(const QString& command);

// Delivers one command to a companion listening on the channel; false, at once, when
// none listens.
bool deliverToCompanion(const QString& channel, const QByteArray& cp932Command);

// Sends a command (CP932) through the platform; line breaks are dropped.
void sendCompanionCommand(std::string_view cp932Command);

// Pronounces a word as the request says: its wave file, or the companion's speech.
void pronounce(const qor::VoiceRequest& request);

} // namespace ui
