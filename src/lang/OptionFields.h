#pragma once
// The options of the options page as one table: where each is stored, its caption, the values
// the page offers and the word of every stored value. The page builds its editors from it; the
// channel sheet and the comparison of two projects print its words, so an option reads the
// same wherever it is shown and a new one is added in one place.

#include <optional>
#include <span>
#include <string>
#include <variant>

#include "lang/AppLang.h"
#include "lang/InterfaceText.h"
#include "model/ByteAccess.h"
#include "model/ProjectImage.h"

namespace radioprog {

enum class OptionEditor {
    List,    // a drop-down list of the offered values
    Switch,  // a check box that stores 0 or 1
};

// The values the page offers, in its order: first, first + step, ... (count of them).
struct OfferedValues {
    unsigned first;
    unsigned step;
    int count;
};

struct OptionField {
    const char* editorName;   // the page's control
    const char* captionName;  // the label before a list; a check box carries its own caption
    TextId caption;
    std::variant<U8Field, U16Field> field;
    OptionEditor editor;
    OfferedValues offered;
    // The words of the lowest values, by value; a higher value is written as its number after
    // numberPrefix. A switch says its second word for any value but 0.
    std::span<const TextId> valueWords;
    const char* numberPrefix = "";
    // Offered only while this switch holds 1; the value is kept meanwhile.
    std::optional<U8Field> offeredWhileOn = {};
};

// In the order the sheet lists them; the page puts the lists in this order down its frame and
// the check boxes beside it.
std::span<const OptionField> OptionFields();

unsigned OptionValue(const ProjectImage& image, const OptionField& option);
void SetOptionValue(ProjectImage& image, const OptionField& option, unsigned value);

// The value the page's item stores (for a switch, item 1 is the ticked box).
unsigned OfferedValue(const OptionField& option, int item);
// The item that offers value; -1 for a value no item gives (a foreign file or radio).
int OfferedItem(const OptionField& option, unsigned value);
// A switch is shown ticked only for the 1 it stores itself.
bool SwitchIsOn(const ProjectImage& image, U8Field field);

// The word of a stored value (UTF-8), in the language of the window's language object or in a
// language the caller names.
std::string OptionWord(const THaldenFuncs::TAppLang& lang, const OptionField& option,
                       unsigned value);
std::string OptionWord(THaldenFuncs::TLangType language, const OptionField& option, unsigned value);

}  // namespace radioprog
