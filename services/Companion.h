#pragma once
// The companion program this program started, and the channel to it. Commands go to that
// process alone: while it starts they wait (the last few), a channel that died under it
// (the program failed or was killed, its socket went) makes it start once more, and a
// channel held by any other program is reported once and never used. A companion that
// ends well by itself (closed from its menu) is left closed.

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <memory>

class QWidget;

namespace ui {

class Companion : public QObject {
    Q_OBJECT
public:
    // Boxes open over `window`.
    explicit Companion(QWidget* window);
    ~Companion() override;
    Companion(const Companion&) = delete;
    Companion& operator=(const Companion&) = delete;

    // Starts `program` with `arguments` followed by "--channel" and the channel and
    // "--owner" and this program's process id. A companion left on the channel by a
    // program that has ended is asked to end first. False, with the learner told, when
    // there is no safe channel, another program holds it, or the program does not start.
    bool start(const QString& program, const QStringList& arguments,
               const QString& workingDirectory);
    // Asks the companion to end; one still there after a second is killed.
    void end();

    // The running companion, nullptr when none runs.
    QProcess* process() const { return process_.get(); }
    const QString& channel() const { return channel_; }
    // Sends one command (CP932, no line end). It waits while the companion starts.
    void send(const QByteArray& cp932Command);
    // Where the companion stands ("POS;..."): only the latest counts. It goes as soon as
    // the companion listens, and again to a companion started once more.
    void place(const QByteArray& cp932Command);

    // Checks a starting companion gets to open its channel, kCheckMs apart, before it
    // counts as dead.
    void setPatience(int checks) { patience_ = checks; }
    static constexpr int kCheckMs = 50;
    static constexpr int kDefaultPatience = 200;
    // Commands kept while the companion starts; older ones are dropped.
    static constexpr std::size_t kMaxWaiting = 16;

    // The companion commands go to: the latest made that still exists.
    static Companion* current();

private:
    enum class State { Idle, Starting, Ready, Stopped };
    bool launch();
    void stopProcess();
    void pump();
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void restart();
    void giveUp(const QString& text);
    QString takenText(const QString& reason) const;

    QWidget* window_;
    State state_ = State::Idle;
    std::unique_ptr<QProcess> process_;
    QString program_;
    QStringList arguments_;
    QString workingDirectory_;
    QString channel_;
    std::deque<QByteArray> waiting_;
    QByteArray placement_;
    bool placementDue_ = false;
    QTimer retry_;
    int checks_ = 0;
    int patience_ = kDefaultPatience;
    bool restarted_ = false; // started once more; cleared when it took a command
    bool told_ = false;
};

} // namespace ui
