// The desktop side of the platform: Qt's dialogs in Japanese, the opener's answer, and
// the frame of the program's boxes.

#include "services/QtPlatform.h"
#include "services/SoundIdle.h"
#include "sound/AudioOutput.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "ui/DialogFrame.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

using namespace qor;

namespace {

// A stand-in opener that ends with the given status.
QString opener(const test::TempDir& dir, const char* name, int status) {
    const QString path = QString::fromStdString(dir.file(name));
    QFile script(path);
    script.open(QIODevice::WriteOnly);
    script.write(QByteArray("#!/bin/sh\nexit ") + QByteArray::number(status) + "\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

} // namespace

TEST(QtPlatformTest, QtsOwnDialogsSpeakJapanese) {
    ASSERT_TRUE(ui::installJapaneseTranslations(*QCoreApplication::instance()))
        << "Qt's Japanese translations (qt6-translations-l10n) are not installed";
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("アドレス:"));
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

TEST(QtPlatformTest, TheOpenersExitStatusIsTheAnswer) {
    test::TempDir dir;
    test::spit(dir.file("list.txt"), "a=b*c\r\n");
    const QString file = QString::fromStdString(dir.file("list.txt"));
    ui::QtPlatform platform;
    // No program for the file: the opener says so by its status, and so do we.
    platform.setOpener(opener(dir, "fails", 3));
    EXPECT_FALSE(platform.openWithAssociatedProgram(file));
    platform.setOpener(opener(dir, "opens", 0));
    EXPECT_TRUE(platform.openWithAssociatedProgram(file));
    EXPECT_TRUE(platform.openWithAssociatedProgram(QStringLiteral("https://example.org/")));
    // No opener at all (xdg-utils missing).
    platform.setOpener(QString::fromStdString(dir.file("no-such-opener")));
    EXPECT_FALSE(platform.openWithAssociatedProgram(file));
}

TEST(QtPlatformTest, FixedDialogsHaveATitleAndACloseButtonOnly) {
    QDialog dialog;
    ui::setDialogFrame(&dialog);
    const Qt::WindowFlags f = dialog.windowFlags();
    EXPECT_TRUE(f & Qt::CustomizeWindowHint);
    EXPECT_TRUE(f & Qt::WindowTitleHint);
    EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(f & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
    QDialog bare;
    ui::setDialogFrame(&bare, false);
    EXPECT_FALSE(bare.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(bare.windowFlags() & Qt::WindowTitleHint);
}

namespace {

// The box as the learner sees it: shown, laid out, its frame height within the screen.
struct ShownBox {
    int height = 0;
    int screenHeight = 0;
    QString text;
};

ShownBox showBox(const QString& text) {
    QMessageBox box;
    box.setIcon(QMessageBox::Warning);
    box.setStandardButtons(QMessageBox::Ok);
    ui::setBoxText(box, text);
    box.show();
    QApplication::processEvents();
    ShownBox shown{box.frameGeometry().height(),
                   QGuiApplication::primaryScreen()->availableGeometry().height(), box.text()};
    box.hide();
    return shown;
}

} // namespace

TEST(QtPlatformTest, ABoxOfThousandsOfLinesFitsTheScreenAndCountsWhatItLeavesOut) {
    QStringList lines;
    for (int i = 1; i <= 5000; ++i)
        lines << QStringLiteral("line %1").arg(i);
    const ShownBox box = showBox(QStringLiteral("head\n") + lines.join(QLatin1Char('\n')));
    EXPECT_LE(box.height, box.screenHeight);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("head\nline 1\nline 2\n")));
    const QString last = box.text.section(QLatin1Char('\n'), -1);
    EXPECT_TRUE(last.startsWith(QStringLiteral("…（ほか "))) << last.toStdString();
    // Every line is either shown or counted.
    const int shownLines = static_cast<int>(box.text.count(QLatin1Char('\n')));
    EXPECT_EQ(last, QStringLiteral("…（ほか %1 行）").arg(5001 - shownLines));
    EXPECT_GT(shownLines, 5);
}

TEST(QtPlatformTest, ABoxLineOfAMillionLettersIsCutAndWraps) {
    const ShownBox box = showBox(QStringLiteral("正解 ： ") + QString(1000000, QLatin1Char('a')));
    QString drawn = box.text;
    drawn.remove(QChar(0x200B));
    EXPECT_LE(drawn.size(), ui::kBoxLineMax);
    EXPECT_LE(box.height, box.screenHeight);
}

TEST(QtPlatformTest, AShortBoxIsLeftAsItIsAndShownAsPlainText) {
    QMessageBox box;
    ui::setBoxText(box, QStringLiteral("<b>run</b>\n走る"));
    EXPECT_EQ(box.text(), QStringLiteral("<b>run</b>\n走る"));
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
}

TEST(QtPlatformTest, TheProgramsBoxesFitTheirTextToTheScreen) {
    // The platform's own box, answered once it is up.
    ui::QtPlatform platform;
    int height = 0;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        height = box->frameGeometry().height();
        text = box->text();
        box->accept();
    });
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines << QStringLiteral("file %1").arg(i);
    platform.showNotice(nullptr, lines.join(QLatin1Char('\n')), QStringLiteral("エラー"),
                        ui::kNoticeWarning);
    EXPECT_GT(height, 0);
    EXPECT_LE(height, QGuiApplication::primaryScreen()->availableGeometry().height());
    EXPECT_TRUE(text.contains(QStringLiteral("（ほか ")));
}

