#pragma once
// How the fields of the project image's table are named where no comparison is at hand: the
// options page's option that shows a setting, and the fields a radio does not hold.

#include <string>
#include <vector>

#include "compare/ProjectFieldTable.h"
#include "lang/OptionFields.h"
#include "session/RadioKind.h"

namespace radioprog {

// The options page's option that shows the field; nothing for any other field.
const OptionField* PageOption(const ProjectField& field);

// The fields a read of that radio does not bring, once each in English ("channel Name",
// "address book Code", "DtmfId", "Frequency Band"), in the order of the field table.
std::vector<std::string> FieldsNotHeldBy(RadioKind kind);

}  // namespace radioprog
