#pragma once
// Texts of the channel sheet (the printed or PDF page of what is in a radio) and of the
// commands that make it. Kept in a table of their own so that the main window's TextIds stay
// exactly as they are.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class SheetTextId : int {
    Title,
    Date,
    TechnicianNote,
    NoChannelInUse,
    Print,
    ExportPdf,
    AllChannels,
    PdfFilter,
    Phone,
    Customer,
    ProjectFile,
    Radio,
    FileOnlyNote,
    SettingsTitle,
    ShopName,
    ShopPhone,
    SettingsHint,
    CustomerField,
    Count,  // not a text: how many there are
};

LocalisedTableSource SheetTextSource();
const LocalisedTable& SheetTextTable();
// The text in the current language, decoded to UTF-8 for the windows and the page.
std::string SheetTextUtf8(const THaldenFuncs::TAppLang& lang, SheetTextId id);
// The same in the sheet's own language, whatever the program's setting.
std::string SheetTextUtf8(THaldenFuncs::TLangType language, SheetTextId id);

}  // namespace radioprog
