#pragma once

#include <string>
#include <string_view>

namespace radioprog::testing {

// "d778ee6c" -> the four bytes it names.
inline std::string FromHex(std::string_view hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return out;
}

// Bytes as lower-case hexadecimal, so that a failing comparison shows readable bytes.
inline std::string ToHex(std::string_view bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

}  // namespace radioprog::testing
