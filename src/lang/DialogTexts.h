#pragma once
// The dialogs' own small text tables. Each lookup returns the entry in the current language,
// converted for display like LangText; an index outside the table gives an empty text.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

// Programming dialog: 0 Start, 1 Cancel, 2 communication failure, 3 success, 4 password
// error, 5 and 6 unused (empty), 7 old radio.
inline constexpr std::size_t kSessionTextCount = 8;
LocalisedTableSource SessionTextSource();
const LocalisedTable& SessionTextTable();
std::string SessionText(const THaldenFuncs::TAppLang& lang, int index);

// Port dialog: 0 OK, 1 Cancel, 2 the auto-search check box.
inline constexpr std::size_t kPortDialogTextCount = 3;
LocalisedTableSource PortDialogTextSource();
const LocalisedTable& PortDialogTextTable();
std::string PortDialogText(const THaldenFuncs::TAppLang& lang, int index);

// Calibration dialog: 0 OK, 1 Cancel, 22 Open, 23 Save, 24 the clear-all question are shown;
// the rest are kept for the dialog's other captions.
inline constexpr std::size_t kAdjustmentTextCount = 28;
LocalisedTableSource AdjustmentTextSource();
const LocalisedTable& AdjustmentTextTable();
std::string AdjustmentText(const THaldenFuncs::TAppLang& lang, int index);

// The shared message box: its one entry is the OK button's caption.
inline constexpr std::size_t kUserWarnDlgTextCount = 1;
LocalisedTableSource UserWarnDlgTextSource();
const LocalisedTable& UserWarnDlgTextTable();
std::string UserWarnDlgText(const THaldenFuncs::TAppLang& lang, int index = 0);

}  // namespace radioprog
