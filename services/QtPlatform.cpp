#include "services/QtPlatform.h"

#include "services/CompanionLink.h"
#include "services/QtMediaPlayers.h"
#include "services/SoundIdle.h"
#include "sound/AudioOutput.h"
#include "sound/CdDrive.h"
#include "ui/DialogFrame.h"
#include "ui/Printing.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHeaderView>
#include <QGuiApplication>
#include <QInputDialog>
#include <QTreeView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QProcess>
#include <QScreen>

#include <algorithm>

namespace ui {

namespace {

// The lines kept, and a last line that counts the rest.
QString keptLines(const QStringList& lines, qsizetype kept) {
    if (kept >= lines.size())
        return lines.join(QLatin1Char('\n'));
    return (lines.mid(0, kept) << QStringLiteral("…（ほか %1 行）").arg(lines.size() - kept))
        .join(QLatin1Char('\n'));
}

} // namespace

void setBoxText(QMessageBox& box, const QString& text) {
    // Plain text: a word of the learner's that looks like markup is shown as it is.
    box.setTextFormat(Qt::PlainText);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = breakableText(shownText(line, kBoxLineMax));
    const QScreen* screen = box.parentWidget() && box.parentWidget()->screen()
                                ? box.parentWidget()->screen()
                                : QGuiApplication::primaryScreen();
    // The window frame's title bar is not part of the box.
    const int room = screen ? screen->availableGeometry().height() - 48 : INT_MAX;
    auto fits = [&](qsizetype kept) {
        box.setText(keptLines(lines, kept));
        return box.sizeHint().height() <= room;
    };
    if (fits(lines.size()))
        return;
    // The most lines that fit, found by halving: a box with only the count line fits.
    qsizetype fitting = 0, tooMany = lines.size();
    while (tooMany - fitting > 1) {
        const qsizetype middle = fitting + (tooMany - fitting) / 2;
        (fits(middle) ? fitting : tooMany) = middle;
    }
    box.setText(keptLines(lines, fitting));
}

Button QtPlatform::showNotice(QWidget* parent, const QString& text, const QString& caption,
                              int kind) {
    QMessageBox box(parent);
    setDialogFrame(&box);
    box.setWindowTitle(caption);
    // Icon and buttons first: the text is fitted to the screen with them in place.
    if (kind == kNoticeWarning || kind == kNoticeInformation) {
        box.setIcon(kind == kNoticeWarning ? QMessageBox::Warning : QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        setBoxText(box, text);
        box.exec();
        return Button::Ok;
    }
    box.setIcon(QMessageBox::Question);
    if (kind == kNoticeOkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        setBoxText(box, text);
        return box.exec() == QMessageBox::Ok ? Button::Ok : Button::Cancel;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    setBoxText(box, text);
    return box.exec() == QMessageBox::Yes ? Button::Yes : Button::No;
}

void QtPlatform::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(parent);
    setDialogFrame(&box);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    setBoxText(box, text);
    box.exec();
}

std::optional<QString> QtPlatform::inputBox(QWidget* parent, const QString& caption,
                                            const QString& prompt, const QString& preset) {
    bool ok = false;
    QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

namespace {

// One file dialog for the three uses: large enough that names, sizes, types and dates
// stand whole in its columns.
QString runFileDialog(QFileDialog& dialog) {
    dialog.resize(std::max(dialog.width(), 760), std::max(dialog.height(), 500));
    // The detail view's columns follow their contents; the name takes the rest.
    for (QTreeView* view : dialog.findChildren<QTreeView*>()) {
        view->header()->setStretchLastSection(false);
        view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtPlatform::openFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& folder) {
    QFileDialog dialog(parent, caption, folder, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString QtPlatform::saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& defaultExtension, const QString& folder,
                                 SaveMode mode) {
    QFileDialog dialog(parent, caption, folder, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExtension);
    // "…は既に存在します。置き換えますか?" would be untrue for a save that appends.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, mode == SaveMode::Append);
    return runFileDialog(dialog);
}

QString QtPlatform::folderName(QWidget* parent, const QString& caption, const QString& folder) {
    QFileDialog dialog(parent, caption, folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    return runFileDialog(dialog);
}

std::optional<QFont> QtPlatform::chooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtPlatform::chooseColor(QWidget* parent, const QColor& initial) {
    QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

int QtPlatform::showModal(QDialog& dialog) {
    return dialog.exec();
}

bool QtPlatform::setClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    return true;
}

void QtPlatform::playWave(const QString& path) {
    qor::audio::playWave(path.toStdString());
    watchSoundOutput();
}

void QtPlatform::beep() {
    QApplication::beep();
}

std::unique_ptr<MediaPlayer> QtPlatform::createMediaPlayer(MediaKind kind) {
    if (kind == MediaKind::Midi) return std::make_unique<QtMidiPlayer>();
    return std::make_unique<QtCdPlayer>();
}

QStringList QtPlatform::cdDrives() {
    QStringList out;
    for (const std::string& d : qor::cd::drives()) out << QString::fromStdString(d);
    return out;
}

bool QtPlatform::driveHasMedium(const QString& drive) {
    return qor::cd::hasMedium(drive.toStdString());
}

void QtPlatform::sendToCompanion(const QString& command) {
    deliverToStartedCompanion(companionBytes(command));
}

void QtPlatform::setOpener(const QString& program) {
    opener_ = program;
}

bool QtPlatform::openWithAssociatedProgram(const QString& pathOrUrl) {
    const QString target =
        QFileInfo::exists(pathOrUrl) ? QFileInfo(pathOrUrl).absoluteFilePath() : pathOrUrl;
    // The opener's exit status is the answer: xdg-open ends with a failure when the desktop
    // has no program for the file, and the learner must then be told. An opener that is
    // still busy after a while has started the program and is left to finish on its own.
    auto* opener = new QProcess(QCoreApplication::instance());
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            opener->deleteLater();
    });
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->start(opener_, {target});
    if (!opener->waitForStarted(3000))
        return false;
    if (!opener->waitForFinished(5000))
        return true;
    return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}

bool QtPlatform::moveToTrash(QWidget* parent, const QString& path) {
    QMessageBox box(parent);
    setDialogFrame(&box);
    box.setWindowTitle(QStringLiteral("ファイルの削除"));
    box.setText(QStringLiteral("'%1' をごみ箱に移しますか?").arg(QFileInfo(path).fileName()));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return false;
    return QFile::moveToTrash(path);
}

bool QtPlatform::moveToTrashWithoutAsking(const QString& path) {
    return QFile::moveToTrash(path);
}

PrintOutcome QtPlatform::printDocument(QWidget* parent, const QTextDocument& document,
                                       const QString& title, const QString& pdfFileName,
                                       int copies, const std::function<void(int)>& beforeCopy) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, title);
    // With no printer the dialog's only way out is a file: it starts there, under a name
    // the learner will recognise, and says so on its button.
    const bool noPrinter = QPrinterInfo::availablePrinterNames().isEmpty();
    if (noPrinter) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(defaultPdfPath(pdfFileName));
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (noPrinter) {
        for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
            if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
                ok->setText(QStringLiteral("PDFに保存"));
        }
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return printDocumentOn(printer, document, copies, beforeCopy);
}

} // namespace ui
