#pragma once
// The tabs "フォント" (the seven fonts with their colours and the two sizes) and "カラー"
// (the question's warning colour and the data bars) of the settings dialog.

#include "settings/SetupFonts.h"
#include "settings/SetupPage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSpinBox;

namespace ui {
class RadioGroup;
}

namespace qor {

class ColorPanel;

class SetupFontPage : public SetupPage {
    Q_OBJECT
public:
    SetupFontPage(TUserSettings& settings, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

    // The colour a list's text is shown in.
    int fontColor(FontSlot slot) const { return colors_[static_cast<std::size_t>(slot)]; }

public slots:
    void cmdResetClick();
    void cmdFontColorClick(int slot);

private:
    void showFonts(const SetupFonts& fonts);
    void setColor(std::size_t slot, int color);

    std::array<int, kFontSlots> colors_{};

    QComboBox* cboFontQuestionSize;
    QComboBox* cboFontCommentSize;
    QPushButton* cmdReset;
    // One font list and one "色" button per FontSlot.
    std::array<QComboBox*, kFontSlots> cboFont;
    std::array<QPushButton*, kFontSlots> cmdFontColor;
};

class SetupColorPage : public SetupPage {
    Q_OBJECT
public:
    SetupColorPage(TUserSettings& settings, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

public slots:
    void chkColorChangeOnClick();

private:
    QCheckBox* chkColorChangeOn;
    QGroupBox* gbColorChange;
    QSpinBox* txtChangeColorPercent;
    ColorPanel* pnlColorType;
    ui::RadioGroup* rgChangeType; // per word, per drill
    // The five data bars, top to bottom: box and gauge colour.
    std::array<QCheckBox*, kDataBars> chkDataBar;
    std::array<ColorPanel*, kDataBars> pnlDataBar;
};

// The font lists offer the program's own faces (drawn with the fonts that stand in for
// them) and every installed family; a face that is neither has no item.
QStringList offeredFontFaces();

} // namespace qor
