#include "lang/AppLang.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "lang/LanguageSetting.h"

namespace {

using THaldenFuncs::TAppLang;
using THaldenFuncs::TDetectType;
using THaldenFuncs::TLangType;

struct LocaleCase {
    const char* locale;
    std::uint16_t languageId;
    TLangType langType;
};

TEST(AppLangTest, SystemLocaleChoosesLanguage) {
    const LocaleCase cases[] = {
        {"zh_CN.UTF-8", 0x0804, TLangType::SimplifiedChinese},
        {"zh_CN", 0x0804, TLangType::SimplifiedChinese},
        {"zh_CN.GB18030@euro", 0x0804, TLangType::SimplifiedChinese},
        {"zh_SG.GBK", 0x1004, TLangType::SimplifiedChinese},
        {"zh_TW.UTF-8", 0x0404, TLangType::TraditionalChinese},
        {"zh_TW.Big5", 0x0404, TLangType::TraditionalChinese},
        {"zh-hk", 0x0C04, TLangType::TraditionalChinese},
        {"zh_HK.UTF-8", 0x0C04, TLangType::TraditionalChinese},
        {"zh_MO", 0x1404, TLangType::TraditionalChinese},
        {"en_US.UTF-8", 0x0409, TLangType::English},
        {"de_DE", 0x0409, TLangType::English},
        {"C", 0x0409, TLangType::English},
        {"POSIX", 0x0409, TLangType::English},
        {"", 0x0409, TLangType::English},
        {"zh", 0x0409, TLangType::English},
        {"zh_XX", 0x0409, TLangType::English},
        {"zhx_CN", 0x0409, TLangType::English},
        {"zh_CNX", 0x0409, TLangType::English},
    };
    for (const LocaleCase& c : cases) {
        const TAppLang lang(c.locale);
        EXPECT_EQ(lang.SystemLanguageId(), c.languageId) << c.locale;
        EXPECT_EQ(lang.LangType(), c.langType) << c.locale;
        EXPECT_EQ(lang.DetectType(), TDetectType::FollowSystem) << c.locale;
        EXPECT_TRUE(lang.CvtBig5()) << c.locale;
    }
}

TEST(AppLangTest, LanguageIdRulesLookAtPrimaryAndSubLanguage) {
    // Chinese with a sub-language the locale mapping never produces still follows the rule.
    EXPECT_EQ(THaldenFuncs::LangTypeForLanguageId(0x0004), TLangType::TraditionalChinese);
    EXPECT_EQ(THaldenFuncs::LangTypeForLanguageId(0x7C04), TLangType::TraditionalChinese);
    EXPECT_EQ(THaldenFuncs::LangTypeForLanguageId(0x0809), TLangType::English);
    // Primary language 0x204 would pass for Chinese if only the low byte were looked at.
    EXPECT_EQ(THaldenFuncs::LangTypeForLanguageId(0x0604), TLangType::English);
}

// Sets the three locale variables for the life of the object and restores them afterwards.
class LocaleEnvironment {
  public:
    LocaleEnvironment(const char* lcAll, const char* lcMessages, const char* lang) {
        Set("LC_ALL", lcAll);
        Set("LC_MESSAGES", lcMessages);
        Set("LANG", lang);
    }
    ~LocaleEnvironment() {
        for (const Saved& s : saved_) {
            if (s.value) {
                setenv(s.name, s.value->c_str(), 1);
            } else {
                unsetenv(s.name);
            }
        }
    }

  private:
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    std::vector<Saved> saved_;
};

TEST(AppLangTest, EnvironmentIsReadInOrderSkippingEmptyValues) {
    {
        const LocaleEnvironment env("zh_TW.UTF-8", "zh_CN.UTF-8", "en_US.UTF-8");
        EXPECT_EQ(TAppLang().SystemLanguageId(), 0x0404);
    }
    {
        const LocaleEnvironment env("", "zh_HK", "zh_CN.UTF-8");
        EXPECT_EQ(TAppLang().SystemLanguageId(), 0x0C04);
    }
    {
        const LocaleEnvironment env(nullptr, "", "zh_SG");
        EXPECT_EQ(TAppLang().SystemLanguageId(), 0x1004);
    }
    {
        const LocaleEnvironment env(nullptr, nullptr, nullptr);
        EXPECT_EQ(THaldenFuncs::SystemLocaleName(), "");
        EXPECT_EQ(TAppLang().SystemLanguageId(), 0x0409);
        EXPECT_EQ(TAppLang().LangType(), TLangType::English);
    }
}

TEST(AppLangTest, LanguageIsReadOnceAtConstruction) {
    std::optional<TAppLang> lang;
    {
        const LocaleEnvironment env("zh_TW", nullptr, nullptr);
        lang.emplace();
    }
    const LocaleEnvironment env("en_US", nullptr, nullptr);
    lang->SetLangType(TLangType::English);
    lang->SetDetectType(TDetectType::FollowSystem);
    EXPECT_EQ(lang->LangType(), TLangType::TraditionalChinese);
}

TEST(AppLangTest, SetLangTypeFixesLanguageUntilDetectionIsAskedFor) {
    TAppLang lang("zh_CN");
    lang.SetLangType(TLangType::TraditionalChinese);
    EXPECT_EQ(lang.LangType(), TLangType::TraditionalChinese);
    EXPECT_EQ(lang.DetectType(), TDetectType::Explicit);
    lang.SetDetectType(TDetectType::Explicit);
    EXPECT_EQ(lang.LangType(), TLangType::TraditionalChinese);
    lang.SetDetectType(TDetectType::FollowSystem);
    EXPECT_EQ(lang.LangType(), TLangType::SimplifiedChinese);
}

struct SettingCase {
    const char* systemLocale;
    int setting;
    TLangType expected;
    TDetectType detect;
};

TEST(LanguageSettingTest, SettingChoosesLanguageOrFollowsSystem) {
    const SettingCase cases[] = {
        {"zh_TW", 0, TLangType::English, TDetectType::Explicit},
        {"en_US", 1, TLangType::SimplifiedChinese, TDetectType::Explicit},
        {"en_US", 2, TLangType::TraditionalChinese, TDetectType::Explicit},
        {"zh_TW", 7, TLangType::TraditionalChinese, TDetectType::FollowSystem},
        {"en_US", 7, TLangType::English, TDetectType::FollowSystem},
        {"zh_CN", 7, TLangType::SimplifiedChinese, TDetectType::FollowSystem},
        {"zh_HK", -1, TLangType::TraditionalChinese, TDetectType::FollowSystem},
        {"zh_SG", 3, TLangType::SimplifiedChinese, TDetectType::FollowSystem},
    };
    for (const SettingCase& c : cases) {
        // Start from a different explicit choice so that a setting that changes nothing shows.
        TAppLang lang(c.systemLocale);
        lang.SetLangType(c.expected == TLangType::English ? TLangType::SimplifiedChinese
                                                          : TLangType::English);
        radioprog::ApplyLanguageSetting(lang, c.setting);
        EXPECT_EQ(lang.LangType(), c.expected) << c.systemLocale << " " << c.setting;
        EXPECT_EQ(lang.DetectType(), c.detect) << c.systemLocale << " " << c.setting;
    }
}

}  // namespace
