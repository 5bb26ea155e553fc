// Dictionary text on the screen: at most a fixed number of characters of it reach a box,
// and the whole text stays reachable.

#include "tests/support/ScriptedPlatform.h"
#include "ui/ShownText.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBoundaryFinder>
#include <gtest/gtest.h>

using qor::test::PlatformCall;
using qor::test::ScriptedPlatform;

namespace {

const QString kMillion(1000000, QLatin1Char('a'));

QAction* copyCommand(const QWidget& w) {
    return w.findChild<QAction*>(QStringLiteral("actCopyWholeText"), Qt::FindDirectChildrenOnly);
}

// The most visible characters of the text between two places where a line can break.
qsizetype longestUnbrokenRun(const QString& text) {
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
    qsizetype longest = 0, start = 0;
    for (qsizetype end = lines.toNextBoundary(); end > 0; end = lines.toNextBoundary()) {
        const QString run = text.mid(start, end - start);
        longest = std::max(longest, run.size() - run.count(QChar(0x200B)));
        start = end;
    }
    return longest;
}

} // namespace

TEST(ShownTextTest, ALongTextIsCutToTheCapWithAnEllipsis) {
    const QString shown = ui::shownText(kMillion);
    EXPECT_EQ(shown.size(), ui::kShownTextMax);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_EQ(ui::shownText(kMillion, 20), QString(19, QLatin1Char('a')) + QChar(0x2026));
    // Up to the cap a text is shown whole.
    const QString atCap(ui::kShownTextMax, QLatin1Char('b'));
    EXPECT_EQ(ui::shownText(atCap), atCap);
    EXPECT_EQ(ui::shownText(QStringLiteral("走る")), QStringLiteral("走る"));
}

TEST(ShownTextTest, ACutNeverSplitsASurrogatePair) {
    // 𠀋 (U+2000B) is two UTF-16 units; the cut falls on its second unit.
    QString text = QString(8, QLatin1Char('x')) + QString::fromUcs4(U"\U0002000B") +
                   QString(20, QLatin1Char('y'));
    const QString shown = ui::shownText(text, 10);
    EXPECT_LE(shown.size(), 10);
    EXPECT_FALSE(shown.at(shown.size() - 2).isHighSurrogate());
    EXPECT_EQ(shown, QString(8, QLatin1Char('x')) + QChar(0x2026));
}

TEST(ShownTextTest, EveryKindOfBoxGetsAtMostTheCapAndKeepsTheWholeText) {
    ScriptedPlatform platform;
    QPlainTextEdit memo;
    QLabel label;
    QLineEdit field;
    QRadioButton choice;
    ui::showText(&memo, kMillion);
    ui::showText(&label, kMillion);
    ui::showText(&field, kMillion);
    ui::showText(&choice, kMillion);
    EXPECT_LE(memo.toPlainText().size(), ui::kShownTextMax);
    EXPECT_LE(label.text().size(), ui::kShownTextMax);
    EXPECT_LE(field.text().size(), ui::kShownTextMax);
    EXPECT_LE(choice.text().size(), ui::kShownLineMax);
    for (QWidget* w : {static_cast<QWidget*>(&memo), static_cast<QWidget*>(&label),
                       static_cast<QWidget*>(&field), static_cast<QWidget*>(&choice)}) {
        EXPECT_EQ(ui::wholeText(w), kMillion);
        EXPECT_TRUE(w->toolTip().contains(QStringLiteral("1000000")));
        EXPECT_EQ(w->contextMenuPolicy(), Qt::ActionsContextMenu);
        ASSERT_NE(copyCommand(*w), nullptr);
        EXPECT_TRUE(w->actions().contains(copyCommand(*w)));
    }
    // The copy command hands the whole text to the clipboard.
    copyCommand(memo)->trigger();
    ASSERT_FALSE(platform.calls().empty());
    EXPECT_EQ(platform.calls().back().kind, PlatformCall::Clipboard);
    EXPECT_EQ(platform.calls().back().text.size(), kMillion.size());
}

TEST(ShownTextTest, AShortTextIsShownWholeAndTheNoteOfAnEarlierCutGoes) {
    QPlainTextEdit memo;
    ui::showText(&memo, kMillion);
    ui::showText(&memo, QStringLiteral("run"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("run"));
    EXPECT_EQ(memo.toolTip(), QString());
    EXPECT_EQ(copyCommand(memo), nullptr);
    EXPECT_EQ(memo.contextMenuPolicy(), Qt::DefaultContextMenu);
    EXPECT_EQ(ui::wholeText(&memo), QStringLiteral("run"));
    // A tooltip of the program's own is not taken away by a short text.
    QLabel label;
    label.setToolTip(QStringLiteral("own"));
    ui::showText(&label, QStringLiteral("run"));
    EXPECT_EQ(label.toolTip(), QStringLiteral("own"));
}

TEST(ShownTextTest, AWrappingLabelBreaksLongRunsAndShowsEveryCharacterOfAShortText) {
    QLabel label;
    label.setWordWrap(true);
    const QString list = QStringLiteral("run,operate,manage,conduct,direct,administer,");
    ui::showText(&label, list);
    EXPECT_LE(longestUnbrokenRun(label.text()), ui::kUnbrokenRun);
    QString visible = label.text();
    visible.remove(QChar(0x200B));
    EXPECT_EQ(visible, list);
    EXPECT_EQ(ui::wholeText(&label), list);

    ui::showText(&label, kMillion);
    EXPECT_LE(longestUnbrokenRun(label.text()), ui::kUnbrokenRun);
    // Japanese breaks between its characters already and is left as it is.
    const QString japanese = QString(200, QChar(0x8D70));
    EXPECT_EQ(ui::breakableText(japanese), japanese);
}

TEST(ShownTextTest, ACellShowsTheCutAndTellsWhyInItsTooltip) {
    EXPECT_EQ(ui::shownCell(kMillion, Qt::DisplayRole).toString().size(), ui::kShownTextMax);
    const QString tip = ui::shownCell(kMillion, Qt::ToolTipRole).toString();
    EXPECT_LT(tip.size(), 200);
    EXPECT_TRUE(tip.contains(QStringLiteral("1000000")));
    EXPECT_EQ(ui::shownCell(QStringLiteral("run"), Qt::ToolTipRole).toString(),
              QStringLiteral("run"));
    EXPECT_FALSE(ui::shownCell(QStringLiteral("run"), Qt::EditRole).isValid());
}

TEST(ShownTextTest, AnEditFieldKeepsEveryCharacter) {
    QLineEdit field;
    field.setText(kMillion);
    ASSERT_LT(field.text().size(), kMillion.size());  // Qt's own limit cuts
    ui::keepWholeText(&field);
    field.setText(kMillion);
    EXPECT_EQ(field.text().size(), kMillion.size());
}
