#include "session/PasswordText.h"

#include "lang/TextCodec.h"
#include "session/PasswordBlock.h"

namespace radioprog {

namespace {

// Length of the UTF-8 sequence that starts with lead, or 0 for a byte that cannot start one.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 0;
}

// The first character the radio's character set has no code for; empty when the text is not
// UTF-8 at all.
std::string FirstUnstorable(std::string_view utf8) {
    for (size_t at = 0; at < utf8.size();) {
        const size_t length = SequenceLength(static_cast<unsigned char>(utf8[at]));
        if (length == 0 || at + length > utf8.size()) {
            return {};
        }
        const std::string_view character = utf8.substr(at, length);
        if (!EncodeCodePage(character, CodePage::Gbk)) {
            return std::string(character);
        }
        at += length;
    }
    return {};
}

}  // namespace

PasswordText EncodePassword(std::string_view utf8) {
    PasswordText result;
    std::optional<std::string> bytes = EncodeCodePage(utf8, CodePage::Gbk);
    if (!bytes) {
        const std::string character = FirstUnstorable(utf8);
        result.message = character.empty() ? "The password is not valid text."
                                           : "The password holds \"" + character +
                                                 "\", a character the radio cannot store.";
        return result;
    }
    if (bytes->size() > kMaxPasswordLength) {
        result.message = "A password is at most " + std::to_string(kMaxPasswordLength) +
                         " bytes in the radio's character set; this one takes " +
                         std::to_string(bytes->size()) +
                         " (letters and digits take 1 byte, other characters 2).";
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

}  // namespace radioprog
