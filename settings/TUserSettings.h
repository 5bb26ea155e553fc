#pragma once
// The settings record of the running program: one field per option key of Setup.ini
// (named after its key), plus the few values that live only in memory.

#include <string>

namespace qor {

struct TUserSettings {
    // --- not stored in Setup.ini ---
    std::string ProgramFolder;  // the data root, with trailing "/"
    std::string UserName = " ";
    std::string DefDicPath;     // "defDicFilePath", or the last dictionary with UseEndDicFile
    std::string DicInUse;       // full path of the dictionary in use ("DicFilePath" at exit)
    int ShowUser = 0;           // of User.ini
    int TimeLimitOn = 0;
    int TimeLimit = 5;
    int MusicOn = 0;
    int MusicSource = 0;
    int MusicPlaying = 0;
    int CompanionFound = 0;

    // --- [Setup] ---
    int ShowResult = 0;
    int ShowErrorOnly = 0;
    int ShowEasyError = 0;
    int ShowEasyAtari = 0;
    int ErrorDialogOn = 0;
    int RepeatError = 0;
    int ShowPronunciation = 0;
    int ShowPronResultOnly = 0;
    int ShowHint = 0;
    int IgnoreCase = 0;
    int ShowComment = 0;
    int ImportantOn = 0;
    int AutoImportantOn = 0;
    int ClickResult = 0;
    int VoiceOn = 0;
    int VoiceType = 0;
    int AutoVoiceOn = 0;
    int MultiRandomOn = 0;
    int MakeLogFile = 0;
    int AutoImeOn = 0;
    int UseEndDicFile = 0;
    int SaveError = 0;
    int VocBookOn = 0;
    int AtariOn = 0;
    int HazureOn = 0;
    int FinishOn = 0;
    int ColorChangeOn = 0;
    int ChangeType = 0;
    int ChangeColorPercent = 0;
    int SavePosition = 0;
    int SaveSize = 0;
    int SaveToolBar = 0;
    int NotFlat = 0;
    int ShowDate = 0;
    int DateType = 0;
    int moQuestionSize = 0;
    int moCommentSize = 0;
    int PlanOn = 0;
    int ShowPlanOn = 0;
    // "CD-Drive": the drive of the background-music CD. The sound part reads it when the
    // CD player starts and writes it after a drive change; the start-up load does not
    // read it and the settings dialog's OK does not save it.
    std::string CD_Drive;

    // --- [File Path] --- ("defDicFilePath" is DefDicPath above)
    std::string HatsuonDir;
    std::string HearingPath;
    std::string SaveErrorFile;
    std::string PhoneticSignFile;
    std::string VocBook;
    std::string AtariSoundFile;
    std::string HazureSoundFile;
    std::string FinishSoundFile;

    // --- [Font] ---
    std::string FontQuestion;
    int FontQuestionSize = 0;
    std::string FontAnswer;
    std::string FontComment;
    int FontCommentSize = 0;
    std::string FontPhoneticSign;
    std::string FontEnglish;
    std::string FontJapanese;
    std::string FontMessage;

    // --- [Color] --- (24-bit, red in the lowest byte). The five gauge colours are the
    // keys "QuestionNum", "AtariNum", "HazureNum", "Percent" and "Time".
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

    // --- [Data Bar] ---
    int ShowQuestionNum = 0;
    int ShowAtariNum = 0;
    int ShowHazureNum = 0;
    int ShowPercent = 0;
    int ShowTime = 0;

    // --- [Default Dictionary Type] ---
    std::string defDicType;
    std::string defDicCaption;
    std::string defDicType_1;
    std::string defDicCaption_1;
    std::string defDicType_2;
    std::string defDicCaption_2;
    std::string defDicType_3;
    std::string defDicCaption_3;

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
