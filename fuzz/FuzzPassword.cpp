// The password block: what we build always opens with its own password and nothing shorter
// or different; any 16 bytes a radio holds can be checked; typed text becomes radio bytes.
#include <random>

#include "FuzzTargets.h"
#include "session/PasswordBlock.h"
#include "session/PasswordText.h"

namespace radioprog::fuzz {

int FuzzPassword(const uint8_t* data, size_t size) {
    if (size < kPasswordBlockSize + 4) {
        return 0;
    }
    std::span<const uint8_t, kPasswordBlockSize> held(data, kPasswordBlockSize);
    const std::string_view rest(reinterpret_cast<const char*>(data + kPasswordBlockSize + 4),
                                size - kPasswordBlockSize - 4);
    (void)CheckPasswordBlock(held, rest);

    const uint32_t seed = static_cast<uint32_t>(data[kPasswordBlockSize]) |
                          static_cast<uint32_t>(data[kPasswordBlockSize + 1]) << 8 |
                          static_cast<uint32_t>(data[kPasswordBlockSize + 2]) << 16 |
                          static_cast<uint32_t>(data[kPasswordBlockSize + 3]) << 24;
    std::mt19937 random(seed);
    const std::string_view password = rest.substr(0, kMaxPasswordLength);
    const PasswordBlock built = BuildPasswordBlock(password, random);
    if (!password.empty()) {
        FUZZ_CHECK(CheckPasswordBlock(built, password));
        FUZZ_CHECK(!CheckPasswordBlock(built, password.substr(0, password.size() - 1)));
    }

    const PasswordText text = EncodePassword(rest);
    FUZZ_CHECK(text.bytes.has_value() != !text.message.empty());
    if (text.bytes) {
        FUZZ_CHECK(text.bytes->size() <= kMaxPasswordLength);
    }
    return 0;
}

}  // namespace radioprog::fuzz
