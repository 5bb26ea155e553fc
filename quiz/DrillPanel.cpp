#include "quiz/DrillPanel.h"

#include "settings/SettingsStore.h"
#include "settings/SettingsNotifier.h"
#include "ui/ActionLink.h"
#include "ui/DataBar.h"
#include "ui/Fonts.h"
#include "ui/Gauge.h"
#include "ui/RadioGroup.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace qor {

namespace {

constexpr int kIcon = 16;

QPlainTextEdit* memo(QWidget* parent, const QString& accessibleName, const QString& objectName) {
    auto* mo = new QPlainTextEdit(parent);
    mo->setObjectName(objectName);
    mo->setReadOnly(true);
    mo->setAccessibleName(accessibleName);
    mo->setTabChangesFocus(true);
    mo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return mo;
}

// The least heights of the boxes; the load keeps them in this range already.
int panelHeight(int stored) {
    return std::clamp(stored, kPanelHeightRange.lo, kPanelHeightRange.hi);
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

DrillPanel::DrillPanel(const TUserSettings& settings, DrillShell& shell, const Links& links,
                       QWidget* parent)
    : QWidget(parent), settings_(settings), links_(links) {
    setObjectName(QStringLiteral("pnlMain"));

    auto* drillArea = new QWidget(this);
    buildBoxes(drillArea);
    buildButtons();

    auto* upper = new QHBoxLayout;
    upper->setContentsMargins(6, 6, 6, 4);
    upper->setSpacing(8);
    upper->addWidget(drillArea, 1);
    upper->addWidget(pnlRightCommandButton);

    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->setSpacing(0);
    all->addLayout(upper, 1);
    auto* rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    all->addWidget(rule);
    auto* bottom = new QVBoxLayout;
    bottom->setContentsMargins(0, 2, 0, 2);
    bottom->setSpacing(0);
    all->addLayout(bottom);
    buildDataBars(bottom);

    // The window's pop-up: on the drill's boxes, not in the answer field (whose own menu
    // edits the text).
    for (QWidget* w : {static_cast<QWidget*>(this), drillArea, static_cast<QWidget*>(lblQuestion),
                       static_cast<QWidget*>(lblAnswer), static_cast<QWidget*>(moQuestion),
                       static_cast<QWidget*>(moComment), static_cast<QWidget*>(moHatsuon),
                       pnlRightCommandButton, static_cast<QWidget*>(rgAnswer)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint& pos) {
            if (links_.panelMenu)
                links_.panelMenu->popup(w->mapToGlobal(pos));
        });
    }
    // The answer field's input method and shortcut keys are watched apart.
    txtAnswer->installEventFilter(this);

    tmrTimer = new QTimer(this);
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    tmrTimer->setInterval(1000);
    connect(tmrTimer, &QTimer::timeout, this, &DrillPanel::timerTick);

    drill_ = std::make_unique<Drill>(settings_, *this, shell);
    connect(rgAnswer, &ui::RadioGroup::itemChosen, this,
            [this] { drill_->choiceClicked(rgAnswer->itemIndex()); });
}

DrillPanel::~DrillPanel() = default;

// ---------------------------------------------------------------- building

void DrillPanel::buildBoxes(QWidget* drill) {
    lblQuestion = new QLabel(QStringLiteral("次の単語の意味はなに？"), drill);
    lblQuestion->setObjectName(QStringLiteral("lblQuestion"));
    moQuestion = memo(drill, QStringLiteral("問題"), QStringLiteral("moQuestion"));
    lblQuestion->setBuddy(moQuestion);

    moComment = memo(drill, QStringLiteral("コメント"), QStringLiteral("moComment"));
    // Until the settings are read the boxes look as the defaults have them.
    moQuestion->setMinimumHeight(60);
    moComment->setMinimumHeight(50);
    moComment->hide();
    rgAnswer = new ui::RadioGroup(QString(), drill);
    rgAnswer->setObjectName(QStringLiteral("rgAnswer"));
    rgAnswer->setAccessibleName(QStringLiteral("解答の選択肢"));
    rgAnswer->setEnabled(false);
    rgAnswer->hide();
    commentRow_ = new QHBoxLayout;
    commentRow_->setSpacing(6);
    commentRow_->addWidget(moComment, 1);
    commentRow_->addWidget(rgAnswer, 1);

    moHatsuon = memo(drill, QStringLiteral("発音記号"), QStringLiteral("moHatsuon"));
    moHatsuon->setFixedHeight(moHatsuon->fontMetrics().height() + 12);
    moHatsuon->hide();

    lblAnswer = new QLabel(QStringLiteral(" の意味は、、、"), drill);
    lblAnswer->setObjectName(QStringLiteral("lblAnswer"));
    txtAnswer = new QLineEdit(drill);
    txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    txtAnswer->setAccessibleName(QStringLiteral("解答"));
    auto* answerRow = new QHBoxLayout;
    answerRow->setSpacing(6);
    answerRow->addWidget(lblAnswer);
    answerRow->addWidget(txtAnswer, 1);

    drillLayout_ = new QVBoxLayout(drill);
    drillLayout_->setContentsMargins(0, 0, 0, 0);
    drillLayout_->setSpacing(4);
    // The question and the comment take the height the window has beyond their settings,
    // so that no empty band opens above the data bars.
    drillLayout_->addWidget(lblQuestion);
    drillLayout_->addWidget(moQuestion, 3);
    drillLayout_->addLayout(commentRow_, 2);
    drillLayout_->addWidget(moHatsuon);
    drillLayout_->addLayout(answerRow);
    fitDrillPanels();
}

void DrillPanel::buildButtons() {
    pnlRightCommandButton = new QWidget(this);
    pnlRightCommandButton->setObjectName(QStringLiteral("pnlRightCommandButton"));
    auto makeButton = [this](const QString& caption, const QString& hint, QAction* action,
                             const QString& name) {
        // The button shows its command's picture under a caption of its own.
        auto* b = new QPushButton(action->icon(), caption, pnlRightCommandButton);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setIconSize(QSize(kIcon, kIcon));
        b->setMinimumHeight(28);
        ui::linkButton(b, action);
        return b;
    };
    cmdStart = makeButton(QStringLiteral("始める"), QStringLiteral("さあ、始めましょう"),
                          links_.start, QStringLiteral("cmdStart"));
    cmdResult = makeButton(QStringLiteral("結果"), QStringLiteral("結果は、どうかな？"),
                           links_.result, QStringLiteral("cmdResult"));
    cmdStop = makeButton(QStringLiteral("止める"), QStringLiteral("ギブアップ！"), links_.stop,
                         QStringLiteral("cmdStop"));
    cmdFind = makeButton(QStringLiteral("検索"), QStringLiteral("単語の検索"), links_.find,
                         QStringLiteral("cmdFind"));
    cmdPlayVoice = makeButton(QStringLiteral(" 再生"), QStringLiteral("音声の再生"),
                              links_.playVoice, QStringLiteral("cmdPlayVoice"));
    auto* right = new QVBoxLayout(pnlRightCommandButton);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(4);
    for (QPushButton* b : {cmdStart, cmdResult, cmdStop, cmdFind, cmdPlayVoice})
        right->addWidget(b);
    right->addStretch(1);
    pnlRightCommandButton->setFixedWidth(96);
}

void DrillPanel::buildDataBars(QVBoxLayout* bottom) {
    auto make = [&](DataBar which, const QString& caption, const QString& value,
                    const QString& name) {
        auto* bar = new ui::DataBar(caption, value, this);
        bar->setObjectName(name);
        bar->nameParts(QStringLiteral("lbl") + name.mid(3), QStringLiteral("cg") + name.mid(3));
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bar, &QWidget::customContextMenuRequested, this, [this, bar](const QPoint& pos) {
            if (links_.dataBarMenu)
                links_.dataBarMenu->popup(bar->mapToGlobal(pos));
        });
        bottom->addWidget(bar);
        bars_[static_cast<std::size_t>(which)] = bar;
    };
    make(DataBar::QuestionNum, QStringLiteral("出題数 ： "), QStringLiteral(" ： 0 / 0"),
         QStringLiteral("pnlQuestionNum"));
    make(DataBar::AtariNum, QStringLiteral("正解数 ： "), QStringLiteral(" ： 0 / 0"),
         QStringLiteral("pnlAtariNum"));
    make(DataBar::HazureNum, QStringLiteral("不正解数 ： "), QStringLiteral(" ： 0 / 0"),
         QStringLiteral("pnlHazureNum"));
    make(DataBar::Percent, QStringLiteral("正解率 ： "), QStringLiteral(" ： 0 / 0 ％"),
         QStringLiteral("pnlPercent"));
    make(DataBar::Time, QStringLiteral("時間 ： "), QStringLiteral(" ： 0 / 0 秒"),
         QStringLiteral("pnlTime"));
    // The wrong-answers bar is off until the learner turns it on.
    bars_[static_cast<std::size_t>(DataBar::HazureNum)]->hide();
}

