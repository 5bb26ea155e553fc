#pragma once
// The settings record of the running program, made of groups by the windows that use
// them: each window takes the group it needs. Fields are named after their keys of
// Setup.ini; a switch is a bool (the file holds 1 or 0).

#include <string>

namespace qor {

// How the drill asks and judges: the "全般" tab, and the time limit of the drill.
struct DrillOptions {
    bool TimeLimitOn = false;  // not stored: set in the settings dialog for this run
    int TimeLimit = 5;         // seconds; not stored
    bool ShowResult = false;
    bool ShowErrorOnly = false;
    bool ShowEasyError = false;
    bool ShowEasyAtari = false;
    bool ErrorDialogOn = false;
    bool RepeatError = false;
    bool ShowPronunciation = false;
    bool ShowPronResultOnly = false;
    bool ShowHint = false;
    bool IgnoreCase = false;
    bool ShowComment = false;
    bool ImportantOn = false;
    bool AutoImportantOn = false;
    bool MultiRandomOn = false;
    bool MakeLogFile = false;

    bool operator==(const DrillOptions&) const = default;
};

// How the main window behaves: its place, size and toolbars at exit, flat buttons, the
// date in its title bar, the input method, and a click on the verdict.
struct WindowSettings {
    bool ClickResult = false;
    bool AutoImeOn = false;
    bool SavePosition = false;
    bool SaveSize = false;
    bool SaveToolBar = false;
    bool NotFlat = false;
    bool ShowDate = false;
    int DateType = 0;  // 0..2: the form of the date in the title bar

    bool operator==(const WindowSettings&) const = default;
};

// The sound effects and the voice of the words.
struct SoundSettings {
    bool VoiceOn = false;
    int VoiceType = 0;  // -1 none, 0 sound files in HatsuonDir, 1 the companion
    bool AutoVoiceOn = false;
    bool AtariOn = false;
    bool HazureOn = false;
    bool FinishOn = false;
    std::string HatsuonDir;
    std::string HearingPath;
    std::string AtariSoundFile;
    std::string HazureSoundFile;
    std::string FinishSoundFile;
    bool CompanionFound = false;  // not stored: the companion program was found

    bool operator==(const SoundSettings&) const = default;
};

// The background music: its switch, source and state, written by the music group and
// the player as the music starts and stops.
struct MusicState {
    bool MusicOn = false;
    int MusicSource = 0;
    bool MusicPlaying = false;
    // "CD-Drive": the drive of the background-music CD. The sound part reads it when the
    // CD player starts and writes it after a drive change; the start-up load does not
    // read it and the settings dialog's OK does not save it.
    std::string CD_Drive;

    bool operator==(const MusicState&) const = default;
};

// The files the drill reads and writes besides the dictionary's own.
struct PathSettings {
    std::string DefDicPath;  // "defDicFilePath", or the last dictionary with UseEndDicFile
    std::string DicInUse;    // not stored: full path of the dictionary in use
    bool UseEndDicFile = false;
    bool SaveError = false;
    std::string SaveErrorFile;
    std::string PhoneticSignFile;
    bool VocBookOn = false;
    std::string VocBook;

    bool operator==(const PathSettings&) const = default;
};

// The study schedule.
struct ScheduleSettings {
    bool PlanOn = false;
    bool ShowPlanOn = false;

    bool operator==(const ScheduleSettings&) const = default;
};

// Fonts, colours, the data bars and the heights of the drill's panels.
struct LookSettings {
    // [Font]
    std::string FontQuestion;
    int FontQuestionSize = 0;
    std::string FontAnswer;
    std::string FontComment;
    int FontCommentSize = 0;
    std::string FontPhoneticSign;
    std::string FontEnglish;
    std::string FontJapanese;
    std::string FontMessage;

    // [Color] (24-bit, red in the lowest byte). The five gauge colours are the keys
    // "QuestionNum", "AtariNum", "HazureNum", "Percent" and "Time".
    int ColorType = 0;
    int ColorQuestionNum = 0;
    int ColorAtariNum = 0;
    int ColorHazureNum = 0;
    int ColorPercent = 0;
    int ColorTime = 0;
    int FontQuestionColor = 0;
    int FontAnswerColor = 0;
    int FontCommentColor = 0;
    int FontPhoneticSignColor = 0;
    int FontEnglishColor = 0;
    int FontJapaneseColor = 0;
    int FontMessageColor = 0;

    // [Data Bar]
    bool ShowQuestionNum = false;
    bool ShowAtariNum = false;
    bool ShowHazureNum = false;
    bool ShowPercent = false;
    bool ShowTime = false;

    // The colour change of the question text ([Setup]).
    bool ColorChangeOn = false;
    int ChangeType = 0;  // 1 per word, 2 per drill
    int ChangeColorPercent = 0;

    // Least heights of the question and comment panels ([Setup]).
    int moQuestionSize = 0;
    int moCommentSize = 0;

    bool operator==(const LookSettings&) const = default;
};

// [Default Dictionary Type]: the four dictionaries of the question setup's choice.
struct DefaultDictionaryTypes {
    std::string defDicType;
    std::string defDicCaption;
    std::string defDicType_1;
    std::string defDicCaption_1;
    std::string defDicType_2;
    std::string defDicCaption_2;
    std::string defDicType_3;
    std::string defDicCaption_3;

    bool operator==(const DefaultDictionaryTypes&) const = default;
};

// [Review]: the daily review's target and pace (percent, words per day).
struct ReviewOptions {
    int TargetRetention = 90;
    int NewWordsPerDay = 20;

    bool operator==(const ReviewOptions&) const = default;
};

struct TUserSettings {
    // --- not stored in Setup.ini ---
    std::string ProgramFolder;  // the data root, with trailing "/"
    std::string UserName = " ";
    bool ShowUser = false;      // of User.ini

    DrillOptions drill;
    WindowSettings window;
    SoundSettings sound;
    MusicState music;
    PathSettings files;
    ScheduleSettings schedule;
    LookSettings look;
    DefaultDictionaryTypes dicTypes;
    ReviewOptions review;

    // The font names used as defaults.
    static std::string ordinaryFace();  // "ＭＳ Ｐゴシック"
    static std::string questionFace();  // "ＭＳ 明朝"
    static std::string signFace();      // "Qor PronSign"

    std::string userFolder() const { return ProgramFolder + UserName; }
    // user folder + "/" + file name
    std::string userFile(const std::string& name) const { return userFolder() + "/" + name; }
    std::string setupIniPath() const { return userFile("Setup.ini"); }
};

} // namespace qor
