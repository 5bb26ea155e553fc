#include "settings/SetupLookPages.h"

#include "settings/SettingsStore.h"
#include "settings/SetupWidgets.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/RadioGroup.h"
#include "ui/Switch.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace qor {

namespace {

// The sizes a learner can choose, and no others: the load brings a stored size into
// this range.
QComboBox* sizeList(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    for (int size = kFontSizeRange.lo; size <= kFontSizeRange.hi; ++size)
        list->addItem(QString::number(size));
    return list;
}

void showSize(QComboBox* list, int size) {
    const int shown = std::clamp(size, kFontSizeRange.lo, kFontSizeRange.hi);
    list->setCurrentIndex(shown - kFontSizeRange.lo);
}

void selectFace(QComboBox* list, const std::string& face) {
    list->setCurrentIndex(list->findText(ui::toQ(face), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace

QStringList offeredFontFaces() {
    QStringList faces{ui::toQ(TUserSettings::questionFace()),
                      ui::toQ(TUserSettings::ordinaryFace()), ui::toQ(TUserSettings::signFace())};
    for (const QString& family : QFontDatabase::families()) {
        if (!faces.contains(family) && !QFontDatabase::isPrivateFamily(family)) faces << family;
    }
    return faces;
}

// --- フォント ---

SetupFontPage::SetupFontPage(TUserSettings& settings, QWidget* parent)
    : SetupPage(settings, parent) {
    const char* captions[kFontSlots] = {
        "問題表示用 ： ",   "解答表示用 ： ",     "コメント表示用 ： ",  "発音記号表示用 ： ",
        "英語記入欄用 ： ", "日本語記入欄用 ： ", "コメント記入欄用 ： "};
    const char* names[kFontSlots] = {"Question", "Answer",   "Comment", "PhoneticSign",
                                     "English",  "Japanese", "Message"};

    auto* common = new QGroupBox(QStringLiteral("すべてのウインドウに共通 (&A)"), this);
    auto* maker = new QGroupBox(QStringLiteral("辞書作成 / 編集ウインドウ (&D)"), this);
    auto* commonGrid = new QGridLayout(common);
    auto* makerGrid = new QGridLayout(maker);
    cboFontQuestionSize = sizeList(QStringLiteral("cboFontQuestionSize"),
                                   QStringLiteral("問題表示用のサイズ"), common);
    cboFontCommentSize = sizeList(QStringLiteral("cboFontCommentSize"),
                                  QStringLiteral("コメント表示用のサイズ"), common);

    for (std::size_t i = 0; i < kFontSlots; ++i) {
        QGroupBox* group = i < 4 ? common : maker;
        QGridLayout* grid = i < 4 ? commonGrid : makerGrid;
        const int row = static_cast<int>(i < 4 ? i : i - 4);
        const QString caption = QString::fromUtf8(captions[i]);
        auto* label = new QLabel(caption, group);
        cboFont[i] = new QComboBox(group);
        cboFont[i]->setObjectName(QStringLiteral("cboFont") + QLatin1String(names[i]));
        cboFont[i]->setMinimumWidth(220);
        cboFont[i]->setMaxVisibleItems(20);
        label->setBuddy(cboFont[i]);
        cmdFontColor[i] = button(QStringLiteral("色"),
                                 QStringLiteral("cmdFontColor") + QLatin1String(names[i]), group);
        cmdFontColor[i]->setAccessibleName(caption.chopped(3) + QStringLiteral("の色"));
        grid->addWidget(label, row, 0);
        grid->addWidget(cboFont[i], row, 1);
        if (static_cast<FontSlot>(i) == FontSlot::Question)
            grid->addWidget(cboFontQuestionSize, row, 2);
        if (static_cast<FontSlot>(i) == FontSlot::Comment)
            grid->addWidget(cboFontCommentSize, row, 2);
        grid->addWidget(cmdFontColor[i], row, 3);
        const int slot = static_cast<int>(i);
        connect(cmdFontColor[i], &QPushButton::clicked, this,
                [this, slot] { cmdFontColorClick(slot); });
    }
    commonGrid->setColumnStretch(1, 1);
    makerGrid->setColumnStretch(1, 1);
    // Both groups' lists line up although only the first has sizes.
    makerGrid->setColumnMinimumWidth(2, cboFontQuestionSize->sizeHint().width());
    commonGrid->setColumnMinimumWidth(
        0, QLabel(QStringLiteral("コメント記入欄用 ： ")).sizeHint().width());
    makerGrid->setColumnMinimumWidth(
        0, QLabel(QStringLiteral("コメント記入欄用 ： ")).sizeHint().width());

    auto* resetLabel = new QLabel(QStringLiteral("フォント設定の初期化 ： "), this);
    cmdReset = button(QStringLiteral("初期化 (&R)"), QStringLiteral("cmdReset"), this);
    cmdReset->setAccessibleName(QStringLiteral("フォント設定の初期化"));
    auto* resetRow = ui::buttonRow({resetLabel, cmdReset});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(common);
    layout->addWidget(maker);
    layout->addLayout(resetRow);
    layout->addStretch(1);

    connect(cmdReset, &QPushButton::clicked, this, &SetupFontPage::cmdResetClick);
}

void SetupFontPage::FormShow() {
    const QStringList faces = offeredFontFaces();
    for (QComboBox* list : cboFont) {
        list->clear();
        list->addItems(faces);
    }
    showFonts(fontsOf(settings_.look));
    showSize(cboFontQuestionSize, settings_.look.FontQuestionSize);
    showSize(cboFontCommentSize, settings_.look.FontCommentSize);
}

void SetupFontPage::showFonts(const SetupFonts& fonts) {
    for (std::size_t i = 0; i < kFontSlots; ++i) {
        selectFace(cboFont[i], fonts[i].face);
        setColor(i, fonts[i].color);
    }
}

void SetupFontPage::setColor(std::size_t slot, int color) {
    colors_[slot] = color;
    setListTextColor(cboFont[slot], color);
}

bool SetupFontPage::store(TUserSettings& next) {
    SetupFonts fonts;
    for (std::size_t i = 0; i < kFontSlots; ++i) {
        // A list without a selection keeps the record's face.
        fonts[i].face = cboFont[i]->currentIndex() < 0
                            ? std::string()
                            : ui::fromQ(cboFont[i]->currentText()).value_or(std::string());
        fonts[i].color = colors_[i];
    }
    setFonts(next.look, fonts);
    next.look.FontQuestionSize = cboFontQuestionSize->currentText().toInt();
    next.look.FontCommentSize = cboFontCommentSize->currentText().toInt();
    return true;
}

void SetupFontPage::cmdResetClick() {
    showFonts(defaultFonts());
    showSize(cboFontQuestionSize, kDefaultQuestionSize);
    showSize(cboFontCommentSize, kDefaultCommentSize);
}

void SetupFontPage::cmdFontColorClick(int slot) {
    const std::size_t i = static_cast<std::size_t>(slot);
    if (i >= kFontSlots) return;
    if (auto chosen = ui::platform().chooseColor(this, ui::colorFromSetting(colors_[i])))
        setColor(i, static_cast<int>(ui::settingFromColor(*chosen)));
}

// --- カラー ---

SetupColorPage::SetupColorPage(TUserSettings& settings, QWidget* parent)
    : SetupPage(settings, parent) {
    chkColorChangeOn = checkBox(QStringLiteral("問題表示の文字色を変更する (&C)"),
                                QStringLiteral("chkColorChangeOn"), this);
    gbColorChange = new QGroupBox(this);
    gbColorChange->setObjectName(QStringLiteral("gbColorChange"));
    auto* percentLabel = new QLabel(QStringLiteral("正解率が、"), gbColorChange);
    txtChangeColorPercent = new QSpinBox(gbColorChange);
    txtChangeColorPercent->setObjectName(QStringLiteral("txtChangeColorPercent"));
    txtChangeColorPercent->setRange(1, 100);
    txtChangeColorPercent->setAlignment(Qt::AlignRight);
    percentLabel->setBuddy(txtChangeColorPercent);
    auto* percentTail = new QLabel(QStringLiteral(" ％以下のときは、"), gbColorChange);
    pnlColorType = new ColorPanel(QStringLiteral("問題表示の文字色"), gbColorChange);
    pnlColorType->setObjectName(QStringLiteral("pnlColorType"));
    rgChangeType = new ui::RadioGroup(QString(), gbColorChange);
    rgChangeType->setObjectName(QStringLiteral("rgChangeType"));
    rgChangeType->setFlat(true);
    rgChangeType->setAccessibleName(QStringLiteral("正解率の種類"));
    rgChangeType->setItems({QStringLiteral("単語毎の正解率によって変更する (&V)"),
                            QStringLiteral("学習毎の正解率によって変更する (&S)")});
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(percentLabel);
    percentRow->addWidget(txtChangeColorPercent);
    percentRow->addWidget(percentTail);
    percentRow->addWidget(pnlColorType);
    percentRow->addStretch(1);
    auto* changeLayout = new QVBoxLayout(gbColorChange);
    changeLayout->addLayout(percentRow);
    changeLayout->addWidget(rgChangeType);

    auto* bars = new QGroupBox(QStringLiteral("データバーの色設定"), this);
    const char* captions[kDataBars] = {"出題数を表示する (&Q)", "正解数を表示する (&A)",
                                       "不正解数を表示する (&H)", "正解率を表示する (&P)",
                                       "制限時間を表示する (&T)"};
    const char* names[kDataBars] = {"QuestionNum", "AtariNum", "HazureNum", "Percent", "Time"};
    auto* barGrid = new QGridLayout(bars);
    for (std::size_t i = 0; i < kDataBars; ++i) {
        const QString caption = QString::fromUtf8(captions[i]);
        chkDataBar[i] =
            checkBox(caption, QStringLiteral("chkShow") + QLatin1String(names[i]), bars);
        pnlDataBar[i] = new ColorPanel(caption.left(caption.indexOf(QStringLiteral("を"))) +
                                           QStringLiteral("のデータバーの色"),
                                       bars);
        pnlDataBar[i]->setObjectName(QStringLiteral("pnl") + QLatin1String(names[i]));
        barGrid->addWidget(chkDataBar[i], static_cast<int>(i), 0);
        barGrid->addWidget(pnlDataBar[i], static_cast<int>(i), 1);
    }
    barGrid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkColorChangeOn);
    layout->addWidget(gbColorChange);
    layout->addWidget(bars);
    layout->addStretch(1);

    for (std::size_t i = 0; i < kDataBars; ++i)
        bind(chkDataBar[i], kDataBarKeys[i]);
    bind(chkColorChangeOn, "ColorChangeOn", true);
    ui::onToggled(chkColorChangeOn, this, &SetupColorPage::chkColorChangeOnClick);
}

void SetupColorPage::FormShow() {
    const LookSettings& look = settings_.look;
    // The panel and the percentage show the record even while the group is off.
    txtChangeColorPercent->setValue(look.ChangeColorPercent);
    pnlColorType->setColor(look.ColorType);
    showBound();
    for (std::size_t i = 0; i < kDataBars; ++i)
        pnlDataBar[i]->setColor(look.*kDataBarFields[i].color);
}

bool SetupColorPage::store(TUserSettings& next) {
    storeBound(next);
    LookSettings& look = next.look;
    // Unticked, only the switch changes.
    if (look.ColorChangeOn) {
        const int type = rgChangeType->itemIndex() + 1;
        if (type == 1 || type == 2) look.ChangeType = type;
        look.ChangeColorPercent = txtChangeColorPercent->value();
        look.ColorType = pnlColorType->color();
    }
    for (std::size_t i = 0; i < kDataBars; ++i)
        look.*kDataBarFields[i].color = pnlDataBar[i]->color();
    return true;
}

void SetupColorPage::chkColorChangeOnClick() {
    const bool on = chkColorChangeOn->isChecked();
    gbColorChange->setEnabled(on);
    if (!on) {
        rgChangeType->setItemIndex(-1);
        return;
    }
    rgChangeType->setItemIndex(settings_.look.ChangeType == 1 ? 0 : 1);
    txtChangeColorPercent->setValue(settings_.look.ChangeColorPercent);
    pnlColorType->setColor(settings_.look.ColorType);
}

} // namespace qor
