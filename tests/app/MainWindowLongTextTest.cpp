// A dictionary entry of a million letters without a break: the main window and its
// verdict windows place at most the display cap of it, and stay the size of a window.

#include "quiz/TfrmAtari.h"
#include "records/TfrmResultError.h"
#include "tests/app/ShellFixture.h"
#include "ui/RadioGroup.h"
#include "ui/ShownText.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace qor;

namespace {

const std::size_t kMillion = 1000000;

// A label's characters as drawn (its invisible break points left out).
qsizetype drawn(const QLabel* label) {
    return label->text().size() - label->text().count(QChar(0x200B));
}

class MainWindowLongTextTest : public test::DrillWindowFixture {
protected:
    const std::string longEnglish = std::string(kMillion, 'a');
    const std::string longJapanese = [] {
        std::string s;
        for (std::size_t i = 0; i < kMillion; ++i) s += sj("あ");
        return s;
    }();
    const std::string longComment = std::string(kMillion, 'c');

    void SetUp() override {
        DrillWindowFixture::SetUp();
        // The long entry first, asked first in dictionary order.
        writeLines(dir.file("verbs.txt"),
                   {longEnglish + "=" + longJapanese + "*" + longComment, sj("eat=食べる*y"),
                    sj("go=行く*z"), sj("see=見る*w"), sj("swim=泳ぐ*v")});
    }

    void startDrill(int answerType, int direction) {
        startMain(answerType, {"ShowComment=1", "MultiRandomOn=0"});
        ctl<QComboBox>(*main, "cboQuestionType")->setCurrentIndex(direction);
        ctl<QAction>(*main, "actOk")->trigger();
    }
};

} // namespace

TEST_F(MainWindowLongTextTest, TheQuestionAndCommentBoxesGetAtMostTheCap) {
    startDrill(0, 0);
    main->show();
    QApplication::processEvents();
    EXPECT_LE(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText().size(), ui::kShownTextMax);
    EXPECT_TRUE(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText().startsWith(QStringLiteral("aaaa")));
    EXPECT_EQ(ui::wholeText(ctl<QPlainTextEdit>(*main, "moQuestion")).size(), static_cast<qsizetype>(kMillion));
    EXPECT_FALSE(ctl<QPlainTextEdit>(*main, "moQuestion")->toolTip().isEmpty());
    EXPECT_LE(ctl<QPlainTextEdit>(*main, "moComment")->toPlainText().size(), ui::kShownTextMax);

    // The wrong answer's window: the right answer and the comment, cut.
    platform.answerModal([](QDialog& d) {
        auto* w = dynamic_cast<TfrmResultError*>(&d);
        EXPECT_NE(w, nullptr);
        if (w) {
            EXPECT_LE(drawn(ctl<QLabel>(*w, "lblAnswer")), ui::kShownTextMax);
            EXPECT_LE(ctl<QPlainTextEdit>(*w, "moComment")->toPlainText().size(), ui::kShownTextMax);
            // Still a window's width: the long answer wraps.
            EXPECT_LT(w->width(), 1200);
        }
        return static_cast<int>(QDialog::Rejected);
    });
    ctl<QLineEdit>(*main, "txtAnswer")->setText(QStringLiteral("nothing"));
    QTest::keyClick(ctl<QLineEdit>(*main, "txtAnswer"), Qt::Key_Return);
    EXPECT_EQ(platform.pendingAnswers(), 0u);
    // The next question replaces the long one, and its note goes with it.
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("eat"));
    EXPECT_TRUE(ctl<QPlainTextEdit>(*main, "moQuestion")->toolTip().isEmpty());
}

TEST_F(MainWindowLongTextTest, ALongChoiceIsOneShortLine) {
    startDrill(2, 1);  // four choices, Japanese to English: the long word is a choice
    ASSERT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->count(), 4);
    int longOne = -1;
    for (int i = 0; i < ctl<ui::RadioGroup>(*main, "rgAnswer")->count(); ++i) {
        QRadioButton* b = ctl<ui::RadioGroup>(*main, "rgAnswer")->button(i);
        EXPECT_LE(b->text().size(), ui::kShownLineMax);
        // Its digit, then the whole word.
        if (ui::wholeText(b).size() == static_cast<qsizetype>(kMillion) + 2) longOne = i;
    }
    ASSERT_GE(longOne, 0);
    EXPECT_FALSE(ctl<ui::RadioGroup>(*main, "rgAnswer")->button(longOne)->toolTip().isEmpty());
    EXPECT_LE(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText().size(), ui::kShownTextMax);
    main->show();
    QApplication::processEvents();
    EXPECT_LT(main->minimumSizeHint().width(), 1200);

    // The right choice: the verdict window shows the other right answers, cut.
    platform.answerModal([](QDialog& d) {
        auto* w = dynamic_cast<TfrmAtari*>(&d);
        EXPECT_NE(w, nullptr);
        if (w) {
            EXPECT_LE(drawn(ctl<QLabel>(*w, "lblAnswer")), ui::kShownTextMax);
            EXPECT_LE(ctl<QPlainTextEdit>(*w, "moComment")->toPlainText().size(), ui::kShownTextMax);
            EXPECT_LT(w->width(), 1200);
        }
        return static_cast<int>(QDialog::Accepted);
    });
    ctl<ui::RadioGroup>(*main, "rgAnswer")->setItemIndex(longOne);
    ctl<QAction>(*main, "actResult")->trigger();
    EXPECT_EQ(platform.pendingAnswers(), 0u);
}
