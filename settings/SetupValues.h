#pragma once
// The settings dialog's controls as plain values, and the rules by which its OK copies
// them into the settings record. The dialog reads its controls into SetupValues; the
// copy below decides which record field takes what.

#include "settings/TUserSettings.h"

#include <array>
#include <string>

namespace qor {

// The seven fonts of the "フォント" tab, in the order of the tab and of section "Font".
enum class FontSlot { Question, Answer, Comment, PhoneticSign, English, Japanese, Message };
inline constexpr std::size_t kFontSlots = 7;

struct FontValue {
    std::string face; // CP932; empty when the list has no selection
    int color = 0;    // red in the lowest byte
};
using SetupFonts = std::array<FontValue, kFontSlots>;

// The five data bars, top to bottom.
inline constexpr std::size_t kDataBars = 5;

struct SetupValues {
    // "全般"
    bool timeLimitOn = false;
    int timeLimit = 5;
    bool showResult = false, showErrorOnly = false, showEasyError = false, showEasyAtari = false;
    bool errorDialogOn = false, repeatError = false;
    bool showPronunciation = false, showPronResultOnly = false;
    bool showHint = false, ignoreCase = false, showComment = false;
    bool importantOn = false, autoImportantOn = false;
    bool multiRandomOn = false, makeLogFile = false, autoImeOn = false;
    // "ファイル"
    std::string defDicPath;
    bool useEndDicFile = false;
    std::string phoneticSignFile;
    bool saveError = false;
    std::string saveErrorFile;
    std::string vocBook;
    // "ユーザー"
    std::string userName;
    bool showUser = false;
    // "スケジュール"
    bool planOn = false, showPlanOn = false;
    // "サウンド"
    bool atariOn = false, hazureOn = false, finishOn = false;
    std::string atariSoundFile, hazureSoundFile, finishSoundFile;
    // "音声"
    bool voiceOn = false;
    int voiceType = -1; // item index of the source choice, -1 when none is chosen
    bool autoVoiceOn = false;
    std::string hatsuonDir;  // the folder field of the sound-file source
    std::string hearingPath; // the path field of the companion source
    // "フォント"
    SetupFonts fonts;
    int fontQuestionSize = 25, fontCommentSize = 13;
    // "カラー"
    bool colorChangeOn = false;
    int changeType = 0; // 1 per word, 2 per drill, 0 when neither is chosen
    int changeColorPercent = 50;
    int colorType = 255;
    std::array<bool, kDataBars> dataBars{};
    std::array<int, kDataBars> barColors{};
    // "その他"
    bool savePosition = false, saveSize = false, saveToolBar = false, notFlat = false;
    bool showDate = false;
    int dateType = 0; // index of the date choice, -1 when none
    int moQuestionSize = 60, moCommentSize = 50;
};

// The fonts of the record, in slot order.
SetupFonts fontsOf(const TUserSettings& s);
// "初期化 (&R)" of the fonts: the program's faces, all black.
SetupFonts defaultFonts();
inline constexpr int kDefaultQuestionSize = 25;
inline constexpr int kDefaultCommentSize = 13;

enum class SetupCopy {
    Done,
    // The companion is the voice source but no path is given: the copy stopped after the
    // first group of values (the display, file, sound and voice switches).
    NoCompanionPath,
};

// OK's copy into the record, in its order:
// 1. the display and drill switches, the file paths (a missed-word file or a sound file
//    whose box is unticked is stored empty; "VocBookOn" is 1 exactly when the vocabulary
//    book field is not empty), the sounds, the voice switches;
// 2. the voice source's path: the folder of the sound files ("HatsuonDir", ending in "/"),
//    or the companion ("HearingPath"; an empty one stops the copy here);
// 3. the user, "ShowUser", the schedule switches;
// 4. fonts (a list without a selection keeps the record's face), colours, sizes;
// 5. the colour change (only "ColorChangeOn" when unticked), data bars and their colours;
// 6. window behaviour, the title-bar date ("DateType" 0 while "ShowDate" is off), heights.
SetupCopy copySetupValues(const SetupValues& v, TUserSettings& s);

} // namespace qor
