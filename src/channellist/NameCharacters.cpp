#include "channellist/NameCharacters.h"

#include <cstdint>
#include <cstdio>

#include "lang/TextCodec.h"

namespace radioprog {

std::optional<std::string> FirstCharacterNotStorable(std::string_view name) {
    for (size_t at = 0; at < name.size();) {
        const auto lead = static_cast<unsigned char>(name[at]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string_view character = name.substr(at, length);
        if (!EncodeCodePage(character, CodePage::Gbk)) {
            uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
            for (size_t k = 1; k < character.size(); ++k) {
                code = (code << 6) | (static_cast<unsigned char>(character[k]) & 0x3Fu);
            }
            char point[16];
            std::snprintf(point, sizeof point, "U+%04X", static_cast<unsigned>(code));
            return std::string("\"").append(character).append("\" (") + point + ")";
        }
        at += length;
    }
    return std::nullopt;
}

}  // namespace radioprog
