#pragma once
// The program's sound output closes a few seconds after the last sound (qor::audio::
// closeIfIdle): a timer of the window thread looks once a second while it is open.

#include <chrono>

namespace ui {

// Starts the looks when they are not running (after each use of the output).
void watchSoundOutput();
bool watchingSoundOutput();
// One look at `now`: closes the output when it has been quiet long enough, and ends the
// looks once it is closed. true while they go on.
bool lookAtSoundOutput(std::chrono::steady_clock::time_point now);

} // namespace ui