// ---------------------------------------------------------------- look

void DrillPanel::applyLook() {
    const TUserSettings& s = settings_;
    moQuestion->setFont(ui::fontFor(s.look.FontQuestion, s.look.FontQuestionSize));
    ui::setTextColor(moQuestion, s.look.FontQuestionColor);
    txtAnswer->setFont(ui::fontFor(s.look.FontAnswer, 12));
    ui::setTextColor(txtAnswer, s.look.FontAnswerColor);
    moComment->setFont(ui::fontFor(s.look.FontComment, s.look.FontCommentSize));
    ui::setTextColor(moComment, s.look.FontCommentColor);
    moHatsuon->setFont(ui::fontFor(s.look.FontPhoneticSign, 12));
    ui::setTextColor(moHatsuon, s.look.FontPhoneticSignColor);
    moHatsuon->setFixedHeight(moHatsuon->fontMetrics().height() + 12);

    // The stored heights are the least the boxes get; a taller window gives them more.
    moQuestion->setMinimumHeight(panelHeight(s.look.moQuestionSize));
    moComment->setMinimumHeight(panelHeight(s.look.moCommentSize));
    moHatsuon->setVisible(s.drill.ShowPronunciation && !s.drill.ShowPronResultOnly);
    moComment->setVisible(s.drill.ShowComment);
    fitDrillPanels();
}

