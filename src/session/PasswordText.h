#pragma once
// A password typed by the user (UTF-8) as the radio stores it: bytes of the radio's
// character set, at most 12 of them. A letter or digit takes one byte; other characters,
// such as accented letters or Chinese ones, take two.

#include <optional>
#include <string>
#include <string_view>

namespace radioprog {

struct PasswordText {
    std::optional<std::string> bytes;  // the radio's bytes, or nothing with message set
    std::string message;               // why the text cannot be a password
};

PasswordText EncodePassword(std::string_view utf8);

}  // namespace radioprog
