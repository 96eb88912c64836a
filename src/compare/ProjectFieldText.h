#pragma once
// A field of the project image in its own words, for the fields no page shows: numbers as
// numbers, DTMF digits as the keys that send them, texts decoded. Beside the text, the value
// exactly as far as it counts, so two values with one text are still told apart; what lies
// behind the field's end (digits past the count, bytes after a text's end) is not part of it.

#include <string>

#include "compare/ProjectFieldTable.h"
#include "model/ProjectImage.h"

namespace radioprog {

struct FieldValue {
    std::string text;
    std::string stored;
    friend bool operator==(const FieldValue&, const FieldValue&) = default;
};

// entry: the channel or address-book entry; ignored for the image's own fields. A Secret
// reads as its stored bytes only, never as text.
FieldValue ReadFieldValue(const ProjectImage& image, const ProjectField& field, int entry);

// Bytes as two hex digits each, blank-separated.
std::string HexBytes(const std::string& bytes);

}  // namespace radioprog