void DrillPanel::followSettings(SettingsNotifier& notifier) {
    connect(&notifier, &SettingsNotifier::changed, this, [this](SettingsGroups changed) {
        if (changed.has(SettingsGroup::Look) || changed.has(SettingsGroup::Drill)) applyLook();
        if (changed.has(SettingsGroup::Look)) applyDataBarColours();
    });
}

void DrillPanel::applyDataBarColours() {
    const TUserSettings& s = settings_;
    const long long colours[] = {s.look.ColorQuestionNum, s.look.ColorAtariNum, s.look.ColorHazureNum,
                                 s.look.ColorPercent, s.look.ColorTime};
    for (std::size_t i = 0; i < bars_.size(); ++i)
        bars_[i]->setGaugeColor(ui::colorFromSetting(colours[i]));
}

void DrillPanel::showDataBars(const std::array<bool, 5>& shown) {
    // The bars sit in their fixed order above the status bar; a hidden bar takes no room.
    for (ui::DataBar* bar : bars_)
        bar->hide();
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        if (shown[i])
            bars_[i]->show();
    }
}

void DrillPanel::setCommandButtonsVisible(bool visible) {
    pnlRightCommandButton->setVisible(visible);
}

bool DrillPanel::commandButtonsVisible() const {
    return !pnlRightCommandButton->isHidden();
}

void DrillPanel::fitDrillPanels() {
    // An empty row would keep its share of the height as a blank band.
    const bool commentRowShown = !moComment->isHidden() || !rgAnswer->isHidden();
    drillLayout_->setStretchFactor(commentRow_, commentRowShown ? 2 : 0);
}

void DrillPanel::showAnswerChoices(const std::vector<std::string>& texts, bool enabled) {
    // Choices that can be answered show the digit key that chooses them, before the text.
    QStringList items;
    for (const std::string& t : texts)
        items << (enabled ? QStringLiteral("%1 %2").arg(items.size() + 1).arg(ui::toQ(t))
                          : ui::toQ(t));
    // Each choice is one line: a long one is cut (whole in its tooltip), so that it cannot
    // widen the window.
    QStringList shown;
    for (const QString& item : items)
        shown << ui::shownText(item, ui::kShownLineMax);
    rgAnswer->setItems(shown);
    for (int i = 0; i < rgAnswer->count(); ++i)
        ui::showText(rgAnswer->button(i), items[i]);
    rgAnswer->setEnabled(enabled);
    rgAnswer->setVisible(!items.isEmpty());
    // The choices take the answer: a text typed into the field would be judged as none.
    txtAnswer->setEnabled(items.isEmpty());
    fitDrillPanels();
}

// ---------------------------------------------------------------- commands

std::string DrillPanel::typedAnswer() {
    // No accepted answer holds a character that Shift-JIS cannot hold: the learner is
    // told which one, and the answer counts as not given.
    return ui::fromQOrWarn(window(), txtAnswer->text()).value_or(std::string());
}

LearnerAnswer DrillPanel::answerOnScreen() {
    // The field is read only when the drill judges a typed text, so that a refused
    // character is told once, when it matters.
    LearnerAnswer answer;
    if (drill_->judgesTypedAnswer())
        answer.typed = typedAnswer();
    answer.choice = rgAnswer->itemIndex();
    return answer;
}

void DrillPanel::submitAnswer() {
    drill_->submit(answerOnScreen());
}

void DrillPanel::showNextLetter() {
    if (drill_->showsHints())
        drill_->HintShow(typedAnswer());
}

void DrillPanel::timerTick() {
    if (drill_->timerTick())
        drill_->submit(answerOnScreen());
}

