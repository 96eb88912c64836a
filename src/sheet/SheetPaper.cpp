#include "sheet/SheetPaper.h"

#include <cstdlib>

namespace radioprog {

SheetPaper PaperForLocale(std::string_view localeName) {
    // The territories whose locales name Letter as their paper.
    constexpr std::string_view kLetterTerritories[] = {
        "US", "CA", "MX", "PH", "CL", "CO", "CR", "GT", "NI", "PA", "PR", "SV", "VE", "DO", "BZ"};
    const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
    const size_t separator = name.find('_');
    if (separator == std::string_view::npos) {
        return SheetPaper::A4;
    }
    const std::string_view territory = name.substr(separator + 1);
    for (const std::string_view letter : kLetterTerritories) {
        if (territory == letter) {
            return SheetPaper::Letter;
        }
    }
    return SheetPaper::A4;
}

SheetPaper SystemPaper() {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return PaperForLocale(value);
        }
    }
    return SheetPaper::A4;
}

}  // namespace radioprog
