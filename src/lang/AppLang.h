#pragma once
// The language object: which of the three languages every lookup uses, and the conversion of
// traditional-Chinese text from GBK to Big5 bytes. The program has exactly one, in AppData.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace THaldenFuncs {

// Text as the tables and the project image hold it: a byte string in a Chinese code page.
using THaldenString = std::string;

enum class TLangType : std::uint8_t {
    English = 1,
    SimplifiedChinese = 2,
    TraditionalChinese = 3,
};

enum class TDetectType : std::uint8_t {
    FollowSystem = 0,  // LangType is derived from the system language id
    Explicit = 1,      // LangType was set by the program
};

// Language ids in the operating system's numbering: primary language in the low 10 bits,
// sub-language in the high 6 bits.
inline constexpr std::uint16_t kLangIdEnglishUS = 0x0409;
inline constexpr std::uint16_t kLangIdChineseMainland = 0x0804;
inline constexpr std::uint16_t kLangIdChineseSingapore = 0x1004;
inline constexpr std::uint16_t kLangIdChineseTaiwan = 0x0404;
inline constexpr std::uint16_t kLangIdChineseHongKong = 0x0C04;
inline constexpr std::uint16_t kLangIdChineseMacau = 0x1404;

inline constexpr std::uint16_t kPrimaryLanguageMask = 0x03FF;
inline constexpr std::uint16_t kPrimaryLanguageChinese = 0x04;
inline constexpr int kSubLanguageShift = 10;
inline constexpr std::uint16_t kSubLanguageMainland = 2;
inline constexpr std::uint16_t kSubLanguageSingapore = 4;

// Everything a TAppLang needs to be built is inline here, so that whatever holds an AppData
// links without the language library; only the text conversions live in it.

namespace detail {

inline char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace detail

// Maps a POSIX locale name ("zh_TW.UTF-8", "zh-HK", "en_US", "C", "") to a language id.
// Chinese locales of the five regions above get their own ids; everything else, a Chinese
// locale without a known region included, counts as US English.
inline std::uint16_t LanguageIdFromLocale(std::string_view localeName) {
    // language[_territory][.codeset][@modifier]
    const std::size_t nameEnd = localeName.find_first_of(".@");
    const std::string_view name = localeName.substr(0, nameEnd);
    const std::size_t separator = name.find_first_of("_-");
    if (separator == std::string_view::npos ||
        !detail::EqualsIgnoringCase(name.substr(0, separator), "zh")) {
        return kLangIdEnglishUS;
    }
    const std::string_view region = name.substr(separator + 1);
    struct RegionId {
        std::string_view region;
        std::uint16_t id;
    };
    constexpr RegionId kChineseRegions[] = {{"CN", kLangIdChineseMainland},
                                            {"SG", kLangIdChineseSingapore},
                                            {"TW", kLangIdChineseTaiwan},
                                            {"HK", kLangIdChineseHongKong},
                                            {"MO", kLangIdChineseMacau}};
    for (const RegionId& known : kChineseRegions) {
        if (detail::EqualsIgnoringCase(region, known.region)) {
            return known.id;
        }
    }
    return kLangIdEnglishUS;
}

// The locale that names the message language: the first of LC_ALL, LC_MESSAGES, LANG that is
// set and not empty; empty when none is.
inline std::string SystemLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return value;
        }
    }
    return {};
}

// The language a system id asks for: English unless the primary language is Chinese;
// simplified for the mainland and Singapore, traditional for every other Chinese region.
inline TLangType LangTypeForLanguageId(std::uint16_t languageId) {
    if ((languageId & kPrimaryLanguageMask) != kPrimaryLanguageChinese) {
        return TLangType::English;
    }
    const std::uint16_t subLanguage = languageId >> kSubLanguageShift;
    if (subLanguage == kSubLanguageMainland || subLanguage == kSubLanguageSingapore) {
        return TLangType::SimplifiedChinese;
    }
    return TLangType::TraditionalChinese;
}

class TAppLang {
  public:
    // Reads the system language once, from the environment.
    TAppLang() : TAppLang(SystemLocaleName()) {}
    // As if the environment named this locale; lets a caller (or a test) fix the system side.
    explicit TAppLang(std::string_view localeName)
        : TAppLang(FromId{}, LanguageIdFromLocale(localeName)) {}
    // As if the system language id were this one.
    static TAppLang ForLanguageId(std::uint16_t languageId) {
        return TAppLang(FromId{}, languageId);
    }

    std::uint16_t SystemLanguageId() const { return systemLanguageId_; }

    TLangType LangType() const { return langType_; }
    // Fixes the language; from now on it no longer follows the system.
    void SetLangType(TLangType type) {
        langType_ = type;
        detectType_ = TDetectType::Explicit;
    }

    TDetectType DetectType() const { return detectType_; }
    // FollowSystem recomputes LangType from the system language at once.
    void SetDetectType(TDetectType type) {
        detectType_ = type;
        if (type == TDetectType::FollowSystem) {
            langType_ = LangTypeForLanguageId(systemLanguageId_);
        }
    }

    bool CvtBig5() const { return cvtBig5_; }
    void SetCvtBig5(bool on) { cvtBig5_ = on; }

    // True when texts looked up now are Big5 bytes rather than GBK.
    bool UsesBig5() const { return cvtBig5_ && langType_ == TLangType::TraditionalChinese; }

    // In traditional Chinese with conversion on: every GBK pair that has a Big5 counterpart is
    // replaced by it; anything else, and every text in the other languages, passes unchanged.
    // The result always has exactly as many bytes as the input.
    THaldenString FromGBK(std::string_view text) const;

  private:
    struct FromId {};
    TAppLang(FromId, std::uint16_t languageId)
        : systemLanguageId_(languageId), langType_(LangTypeForLanguageId(languageId)) {}

    std::uint16_t systemLanguageId_;
    TLangType langType_;
    bool cvtBig5_ = true;
    TDetectType detectType_ = TDetectType::FollowSystem;
};

}  // namespace THaldenFuncs
