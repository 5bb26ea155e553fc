#pragma once
// The channel to the companion program: a local socket that the companion listens on,
// in a folder only this user can enter. Each command goes as one line of CP932 text on a
// connection of its own, and only to the companion this program started: the peer of
// every connection is checked (its user and its process) before a byte is written.
// Nothing is read back, and nothing waits for a companion that is not there.

#include <QByteArray>
#include <QString>

namespace ui {

// Where the channel lives, or why there is no safe place for it.
struct CompanionChannelPlace {
    QString name;    // the socket's path; empty when there is no safe place
    QString problem; // what is wrong, in Japanese, for the learner; empty when none
};

// The rules, with the folders given: the runtime folder when it is a folder of this
// user, not a link, and closed to everybody else; otherwise the folder
// "qor-helper-<uid>" in tempFolder, made private (0700) when missing, and refused when
// it is a link, not a folder, another user's, or open to group or others.
CompanionChannelPlace companionChannelIn(const QString& runtimeFolder, const QString& tempFolder);

// $QOR_COMPANION_CHANNEL as it stands when set (tests, a second installation);
// otherwise the rules above with $XDG_RUNTIME_DIR and the temporary folder.
CompanionChannelPlace companionChannel();
QString companionChannelName();

// Why the socket's path cannot be the companion's: something there that is a link,
// not a socket, or another user's. Empty when nothing is there or it is our own socket.
QString channelPathProblem(const QString& channel);

// The bytes of a command on the channel.
QByteArray companionBytes(const QString& command);

enum class Reach {
    Delivered,     // the companion took the line (or, without one, answered)
    Dropped,       // the line was lost to a companion too busy to take it
    NobodyListens, // no listener on the channel
    Stranger,      // a listener that is not the companion process of this user
};

// The credentials of the other end of a connected local socket: false when unknown.
bool peerOf(qintptr socketDescriptor, qint64* pid, unsigned* uid);

// Connects to the channel and, when its listener is process `companionPid` of this
// user, writes the command line (none for a mere check). Returns at once when nobody
// listens; a stranger gets no byte.
Reach reachCompanion(const QString& channel, qint64 companionPid,
                     const QByteArray& cp932Command = {});

// Hands a command to the companion this program started (ui::Companion); dropped when
// none runs.
void deliverToStartedCompanion(const QByteArray& cp932Command);

} // namespace ui