// ---------------------------------------------------------------- DrillDisplay

void DrillPanel::setPrompts(const std::string& question, const std::string& answer) {
    lblQuestion->setText(ui::toQ(question));
    lblAnswer->setText(ui::toQ(answer));
}

void DrillPanel::setInputMethod(InputMethod method) {
    // Best effort, by hints only: English answers and choices ask for Latin input,
    // Japanese answers for none in particular. The field always takes the input method,
    // so no drill can leave the learner unable to type Japanese in a later one.
    txtAnswer->setAttribute(Qt::WA_InputMethodEnabled, true);
    txtAnswer->setInputMethodHints(method == InputMethod::Hiragana
                                       ? Qt::ImhNone
                                       : Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
}

void DrillPanel::setQuestionText(const std::string& text) {
    ui::showText(moQuestion, ui::toQ(text));
}

void DrillPanel::setQuestionWarning(bool warning) {
    ui::setTextColor(moQuestion, warning ? settings_.look.ColorType : settings_.look.FontQuestionColor);
}

void DrillPanel::setCommentText(const std::string& text) {
    ui::showText(moComment, ui::toQ(text));
}

void DrillPanel::setPronunciationText(const std::string& text) {
    ui::showText(moHatsuon, ui::toQ(text));
}

void DrillPanel::setAnswerText(const std::string& text) {
    txtAnswer->setText(ui::toQ(text));
}

void DrillPanel::setChoices(const std::vector<std::string>& texts, bool enabled) {
    showAnswerChoices(texts, enabled);
}

void DrillPanel::selectChoice(int index) {
    // The drill chooses and then answers by itself: the choice must not answer too.
    QSignalBlocker quiet(rgAnswer);
    rgAnswer->setItemIndex(index);
}

void DrillPanel::setBar(DataBar bar, const std::string& text, int value, int maximum) {
    ui::DataBar* target = bars_[static_cast<std::size_t>(bar)];
    target->setValue(ui::toQ(text), value, maximum);
}

void DrillPanel::focusStart() {
    if (cmdStart->isEnabled() && cmdStart->isVisibleTo(window()))
        cmdStart->setFocus();
    else
        focusAnswer();
}

void DrillPanel::focusAnswer() {
    if (txtAnswer->isEnabled())
        txtAnswer->setFocus();
    else
        moQuestion->setFocus();
}

void DrillPanel::startTimer() {
    tmrTimer->start();
}

void DrillPanel::stopTimer() {
    tmrTimer->stop();
}

// ---------------------------------------------------------------- keys

bool DrillPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtAnswer) {
        if (event->type() == QEvent::InputMethod) {
            // While the input method converts text, Enter confirms the conversion; it
            // must not also submit the answer.
            composing_ = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
        }
        if (event->type() == QEvent::ShortcutOverride) {
            // While the voice, next-letter and vocabulary-book commands are enabled,
            // their keys (Ctrl+V, Ctrl+N, Ctrl+A) run them instead of editing the field.
            auto* key = static_cast<QKeyEvent*>(event);
            QKeySequence pressed(key->keyCombination());
            for (QAction* a : {links_.playVoice, links_.nextWord, links_.addVocBook}) {
                if (a && a->isEnabled() && a->shortcut() == pressed)
                    return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool DrillPanel::drillKey(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = isEnter(event);
    if (enter && composing_)
        return true;
    const DrillState& state = drill_->state();
    if (enter && state.phase == DrillPhase::MemorizeAsking)
        return drill_->memorizeKey();  // once, and not also a submit
    if (state.choiceMode && state.phase == DrillPhase::Asking && key >= Qt::Key_1 &&
        key <= Qt::Key_9 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        drill_->choiceKey(key - Qt::Key_0);
        return true;  // digits choose; they are not typed
    }
    return false;
}

bool DrillPanel::previewKey(QWidget* control, QKeyEvent* key) {
    // The drill's controls (the question and comment boxes, the answer field, the choices,
    // the buttons) and the window itself; the toolbars' fields keep their own keys.
    if (control != window() && control != this && !isAncestorOf(control))
        return false;
    if (drillKey(key))
        return true;
    if (!isEnter(key) || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Enter on a focused push button presses that button, as in a dialog.
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        if (button->isEnabled())
            button->click();
        return true;
    }
    pressDefaultButton();
    return true;
}

void DrillPanel::pressDefaultButton() {
    // The start and result buttons are the default buttons: Enter presses whichever is
    // enabled.
    if (links_.result->isEnabled())
        links_.result->trigger();
    else if (links_.start->isEnabled())
        links_.start->trigger();
}

} // namespace qor
