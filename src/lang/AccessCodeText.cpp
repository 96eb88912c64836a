#include "lang/AccessCodeText.h"

#include <array>

namespace radioprog {
namespace {

// "Service access code", not "password": the radio's own password is asked for elsewhere,
// and the two are easily taken for each other. The traditional text uses the word common
// there for an access code (存取碼).
constexpr std::array<TextRow, kAccessCodeTextCount> kAccessCodeRows = {{
    {"输入维修访问码", "輸入維修存取碼", "Input service access code"},
}};

}  // namespace

LocalisedTableSource AccessCodeTextSource() {
    return kAccessCodeRows;
}

const LocalisedTable& AccessCodeTextTable() {
    static const LocalisedTable table(kAccessCodeRows);
    return table;
}

std::string AccessCodeTextUtf8(const THaldenFuncs::TAppLang& lang, AccessCodeTextId id) {
    return AccessCodeTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
