// The "復習" tab: the daily review's target retention and new words per day, stored by
// OK in Setup.ini's own section and read back by the review.

#include "base/IniFile.h"
#include "records/DueSelection.h"
#include "settings/TfrmSetup.h"
#include "tests/settings/SetupFixture.h"
#include "tests/support/Controls.h"
#include "tests/support/DarkPalette.h"
#include "ui/Contrast.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <algorithm>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::darkPalette;
using test::crlf;
using test::q;
using test::spit;

namespace {

using SetupReviewTest = test::SetupFixture;

std::string read(const std::string& path, const char* key) {
    IniFile ini(path);
    return ini.read("Review", key, "<none>");
}

} // namespace

TEST_F(SetupReviewTest, TheTabShowsTheDefaultsWhenTheSectionIsMissing) {
    EXPECT_EQ(settings.review.TargetRetention, 90);
    EXPECT_EQ(settings.review.NewWordsPerDay, 20);
    TfrmSetup& w = dialog();
    auto* tabs = ctl<QTabWidget>(w, "pcSetup");
    QWidget* tab = ctl<QWidget>(w, "tsReview");
    ASSERT_TRUE(tabs && tab);
    EXPECT_EQ(tabs->tabText(tabs->indexOf(tab)), q("復習"));
    auto* retention = ctl<QSpinBox>(w, "spnTargetRetention");
    auto* fresh = ctl<QSpinBox>(w, "spnNewWordsPerDay");
    EXPECT_EQ(retention->value(), 90);
    EXPECT_EQ(retention->suffix(), QStringLiteral(" %"));
    EXPECT_EQ(retention->minimum(), 70);
    EXPECT_EQ(retention->maximum(), 99);
    EXPECT_EQ(fresh->value(), 20);
    EXPECT_EQ(fresh->minimum(), 0);
    EXPECT_EQ(fresh->maximum(), 200);
    // Each box has a label saying what it sets.
    bool retentionLabel = false, freshLabel = false;
    for (QLabel* label : tab->findChildren<QLabel*>()) {
        retentionLabel |= label->buddy() == retention && label->text().contains(q("目標の記憶率"));
        freshLabel |= label->buddy() == fresh && label->text().contains(q("1日に加える新しい単語"));
    }
    EXPECT_TRUE(retentionLabel);
    EXPECT_TRUE(freshLabel);
    // Without the section the review reads the same defaults.
    const ReviewSettings review = reviewSettingsOf(reloaded().review);
    EXPECT_DOUBLE_EQ(review.targetRetention, 0.9);
    EXPECT_EQ(review.newWordsPerDay, 20);
}

TEST_F(SetupReviewTest, OkWritesTheSectionThatTheReviewReads) {
    TfrmSetup& w = dialog();
    ctl<QSpinBox>(w, "spnTargetRetention")->setValue(85);
    ctl<QSpinBox>(w, "spnNewWordsPerDay")->setValue(35);
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(read(setupIni(), "TargetRetention"), "85");
    EXPECT_EQ(read(setupIni(), "NewWordsPerDay"), "35");
    EXPECT_EQ(settings.review.TargetRetention, 85);
    const ReviewSettings review = reviewSettingsOf(reloaded().review);
    EXPECT_DOUBLE_EQ(review.targetRetention, 0.85);
    EXPECT_EQ(review.newWordsPerDay, 35);
    // A fresh start reads them too, and the next showing shows them.
    EXPECT_EQ(reloaded().review.NewWordsPerDay, 35);
    dialog();
    EXPECT_EQ(ctl<QSpinBox>(w, "spnTargetRetention")->value(), 85);
}

TEST_F(SetupReviewTest, AStoredValueOutOfRangeReadsAsTheNearestEnd) {
    spit(setupIni(), crlf({"[Review]", "TargetRetention=120", "NewWordsPerDay=-5"}));
    TUserSettings s = reloaded();
    EXPECT_EQ(s.review.TargetRetention, 99);
    EXPECT_EQ(s.review.NewWordsPerDay, 0);
    const ReviewSettings review = reviewSettingsOf(reloaded().review);
    EXPECT_DOUBLE_EQ(review.targetRetention, 0.99);
    EXPECT_EQ(review.newWordsPerDay, 0);
}

TEST_F(SetupReviewTest, TheReviewSettingsHaveDefaultsAndStayInTheirRanges) {
    ReviewSettings none = reviewSettingsOf(reloaded().review);
    EXPECT_DOUBLE_EQ(none.targetRetention, 0.9);
    EXPECT_EQ(none.newWordsPerDay, 20);

    spit(setupIni(), crlf({"[Review]", "TargetRetention=85", "NewWordsPerDay=0"}));
    ReviewSettings set = reviewSettingsOf(reloaded().review);
    EXPECT_DOUBLE_EQ(set.targetRetention, 0.85);
    EXPECT_EQ(set.newWordsPerDay, 0);

    spit(setupIni(), crlf({"[Review]", "TargetRetention=100", "NewWordsPerDay=500"}));
    ReviewSettings high = reviewSettingsOf(reloaded().review);
    EXPECT_DOUBLE_EQ(high.targetRetention, 0.99);
    EXPECT_EQ(high.newWordsPerDay, 200);

    spit(setupIni(), crlf({"[Review]", "TargetRetention=50", "NewWordsPerDay=-1"}));
    ReviewSettings low = reviewSettingsOf(reloaded().review);
    EXPECT_DOUBLE_EQ(low.targetRetention, 0.70);
    EXPECT_EQ(low.newWordsPerDay, 0);

    // Another section's keys of the same names are not the review's.
    spit(setupIni(), crlf({"[Other]", "TargetRetention=75", "[Review]", "TargetRetention=9O",
                           "NewWordsPerDay=35"}));
    ReviewSettings bad = reviewSettingsOf(reloaded().review);
    EXPECT_DOUBLE_EQ(bad.targetRetention, 0.9);
    EXPECT_EQ(bad.newWordsPerDay, 35);
}

namespace {

// The strongest contrast between the widget's corner (its background) and any pixel of
// it as drawn: the text's core pixels.
double drawnContrast(QWidget* w) {
    const QImage image = w->grab().toImage();
    const QColor background = image.pixelColor(0, 0);
    double best = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, ui::contrastRatio(background, image.pixelColor(x, y)));
    }
    return best;
}

} // namespace

TEST_F(SetupReviewTest, TheTabIsReadableUnderALightAndADarkPalette) {
    const QPalette original = QApplication::palette();
    const QString shots = qEnvironmentVariable("QOR_SCREENSHOT_DIR");
    for (bool dark : {false, true}) {
        QApplication::setPalette(dark ? darkPalette() : original);
        TfrmSetup& w = dialog();
        w.show();
        ctl<QTabWidget>(w, "pcSetup")->setCurrentWidget(ctl<QWidget>(w, "tsReview"));
        QApplication::processEvents();
        const QList<QLabel*> labels = ctl<QWidget>(w, "tsReview")->findChildren<QLabel*>();
        ASSERT_GE(labels.size(), 4);
        for (QLabel* label : labels)
            EXPECT_GE(drawnContrast(label), ui::kReadableContrast)
                << (dark ? "dark: " : "light: ") << label->text().toStdString();
        for (const char* spin : {"spnTargetRetention", "spnNewWordsPerDay"})
            EXPECT_GE(drawnContrast(ctl<QSpinBox>(w, spin)), ui::kReadableContrast) << spin;
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            w.grab().save(shots + (dark ? QStringLiteral("/review-dark.png")
                                        : QStringLiteral("/review-light.png")));
        }
        w.hide();
    }
    QApplication::setPalette(original);
}
