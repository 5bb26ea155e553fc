#include "TUserSettings.h"

#include "base/Cp932.h"

namespace qor {

std::string TUserSettings::ordinaryFace() {
    return sj("ＭＳ Ｐゴシック");
}

std::string TUserSettings::questionFace() {
    return sj("ＭＳ 明朝");
}

std::string TUserSettings::signFace() {
    return "Qor PronSign";
}

} // namespace qor
