// The settings dialog's tabs as the learner sees them: every control whole, inside its
// tab, and none over another. With QOR_SCREENSHOT_DIR set, each tab is also saved as a
// picture there, to be looked at.

#include "settings/SetupSoundPages.h"
#include "tests/settings/SetupFixture.h"
#include "ui/Fonts.h"
#include "ui/RadioGroup.h"

#include "tests/support/Controls.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace qor;

namespace {

bool isControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           w->inherits("qor::ColorPanel");
}

// The visible controls of a tab, not those inside another control (a spin box's field).
std::vector<QWidget*> controlsOf(QWidget* page) {
    std::vector<QWidget*> out;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page) || !isControl(w)) continue;
        bool inner = false;
        for (QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
            inner = inner || isControl(p);
        if (!inner) out.push_back(w);
    }
    return out;
}

QString describe(const QWidget* w) {
    QString text;
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        text = b->text();
    else if (auto* l = qobject_cast<const QLabel*>(w))
        text = l->text().left(20);
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName() +
           QLatin1Char(' ') + text;
}

class SetupLayoutTest : public test::SetupFixture {
protected:
    QFont before = QApplication::font();
    SetupLayoutTest() {
        // The program's own face and size, as main() sets them.
        QApplication::setFont(ui::fontFor(TUserSettings::ordinaryFace(), 9));
    }
    ~SetupLayoutTest() override { QApplication::setFont(before); }
};

} // namespace

TEST_F(SetupLayoutTest, EveryTabShowsItsControlsWholeAndApart) {
    // Every group that a box can hide is shown.
    settings.ShowUser = true;
    settings.schedule.PlanOn = true;
    settings.sound.VoiceOn = true;
    settings.sound.VoiceType = 0;
    settings.look.ColorChangeOn = true;
    settings.window.ShowDate = true;
    settings.drill.TimeLimitOn = true;
    settings.files.SaveError = true;
    settings.sound.FinishOn = true;
    UserRegistry(dir.folder()).registerUser("Hanako");
    test::spit(settings.setupIniPath(),
               test::crlf({"[Plan]", "PlanNum=2", "0=" + sj("期末試験") + ",2002/3/15",
                           "1=" + sj("英検") + ",2002/6/9"}));
    TfrmSetup& w = dialog();
    w.show();
    const QString shots = qEnvironmentVariable("QOR_SCREENSHOT_DIR");

    auto check = [&](QWidget* page, const QString& name, const QString& shot) {
        QApplication::processEvents();
        const QRect pageRect(QPoint(0, 0), page->size());
        std::vector<QWidget*> controls = controlsOf(page);
        EXPECT_GT(controls.size(), 1u) << name.toStdString();
        for (QWidget* c : controls) {
            const QRect r(c->mapTo(page, QPoint(0, 0)), c->size());
            EXPECT_TRUE(pageRect.contains(r))
                << name.toStdString() << ": " << describe(c).toStdString();
            auto* label = qobject_cast<QLabel*>(c);
            if (!(label && label->wordWrap()) && !qobject_cast<QAbstractItemView*>(c)) {
                EXPECT_GE(c->width(), c->minimumSizeHint().width())
                    << name.toStdString() << ": clipped " << describe(c).toStdString();
            }
            for (QWidget* other : controls) {
                if (other <= c) continue;
                const QRect o(other->mapTo(page, QPoint(0, 0)), other->size());
                EXPECT_FALSE(r.intersects(o))
                    << name.toStdString() << ": " << describe(c).toStdString() << " over "
                    << describe(other).toStdString();
            }
        }
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            w.grab().save(shots + QStringLiteral("/setup-") + shot + QStringLiteral(".png"));
        }
    };

    ASSERT_EQ(ctl<QTabWidget>(w, "pcSetup")->count(), 10);
    for (int tab = 0; tab < ctl<QTabWidget>(w, "pcSetup")->count(); ++tab) {
        ctl<QTabWidget>(w, "pcSetup")->setCurrentIndex(tab);
        check(ctl<QTabWidget>(w, "pcSetup")->widget(tab), ctl<QTabWidget>(w, "pcSetup")->tabText(tab), QString::number(tab + 1));
    }
    // The voice tab with the companion chosen, which shows its red note.
    ctl<QTabWidget>(w, "pcSetup")->setCurrentWidget(ctl<SetupVoicePage>(w, "tsVoice"));
    ctl<ui::RadioGroup>(w, "rgVoiceType")->button(1)->click();
    check(ctl<SetupVoicePage>(w, "tsVoice"), QStringLiteral("音声 (ヴェクサ)"), QStringLiteral("6-companion"));
}
