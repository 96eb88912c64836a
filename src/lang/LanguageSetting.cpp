#include "lang/LanguageSetting.h"

namespace radioprog {

using THaldenFuncs::TDetectType;
using THaldenFuncs::TLangType;

void ApplyLanguageSetting(THaldenFuncs::TAppLang& lang, int languageSetting) {
    switch (languageSetting) {
        case kLanguageSettingEnglish:
            lang.SetLangType(TLangType::English);
            break;
        case kLanguageSettingSimplified:
            lang.SetLangType(TLangType::SimplifiedChinese);
            break;
        case kLanguageSettingTraditional:
            lang.SetLangType(TLangType::TraditionalChinese);
            break;
        default:
            lang.SetDetectType(TDetectType::FollowSystem);
            break;
    }
}

}  // namespace radioprog
