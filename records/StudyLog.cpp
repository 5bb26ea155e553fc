#include "StudyLog.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "records/RecordFiles.h"

namespace qor {

std::vector<std::string> StudyLog::block(const DateTexts& now, const StudyLogEntry& e) {
    const std::string rule(55, '=');
    const std::string date = now.monthDay + "/" + now.year + sj("、   ");
    const std::string count = sj("問");
    return {
        rule,
        sj("学習開始 ： ") + date + e.startClock,
        sj("学習終了 ： ") + date + now.clock,
        sj("辞書 ： ") + e.dicFileName,
        sj("出題数 ： ") + std::to_string(e.planned) + count,
        sj("正解数 ： ") + std::to_string(e.right) + count + "\t" + sj("不正解数 ： ") +
            std::to_string(e.wrong) + count + "\t" + sj("正解率 ： ") +
            std::to_string(e.percentage) + sj("％"),
        rule,
        std::string(),
    };
}

FileStatus StudyLog::MakeStudyLog(const std::string& userFolder, const DateTexts& now,
                                  const StudyLogEntry& entry) {
    return appendLines(studyLogPath(userFolder, now.yearMonth), block(now, entry));
}

} // namespace qor
