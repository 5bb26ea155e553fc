// The desktop side of the platform: Qt's dialogs in Japanese, the opener's answer, and
// the frame of the program's boxes.

#include "tests/support/TempDir.h"
#include "ui/DialogFrame.h"
#include "ui/QtPlatform.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLocale>
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
