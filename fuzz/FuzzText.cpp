// Texts the user types or files hold: frequencies, tones and code-page bytes. What one of
// them accepts must come back the same through its text form.
#include "FuzzTargets.h"
#include "lang/GbkToBig5.h"
#include "lang/TextCodec.h"
#include "model/FreqCodec.h"
#include "model/ToneCodec.h"

namespace radioprog::fuzz {

int FuzzText(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // The text form shows tens of hertz; what it shows must read back exactly.
    if (std::optional<uint32_t> hz = TextToFreq(text)) {
        const std::optional<uint32_t> again = TextToFreq(FreqToText(*hz));
        FUZZ_CHECK(again == *hz - *hz % 10);
    }

    uint8_t type = 0;
    uint16_t code = 0;
    // A standard tone's text reads back as that tone.
    if (TextToTone(text, type, code) && IsStandardTone(code, type) && type != 0) {
        uint8_t typeAgain = 0;
        uint16_t codeAgain = 0;
        FUZZ_CHECK(TextToTone(ToneToText(code, type), typeAgain, codeAgain));
        FUZZ_CHECK(typeAgain == type && codeAgain == code);
    }
    if (size >= 3) {
        (void)ToneToText(static_cast<uint16_t>(data[0] | data[1] << 8), data[2]);
    }

    for (CodePage page : {CodePage::Gbk, CodePage::Big5}) {
        const std::string decoded = DecodeCodePage(text, page);
        // Whatever the bytes, decoding gives text that encodes again (the replacement
        // character aside, which has no code there).
        if (decoded.find("\xEF\xBF\xBD") == std::string::npos) {
            FUZZ_CHECK(EncodeCodePage(decoded, page).has_value());
        }
        (void)EncodeCodePage(text, page);
    }
    (void)ConvertGbkToBig5(text);
    return 0;
}

}  // namespace radioprog::fuzz