TEST(QtPlatformTest, AWavePlayedOpensTheOutputAndTheLooksCloseItWhenQuiet) {
    test::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    ui::QtPlatform platform;
    platform.playWave(QStringLiteral("/nonexistent/hit.wav"));
    ASSERT_TRUE(qor::audio::isOpen());
    EXPECT_TRUE(ui::watchingSoundOutput());
    const auto now = std::chrono::steady_clock::now();
    EXPECT_TRUE(ui::lookAtSoundOutput(now));
    EXPECT_TRUE(ui::lookAtSoundOutput(now + std::chrono::seconds(4)));
    // Five quiet seconds: closed, and nobody looks any more until the next sound.
    EXPECT_FALSE(ui::lookAtSoundOutput(now + std::chrono::seconds(6)));
    EXPECT_FALSE(qor::audio::isOpen());
    EXPECT_FALSE(ui::watchingSoundOutput());
    platform.playWave(QStringLiteral("/nonexistent/hit.wav"));
    EXPECT_TRUE(qor::audio::isOpen());
    EXPECT_TRUE(ui::watchingSoundOutput());
}

namespace {

// A save dialog of the program answered with a file that is there already: whether the
// dialog asked to replace it, and what it returned.
struct SaveOnto {
    bool askedToReplace = false;
    bool gaveUp = false;
    QString chosen;
};

template <typename T>
T* shownTopLevel() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(w); found && found->isVisible())
            return found;
    }
    return nullptr;
}

SaveOnto saveOntoExisting(const QString& folder, const QString& existing, ui::SaveMode mode) {
    SaveOnto run;
    int ticks = 0;
    // The name is typed into the dialog and its button pressed (queued, so that the timer
    // sees the replace question that may come up then), and the question answered Yes.
    // Should the press come too early for the dialog, the name is typed and pressed again
    // every fifth of a second until the dialog closes or asks; a dialog that never does
    // fails the test instead of holding it up.
    QTimer step;
    step.setInterval(10);
    QObject::connect(&step, &QTimer::timeout, [&] {
        ++ticks;
        if (auto* box = shownTopLevel<QMessageBox>()) {
            run.askedToReplace = true;
            box->button(QMessageBox::Yes)->click();
            return;
        }
        auto* dialog = shownTopLevel<QFileDialog>();
        if (!dialog)
            return;
        if (ticks > 1000) {
            run.gaveUp = true;

            dialog->reject();
        } else if (ticks % 20 == 1) {
            // selectFile leaves the name field alone while it has the focus: type there.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(existing);
            else
                dialog->selectFile(existing);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    step.start();
    ui::QtPlatform platform;
    run.chosen = platform.saveFileName(nullptr, QStringLiteral("保存"),
                                       QStringLiteral("テキストファイル (*.txt)|*.txt"),
                                       QStringLiteral("txt"), folder, mode);
    return run;
}

} // namespace

TEST(QtPlatformTest, ASaveThatAppendsDoesNotAskToReplaceAndOneThatReplacesDoes) {
    test::TempDir dir;
    test::spit(dir.file("history.txt"), "old\r\n");
    const QString folder = QString::fromStdString(dir.path());
    const QString existing = QString::fromStdString(dir.file("history.txt"));

    const SaveOnto append = saveOntoExisting(folder, existing, ui::SaveMode::Append);
    ASSERT_FALSE(append.gaveUp);
    EXPECT_FALSE(append.askedToReplace);
    EXPECT_EQ(append.chosen, existing);

    const SaveOnto replace = saveOntoExisting(folder, existing, ui::SaveMode::Replace);
    ASSERT_FALSE(replace.gaveUp);
    EXPECT_TRUE(replace.askedToReplace);
    EXPECT_EQ(replace.chosen, existing);
}
