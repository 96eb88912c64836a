#include "compare/ProjectFieldText.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "lang/TextCodec.h"

namespace radioprog {

namespace {

constexpr char kDigitKeys[] = "0123456789ABCD*#";

// The bytes of a text field up to its first zero.
std::string TextBytes(const ProjectImage& image, size_t offset, size_t size) {
    return image.Text(BytesField{offset, size});
}

unsigned NumberValue(const ProjectImage& image, const ProjectField& field, int entry) {
    const size_t offset = FieldOffset(field, entry);
    switch (field.size) {
        case 1: {
            const uint8_t mask = FieldMask(field, entry);
            return static_cast<unsigned>(image.Get(U8Field{offset}) & mask) >>
                   std::countr_zero(mask);
        }
        case 2:
            return image.Get(U16Field{offset});
        default:
            return image.Get(U32Field{offset});
    }
}

FieldValue DigitsValue(const ProjectImage& image, const ProjectField& field, int entry) {
    const size_t count =
        std::min<size_t>(image.Get(U8Field{CountOffset(field, entry)}), field.size);
    const auto bytes = image.Field(BytesField{FieldOffset(field, entry), count});
    FieldValue value;
    for (const uint8_t digit : bytes) {
        value.text += digit < sizeof kDigitKeys - 1 ? kDigitKeys[digit] : '?';
    }
    value.stored = HexBytes(std::string(bytes.begin(), bytes.end()));
    return value;
}

}  // namespace

std::string HexBytes(const std::string& bytes) {
    std::string hex;
    for (const unsigned char byte : bytes) {
        char two[4];
        std::snprintf(two, sizeof two, "%02X", byte);
        hex += hex.empty() ? "" : " ";
        hex += two;
    }
    return hex;
}

FieldValue ReadFieldValue(const ProjectImage& image, const ProjectField& field, int entry) {
    switch (field.form) {
        case FieldForm::Digits:
            return DigitsValue(image, field, entry);
        case FieldForm::Text: {
            const std::string bytes = TextBytes(image, FieldOffset(field, entry), field.size);
            return {DecodeCodePage(bytes, CodePage::Gbk), HexBytes(bytes)};
        }
        case FieldForm::Secret:
            return {{}, HexBytes(TextBytes(image, FieldOffset(field, entry), field.size))};
        default: {
            const std::string number = std::to_string(NumberValue(image, field, entry));
            return {number, number};
        }
    }
}

}  // namespace radioprog
