#include "channellist/NameCharacters.h"

#include <cstdint>
#include <cstdio>

#include "lang/TextCodec.h"

namespace radioprog {

namespace {

size_t CharacterLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

uint32_t CodePoint(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    uint32_t code = character.size() == 1 ? lead : lead & (0x7Fu >> character.size());
    for (size_t k = 1; k < character.size(); ++k) {
        code = (code << 6) | (static_cast<unsigned char>(character[k]) & 0x3Fu);
    }
    return code;
}

std::string CodePointText(uint32_t code) {
    char point[16];
    std::snprintf(point, sizeof point, "U+%04X", static_cast<unsigned>(code));
    return point;
}

// Calls refuse with each character of name in turn; the first answer it gives.
template <typename Refuse>
std::optional<std::string> FirstRefused(std::string_view name, Refuse refuse) {
    for (size_t at = 0; at < name.size();) {
        const std::string_view character =
            name.substr(at, CharacterLength(static_cast<unsigned char>(name[at])));
        if (auto refused = refuse(character)) {
            return refused;
        }
        at += character.size();
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FirstCharacterNotStorable(std::string_view name) {
    return FirstRefused(name, [](std::string_view character) -> std::optional<std::string> {
        if (EncodeCodePage(character, CodePage::Gbk)) {
            return std::nullopt;
        }
        return std::string("\"").append(character).append("\" (") +
               CodePointText(CodePoint(character)) + ")";
    });
}

std::optional<std::string> FirstControlCharacter(std::string_view name) {
    return FirstRefused(name, [](std::string_view character) -> std::optional<std::string> {
        const uint32_t code = CodePoint(character);
        if (code >= 0x20 && (code < 0x7F || code > 0x9F)) {
            return std::nullopt;
        }
        return "a control character (" + CodePointText(code) + ")";
    });
}

}  // namespace radioprog
