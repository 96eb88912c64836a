#pragma once
// Texts of the windows' own conveniences, in the three languages: where a radio's password is
// entered, the theme choice, the user guide and the calibration window's live status.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class WindowTextId : int {
    PasswordWhere,  // after "Password Error"
    ThemeMenu,
    ThemeSystem,
    ThemeLight,
    ThemeDark,
    UserGuideMenu,
    UserGuideTitle,
    LiveStatus,  // the calibration window's tick box
    Count,       // not a text: how many there are
};

LocalisedTableSource WindowTextSource();
const LocalisedTable& WindowTextTable();
std::string WindowTextUtf8(const THaldenFuncs::TAppLang& lang, WindowTextId id);

}  // namespace radioprog
