#include "tests/support/ScriptedPlatform.h"

#include "ui/Printing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>
#include <algorithm>
#include <gtest/gtest.h>

namespace qor::test {

namespace {
const char* kindName(PlatformCall::Kind k) {
    static const char* names[] = {"notice", "message", "input box", "open dialog",
                                  "save dialog", "folder dialog", "font dialog",
                                  "colour dialog", "modal window", "clipboard", "wave",
                                  "beep", "open path", "trash", "print", "companion command"};
    return names[k];
}
} // namespace

ScriptedPlatform::ScriptedPlatform() {
    previous_ = ui::setPlatform(this);
}

ScriptedPlatform::~ScriptedPlatform() {
    ui::setPlatform(previous_);
    for (const Answer& a : answers_)
        ADD_FAILURE() << "an answer for a " << kindName(a.kind) << " was never asked for";
}

ScriptedPlatform& ScriptedPlatform::answerNotice(ui::Button button) {
    Answer a;
    a.kind = PlatformCall::Notice;
    a.button = button;
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerMessage() {
    Answer a;
    a.kind = PlatformCall::Message;
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerInput(std::optional<QString> text) {
    Answer a;
    a.kind = PlatformCall::Input;
    a.text = std::move(text);
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerOpenFile(QString path) {
    Answer a;
    a.kind = PlatformCall::OpenFile;
    a.text = std::move(path);
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerSaveFile(QString path) {
    Answer a;
    a.kind = PlatformCall::SaveFile;
    a.text = std::move(path);
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerFolder(QString path) {
    Answer a;
    a.kind = PlatformCall::Folder;
    a.text = std::move(path);
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerFont(std::optional<QFont> font) {
    Answer a;
    a.kind = PlatformCall::Font;
    a.font = std::move(font);
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerColor(std::optional<QColor> color) {
    Answer a;
    a.kind = PlatformCall::Color;
    a.color = color;
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerModal(std::function<int(QDialog&)> drive) {
    Answer a;
    a.kind = PlatformCall::Modal;
    a.drive = std::move(drive);
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerTrash(bool confirmed) {
    Answer a;
    a.kind = PlatformCall::Trash;
    a.confirmed = confirmed;
    answers_.push_back(a);
    return *this;
}

ScriptedPlatform& ScriptedPlatform::answerPrint(QString pdfPath,
                                                std::function<void(int)> duringCopy) {
    Answer a;
    a.kind = PlatformCall::Print;
    a.text = std::move(pdfPath);
    a.duringCopy = std::move(duringCopy);
    a.confirmed = true;
    answers_.push_back(a);
    return *this;
}
ScriptedPlatform& ScriptedPlatform::answerPrintCancelled() {
    Answer a;
    a.kind = PlatformCall::Print;
    answers_.push_back(a);
    return *this;
}

std::vector<PlatformCall> ScriptedPlatform::callsOf(PlatformCall::Kind kind) const {
    std::vector<PlatformCall> out;
    for (const PlatformCall& c : calls_) {
        if (c.kind == kind)
            out.push_back(c);
    }
    return out;
}

QStringList ScriptedPlatform::clipboardTexts() const {
    QStringList out;
    for (const PlatformCall& c : callsOf(PlatformCall::Clipboard))
        out << c.text;
    return out;
}

QStringList ScriptedPlatform::boxTexts() const {
    QStringList out;
    for (const PlatformCall& c : calls_) {
        if (c.kind == PlatformCall::Notice || c.kind == PlatformCall::Message)
            out << c.text;
    }
    return out;
}

std::optional<ScriptedPlatform::Answer> ScriptedPlatform::take(PlatformCall::Kind kind,
                                                               const QString& what) {
    if (answers_.empty()) {
        if (!closeUnexpected_)
            ADD_FAILURE() << "unexpected " << kindName(kind) << ": " << what.toStdString();
        return std::nullopt;
    }
    Answer a = answers_.front();
    if (a.kind != kind) {
        ADD_FAILURE() << "expected a " << kindName(a.kind) << " but a " << kindName(kind)
                      << " appeared: " << what.toStdString();
        return std::nullopt;
    }
    answers_.pop_front();
    return a;
}

ui::Button ScriptedPlatform::showNotice(QWidget*, const QString& text, const QString& caption,
                                        int kind) {
    calls_.push_back({PlatformCall::Notice, text, caption, kind});
    auto a = take(PlatformCall::Notice, caption + QStringLiteral(": ") + text);
    if (kind == ui::kNoticeWarning || kind == ui::kNoticeInformation)
        return ui::Button::Ok;
    if (a)
        return a->button;
    return kind == ui::kNoticeOkCancel ? ui::Button::Cancel : ui::Button::No;
}

void ScriptedPlatform::showMessage(QWidget*, const QString& text) {
    calls_.push_back({PlatformCall::Message, text, {}});
    take(PlatformCall::Message, text);
}

std::optional<QString> ScriptedPlatform::inputBox(QWidget*, const QString& caption,
                                                  const QString& prompt, const QString& preset) {
    calls_.push_back({PlatformCall::Input, prompt, caption});
    Q_UNUSED(preset);
    auto a = take(PlatformCall::Input, prompt);
    return a ? a->text : std::nullopt;
}

QString ScriptedPlatform::openFileName(QWidget*, const QString& caption, const QString& filter,
                                       const QString& folder) {
    calls_.push_back({PlatformCall::OpenFile, caption, filter, -1, 0, folder});
    auto a = take(PlatformCall::OpenFile, filter);
    return a && a->text ? *a->text : QString();
}

QString ScriptedPlatform::saveFileName(QWidget*, const QString& caption, const QString& filter,
                                       const QString&, const QString& folder,
                                       ui::SaveMode mode) {
    calls_.push_back({PlatformCall::SaveFile, caption, filter, -1, 0, folder, mode});
    auto a = take(PlatformCall::SaveFile, filter);
    return a && a->text ? *a->text : QString();
}

QString ScriptedPlatform::folderName(QWidget*, const QString& caption, const QString&) {
    calls_.push_back({PlatformCall::Folder, caption, {}});
    auto a = take(PlatformCall::Folder, caption);
    return a && a->text ? *a->text : QString();
}

std::optional<QFont> ScriptedPlatform::chooseFont(QWidget*, const QFont& initial) {
    calls_.push_back({PlatformCall::Font, initial.family(), {}});
    auto a = take(PlatformCall::Font, initial.family());
    return a ? a->font : std::nullopt;
}

std::optional<QColor> ScriptedPlatform::chooseColor(QWidget*, const QColor& initial) {
    calls_.push_back({PlatformCall::Color, initial.name(), {}});
    auto a = take(PlatformCall::Color, initial.name());
    return a ? a->color : std::nullopt;
}

int ScriptedPlatform::showModal(QDialog& dialog) {
    QString name = QString::fromLatin1(dialog.metaObject()->className());
    calls_.push_back({PlatformCall::Modal, name, dialog.windowTitle()});
    auto a = take(PlatformCall::Modal, name + QStringLiteral(" ") + dialog.windowTitle());
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    QApplication::processEvents();
    int result = a && a->drive ? a->drive(dialog) : QDialog::Rejected;
    if (dialog.isVisible())
        dialog.done(result);
    return result;
}

bool ScriptedPlatform::setClipboardText(const QString& text) {
    calls_.push_back({PlatformCall::Clipboard, text, {}});
    return true;
}

void ScriptedPlatform::playWave(const QString& path) {
    calls_.push_back({PlatformCall::Wave, path, {}});
    if (realSound_) realSound_->playWave(path);
}

void ScriptedPlatform::beep() {
    calls_.push_back({PlatformCall::Beep, {}, {}});
}

bool ScriptedPlatform::openWithAssociatedProgram(const QString& pathOrUrl) {
    calls_.push_back({PlatformCall::OpenPath, pathOrUrl, {}});
    return true;
}

bool ScriptedPlatform::moveToTrash(QWidget*, const QString& path) {
    calls_.push_back({PlatformCall::Trash, path, {}});
    auto a = take(PlatformCall::Trash, path);
    return a && a->confirmed;
}

bool ScriptedPlatform::moveToTrashWithoutAsking(const QString& path) {
    calls_.push_back({PlatformCall::Trash, path, QStringLiteral("without asking")});
    if (trashFolder_.isEmpty())
        return false;
    return QFile::rename(path, QDir(trashFolder_).filePath(QFileInfo(path).fileName()));
}

ui::PrintOutcome ScriptedPlatform::printDocument(QWidget*, const QTextDocument& document,
                                                 const QString& title,
                                                 const QString& pdfFileName, int copies,
                                                 const std::function<void(int)>& beforeCopy) {
    PlatformCall call{PlatformCall::Print, title, pdfFileName};
    call.copies = copies;
    calls_.push_back(call);
    auto a = take(PlatformCall::Print, title);
    if (!a || !a->confirmed)
        return {};
    printed_ << document.toPlainText();
    auto announce = [&](int copy) {
        if (beforeCopy)
            beforeCopy(copy);
        if (a->duringCopy)
            a->duringCopy(copy);
    };
    if (a->text && !a->text->isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        ui::setUpPrinter(printer, title);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*a->text);
        return ui::printDocumentOn(printer, document, copies, announce);
    }
    ui::PrintOutcome outcome;
    outcome.result = ui::PrintOutcome::Printed;
    outcome.target = QStringLiteral("Scripted Printer");
    for (int copy = 1; copy <= copies; ++copy) {
        announce(copy);
        ++outcome.copies;
    }
    return outcome;
}

std::unique_ptr<ui::MediaPlayer> ScriptedPlatform::createMediaPlayer(ui::MediaKind kind) {
    if (realSound_) return realSound_->createMediaPlayer(kind);
    auto player = std::make_unique<ScriptedMediaPlayer>(*this, kind);
    players_.push_back(player.get());
    return player;
}

std::vector<ScriptedMediaPlayer*> ScriptedPlatform::players(ui::MediaKind kind) const {
    std::vector<ScriptedMediaPlayer*> out;
    for (ScriptedMediaPlayer* p : players_) {
        if (p->kind() == kind) out.push_back(p);
    }
    return out;
}

void ScriptedPlatform::forget(ScriptedMediaPlayer* player) {
    players_.erase(std::remove(players_.begin(), players_.end(), player), players_.end());
}

QStringList ScriptedPlatform::cdDrives() {
    if (realSound_) return realSound_->cdDrives();
    return drives_;
}

bool ScriptedPlatform::driveHasMedium(const QString& drive) {
    if (realSound_) return realSound_->driveHasMedium(drive);
    return discIn(drive).has_value();
}

std::optional<QString> ScriptedPlatform::discIn(const QString& drive) const {
    auto it = discs_.find(drive);
    if (it == discs_.end()) return std::nullopt;
    return *it;
}

void ScriptedPlatform::sendToCompanion(const QString& command) {
    calls_.push_back({PlatformCall::Companion, command, {}});
    if (deliverCompanion_) deliverCompanion_->sendToCompanion(command);
}

QStringList ScriptedPlatform::companionTexts() const {
    QStringList out;
    for (const PlatformCall& c : callsOf(PlatformCall::Companion))
        out << c.text;
    return out;
}

// --- ScriptedMediaPlayer ---

ScriptedMediaPlayer::~ScriptedMediaPlayer() {
    platform_.forget(this);
}

bool ScriptedMediaPlayer::open(const QString& fileOrDrive) {
    ops << QStringLiteral("open ") + fileOrDrive;
    if (failOpen) {
        error_ = *std::exchange(failOpen, std::nullopt);
        return false;
    }
    if (kind_ == ui::MediaKind::AudioCd && !platform_.discIn(fileOrDrive)) {
        error_ = fileOrDrive + QStringLiteral(": no disc");
        return false;
    }
    opened_ = fileOrDrive;
    open_ = true;
    playing_ = false;
    paused_ = false;
    return true;
}

bool ScriptedMediaPlayer::play() {
    ops << QStringLiteral("play");
    if (failPlay) {
        error_ = *std::exchange(failPlay, std::nullopt);
        return false;
    }
    if (!open_) {
        error_ = QStringLiteral("not open");
        return false;
    }
    if (playing_ && paused_) paused_ = false;
    playing_ = true;
    return true;
}

void ScriptedMediaPlayer::pause() {
    ops << QStringLiteral("pause");
    if (playing_) paused_ = !paused_;
}

void ScriptedMediaPlayer::stop() {
    ops << QStringLiteral("stop");
    playing_ = false;
    paused_ = false;
}

void ScriptedMediaPlayer::close() {
    ops << QStringLiteral("close");
    open_ = false;
    playing_ = false;
    paused_ = false;
}

void ScriptedMediaPlayer::seekToStart() {
    ops << QStringLiteral("seek");
}

std::optional<QString> ScriptedMediaPlayer::mediaIdentity() {
    ops << QStringLiteral("identity");
    if (platform_.failingIdentityQueries > 0) {
        --platform_.failingIdentityQueries;
        error_ = QStringLiteral("device error");
        return std::nullopt;
    }
    if (!open_) return std::nullopt;
    return platform_.discIn(opened_);
}

void ScriptedMediaPlayer::finish() {
    ASSERT_TRUE(playing_) << "finish() without a play";
    playing_ = false;
    paused_ = false;
    notifyEnd();
}

} // namespace qor::test
