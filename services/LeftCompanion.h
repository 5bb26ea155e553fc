#pragma once
// A companion left behind: one that a program of this user started (its command line
// names the channel after "--channel" and that program's process after "--owner") and
// that outlived it (the program was killed before it could ask it to end). It would hold the channel for good and make every later
// companion give up at once. It is found over the channel's socket, whose peer is the
// listening process, and asked to end as any program is (SIGTERM); one that does not end
// within a few seconds is killed.

#include <QString>

namespace ui {

// The process listening on the channel when it is a companion left behind; 0 otherwise
// (nobody, another user's program, a program that is no companion, or the companion of
// a program that still runs).
qint64 leftCompanionOn(const QString& channel);

// Ends the companion left on the channel, if there is one, and waits until the channel
// is free. true when one was ended.
bool closeLeftCompanion(const QString& channel);

// The same for the channel the companion uses (nothing when it has no safe place).
bool closeLeftCompanion();

} // namespace ui
