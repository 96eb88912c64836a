#pragma once
// Texts about the project as a file: which fields only the file keeps, and the commands that
// decide which file a project belongs to. Kept in a table of their own so that the main
// window's TextIds stay exactly as they are.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class ProjectFileTextId : int {
    FileOnlyCaption,    // %1 the field's caption
    FileOnlyTip,        // no radio holds the field
    FileOnlyLegacyTip,  // only a legacy radio holds the field
    ReadOntoProject,
    SaveChangesQuestion,  // %1 the project's file name, or where it came from
    UntitledProject,
    ReadFromRadioOrigin,  // %1 the time of the read
    HistoryEntryOrigin,   // %1 the entry's date
    SaveAs,
    Count,  // not a text: how many there are
};

LocalisedTableSource ProjectFileTextSource();
const LocalisedTable& ProjectFileTextTable();
// The text in the current language, decoded to UTF-8 for the windows.
std::string ProjectFileTextUtf8(const THaldenFuncs::TAppLang& lang, ProjectFileTextId id);
// The same in a language the caller names (a sheet, a comparison).
std::string ProjectFileTextUtf8(THaldenFuncs::TLangType language, ProjectFileTextId id);

}  // namespace radioprog
