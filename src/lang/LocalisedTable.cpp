#include "lang/LocalisedTable.h"

#include "lang/TextCodec.h"

namespace radioprog {
namespace {

using THaldenFuncs::TLangType;

// The row's Chinese text as GBK bytes, or its English text when the conversion fails.
std::string ChineseAsGbk(const char* utf8, const TextRow& row) {
    std::optional<std::string> gbk = EncodeCodePage(utf8, CodePage::Gbk);
    return gbk ? std::move(*gbk) : std::string(row.english);
}

}  // namespace

LocalisedTable::LocalisedTable(LocalisedTableSource source) {
    simplified_.reserve(source.size());
    traditional_.reserve(source.size());
    english_.reserve(source.size());
    for (const TextRow& row : source) {
        simplified_.push_back(ChineseAsGbk(row.simplified, row));
        traditional_.push_back(ChineseAsGbk(row.traditional, row));
        english_.emplace_back(row.english);
    }
}

const std::string& LocalisedTable::Stored(TLangType list, std::size_t index) const {
    static const std::string kNone;
    if (index >= english_.size()) {
        return kNone;
    }
    switch (list) {
        case TLangType::SimplifiedChinese:
            return simplified_[index];
        case TLangType::TraditionalChinese:
            return traditional_[index];
        case TLangType::English:
            break;
    }
    return english_[index];
}

std::string LocalisedTable::Text(const THaldenFuncs::TAppLang& lang, int index) const {
    if (index < 0) {
        return {};
    }
    return lang.FromGBK(Stored(lang.LangType(), static_cast<std::size_t>(index)));
}

std::string LocalisedTable::TextUtf8(const THaldenFuncs::TAppLang& lang, int index) const {
    return DecodeForDisplay(Text(lang, index), lang);
}

std::string LocalisedTable::TextUtf8(TLangType language, int index) const {
    // Once the language is chosen the system's language plays no part.
    THaldenFuncs::TAppLang lang("C");
    lang.SetLangType(language);
    return TextUtf8(lang, index);
}

}  // namespace radioprog
