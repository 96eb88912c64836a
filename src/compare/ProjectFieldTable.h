#pragma once
// Every field of the project image, as a comparison walks it: where its bytes lie, how its
// value reads and which radios a read brings it from. A field is named by its own name unless
// the channel grid or the options page shows it; then their caption and words name it.
// Reserved bytes are no field: neither the radio nor the user can tell them apart.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "channellist/ChannelColumns.h"
#include "channellist/ColumnHolding.h"
#include "session/RadioKind.h"

namespace radioprog {

// Where a field's offset counts from: the image, or the record of channel or address-book
// entry n (each of the 16 has the field).
enum class FieldPlace { Band, Channel, AddrBook, Settings };

enum class FieldForm {
    Number,  // a little-endian number of 1, 2 or 4 bytes; of one byte only the mask's bits
    Digits,  // DTMF digits, one to a byte, as many as the count byte says
    Text,    // code-page text up to its first zero byte
    Secret,  // a password: compared, never shown
    InUse,   // the entry's bit in its valid set; offset and mask are those of entry 1
};

struct ProjectField {
    const char* name;
    FieldPlace place;
    FieldForm form;
    size_t offset;
    size_t size;
    uint8_t mask = 0xFF;
    uint8_t heldBy = kHeldByNoRadio;
    // The grid's column that shows a channel field.
    std::optional<ChannelColumn> column = std::nullopt;
    // Where the count of Digits lies, in the same place.
    size_t countOffset = 0;
};

std::span<const ProjectField> ProjectFieldTable();

bool IsHeldBy(const ProjectField& field, RadioKind kind);

// Where the field lies in the image: for a channel or address-book field, in entry n's record
// (or, for its valid bit, at entry n's bit).
size_t FieldOffset(const ProjectField& field, int entry);
uint8_t FieldMask(const ProjectField& field, int entry);
// Where the count of a Digits field lies, in the same record.
size_t CountOffset(const ProjectField& field, int entry);

}  // namespace radioprog
