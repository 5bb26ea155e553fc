#include "services/Companion.h"

#include "services/CompanionLink.h"
#include "services/LeftCompanion.h"
#include "ui/Platform.h"

#include <QCoreApplication>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

namespace ui {

namespace {
Companion* latest = nullptr;
} // namespace

Companion::Companion(QWidget* window) : window_(window) {
    latest = this;
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &Companion::pump);
}

Companion::~Companion() {
    end();
    if (latest == this) latest = nullptr;
}

Companion* Companion::current() {
    return latest;
}

bool Companion::start(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory) {
    end();
    state_ = State::Idle;
    const CompanionChannelPlace place = companionChannel();
    if (!place.problem.isEmpty()) {
        giveUp(place.problem);
        return false;
    }
    channel_ = place.name;
    // One left behind by a program that was killed would keep the channel from ours.
    closeLeftCompanion(channel_);
    // Nothing of ours listens yet: whatever is found there belongs to somebody else.
    if (QString problem = channelPathProblem(channel_); !problem.isEmpty()) {
        giveUp(takenText(problem));
        return false;
    }
    if (reachCompanion(channel_, -1) == Reach::Stranger) {
        giveUp(takenText(QStringLiteral("別のプログラムが待ち受けています。")));
        return false;
    }
    program_ = program;
    arguments_ = arguments;
    arguments_ << QStringLiteral("--channel") << channel_ << QStringLiteral("--owner")
               << QString::number(QCoreApplication::applicationPid());
    workingDirectory_ = workingDirectory;
    restarted_ = false;
    return launch();
}

bool Companion::launch() {
    process_ = std::make_unique<QProcess>();
    process_->setProgram(program_);
    process_->setArguments(arguments_);
    process_->setWorkingDirectory(workingDirectory_);
    // What it has to say about its channel is seen where this program's output goes.
    process_->setProcessChannelMode(QProcess::ForwardedChannels);
    // A companion left behind by this program's crash would keep the channel from the next
    // one; it ends with us.
    process_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    connect(process_.get(), &QProcess::finished, this, &Companion::processEnded);
    process_->start();
    if (!process_->waitForStarted(3000)) {
        const QString reason = process_->errorString();
        process_.reset();
        giveUp(QStringLiteral("音声用のプログラムを起動できませんでした。\n") + program_ +
               QStringLiteral("\n") + reason);
        return false;
    }
    state_ = State::Starting;
    checks_ = 0;
    // A companion started once more learns where to stand as the first did.
    placementDue_ = !placement_.isEmpty();
    if (!waiting_.empty() || placementDue_) retry_.start(kCheckMs);
    return true;
}

void Companion::end() {
    state_ = State::Stopped;
    waiting_.clear();
    placementDue_ = false;
    retry_.stop();
    stopProcess();
}

void Companion::stopProcess() {
    if (!process_) return;
    process_->disconnect(this);
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(1000)) {
            process_->kill();
            process_->waitForFinished(1000);
        }
    }
    process_.reset();
}

void Companion::send(const QByteArray& cp932Command) {
    if ((state_ != State::Starting && state_ != State::Ready) || !process_) return;
    if (state_ == State::Ready && waiting_.empty() && !placementDue_) {
        switch (reachCompanion(channel_, process_->processId(), cp932Command)) {
        case Reach::Delivered:
            restarted_ = false;
            return;
        case Reach::Dropped:
            return;
        case Reach::NobodyListens:
        case Reach::Stranger:
            break;
        }
        // What went wrong is sorted out from the event loop, not in the middle of the drill
        // that sent the command; the command waits for the outcome.
        waiting_.push_back(cp932Command);
        retry_.start(0);
        return;
    }
    waiting_.push_back(cp932Command);
    while (waiting_.size() > kMaxWaiting)
        waiting_.pop_front();
    if (!retry_.isActive()) retry_.start(state_ == State::Ready ? 0 : kCheckMs);
}

void Companion::place(const QByteArray& cp932Command) {
    placement_ = cp932Command;
    placementDue_ = true;
    if ((state_ == State::Starting || state_ == State::Ready) && process_ && !retry_.isActive())
        retry_.start(state_ == State::Ready ? 0 : kCheckMs);
}

void Companion::pump() {
    while ((placementDue_ || !waiting_.empty()) &&
           (state_ == State::Starting || state_ == State::Ready) && process_) {
        // The place goes before the words: the companion shows where it will speak.
        const bool placing = placementDue_;
        auto taken = [&] {
            if (placing)
                placementDue_ = false;
            else
                waiting_.pop_front();
        };
        switch (reachCompanion(channel_, process_->processId(),
                               placing ? placement_ : waiting_.front())) {
        case Reach::Delivered:
            state_ = State::Ready;
            restarted_ = false;
            taken();
            break;
        case Reach::Dropped:
            taken();
            break;
        case Reach::Stranger:
            giveUp(takenText(QStringLiteral("別のプログラムが待ち受けています。")));
            return;
        case Reach::NobodyListens:
            // A channel that went while the companion ran is dead; a starting companion
            // gets its time to open it.
            if (state_ == State::Ready || ++checks_ >= patience_) {
                restart();
                return;
            }
            retry_.start(kCheckMs);
            return;
        }
    }
}

void Companion::processEnded(int exitCode, QProcess::ExitStatus status) {
    if (state_ != State::Starting && state_ != State::Ready) return;
    // Still inside the process's own signal: it goes once the signal is over.
    process_.release()->deleteLater();
    // Another program listening on the channel would be why it ended.
    if (reachCompanion(channel_, -1) == Reach::Stranger) {
        giveUp(takenText(QStringLiteral("別のプログラムが待ち受けています。")));
        return;
    }
    if (status == QProcess::NormalExit && exitCode == 0) {
        // Closed from its own menu: the learner's wish, not a fault. The settings
        // dialog's OK starts it again.
        state_ = State::Stopped;
        waiting_.clear();
        placementDue_ = false;
        retry_.stop();
        return;
    }
    restart();
}

void Companion::restart() {
    if (restarted_) {
        giveUp(QStringLiteral("音声用のプログラムが応答しなくなりました。"
                              "起動し直しましたが、やはり応答がありません。\n") +
               program_);
        return;
    }
    restarted_ = true;
    stopProcess();
    launch();
}

void Companion::giveUp(const QString& text) {
    state_ = State::Stopped;
    waiting_.clear();
    placementDue_ = false;
    retry_.stop();
    stopProcess();
    if (told_) return;
    told_ = true;
    platform().showNotice(window_, text, QStringLiteral("エラー"), kNoticeWarning);
}

QString Companion::takenText(const QString& reason) const {
    return QStringLiteral("音声用のプログラムとの通信路が、ほかのプログラムに使われています。"
                          "安全のため、音声用のプログラムには何も送りません。\n") +
           channel_ + QStringLiteral("\n") + reason;
}

} // namespace ui
