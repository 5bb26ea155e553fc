// The shared pieces that keep texts readable and whole: the contrast of a colour with its
// background (WCAG), the background a stored text colour gets and a label that asks for
// its whole text.

#include "ui/Contrast.h"
#include "ui/ElidedLabel.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

QPalette paletteOf(const QColor& base, const QColor& text) {
    QPalette p;
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::Window, base);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::WindowText, text);
    return p;
}

} // namespace

TEST(ContrastTest, RatiosAsWcagDefinesThem) {
    EXPECT_NEAR(ui::contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ui::contrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(ui::contrastRatio(QColor(42, 42, 42), QColor(42, 42, 42)), 1.0, 1e-9);
    // Pure red on white falls short of 4.5 : 1; on black it keeps it.
    EXPECT_NEAR(ui::contrastRatio(Qt::red, Qt::white), 4.0, 0.01);
    EXPECT_NEAR(ui::contrastRatio(Qt::red, Qt::black), 5.25, 0.01);
    // Black on the dark grey of a dark palette: the fault of the white-box colours.
    EXPECT_LT(ui::contrastRatio(Qt::black, QColor(42, 42, 42)), 1.6);
}

TEST(ContrastTest, EveryColourGetsABackgroundThatKeepsItReadable) {
    const QColor bases[] = {Qt::white,          QColor(240, 240, 240), QColor(128, 128, 128),
                            QColor(53, 53, 53), QColor(42, 42, 42),    Qt::black};
    for (const QColor& base : bases) {
        for (int r = 0; r < 256; r += 17) {
            for (int g = 0; g < 256; g += 17) {
                for (int b = 0; b < 256; b += 17) {
                    const QColor text(r, g, b);
                    const QColor paper = ui::readableBackground(text, base);
                    ASSERT_GE(ui::contrastRatio(text, paper), ui::kReadableContrast)
                        << text.name().toStdString() << " on " << base.name().toStdString();
                    // The desktop's own box wherever it is good enough.
                    if (ui::contrastRatio(text, base) >= ui::kReadableContrast) {
                        ASSERT_EQ(paper, base);
                    }
                }
            }
        }
    }
    // A paper of the palette's kind where one of that kind does.
    EXPECT_EQ(ui::readableBackground(QColor(0, 0, 128), QColor(42, 42, 42)), QColor(Qt::white));
    EXPECT_EQ(ui::readableBackground(QColor(255, 165, 0), Qt::white), QColor(0x20, 0x20, 0x20));
    EXPECT_EQ(ui::readableBackground(Qt::red, Qt::white), QColor(Qt::black));
}

TEST(ReadableTextColourTest, TheDefaultIsTheDesktopsTextAndAPickedColourStays) {
    QWidget window;
    window.setPalette(paletteOf(QColor(42, 42, 42), QColor(230, 230, 230)));
    auto* memo = new QPlainTextEdit(&window);
    auto* field = new QLineEdit(&window);

    ui::setTextColor(memo, ui::kDesktopTextColor);
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(230, 230, 230));
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(42, 42, 42));

    // Navy (red in the lowest byte) cannot stand on the dark box: white paper under it.
    ui::setTextColor(field, 0x800000);
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
    // Yellow can: the desktop's box stays.
    ui::setTextColor(memo, 0x00FFFF);
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(255, 255, 0));
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(42, 42, 42));

    // The desktop turns light: each box follows.
    window.setPalette(paletteOf(Qt::white, Qt::black));
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(255, 255, 0));
    EXPECT_GE(ui::contrastRatio(memo->palette().color(QPalette::Text),
                                memo->palette().color(QPalette::Base)),
              ui::kReadableContrast);

    // Back to the default: nothing of its own is left.
    ui::setTextColor(memo, ui::kDesktopTextColor);
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(Qt::white));
    window.setPalette(paletteOf(QColor(42, 42, 42), QColor(230, 230, 230)));
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(230, 230, 230));
}

TEST(ElidedLabelTest, AskingForTheWholeTextItIsShortenedOnlyWithoutRoom) {
    ui::ElidedLabel label;
    label.setText(QStringLiteral(" 現在使用中の辞書 ： words.txt"));
    label.setPreferredWidth(40);
    EXPECT_EQ(label.sizeHint().width(), 40);
    label.setAsksForWholeText(true);
    EXPECT_GE(label.sizeHint().width(), label.fontMetrics().horizontalAdvance(label.text()));
    label.resize(label.sizeHint());
    EXPECT_FALSE(label.elided());
    label.setPreferredWidth(2000);
    EXPECT_EQ(label.sizeHint().width(), 2000);
    // It never keeps its window from getting narrower.
    EXPECT_EQ(label.minimumSizeHint().width(), 0);
}
