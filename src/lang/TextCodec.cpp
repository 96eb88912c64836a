#include "lang/TextCodec.h"

#include <cerrno>

#include "lang/IconvConverter.h"

namespace radioprog {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

const char* CharsetName(CodePage page) {
    return page == CodePage::Big5 ? "BIG5" : "GBK";
}

}  // namespace

std::string DecodeCodePage(std::string_view bytes, CodePage page) {
    IconvConverter converter("UTF-8", CharsetName(page));
    if (!converter.valid()) {
        return std::string(bytes);
    }
    std::string out;
    char buffer[256];
    while (!bytes.empty()) {
        const IconvConverter::Step step = converter.Convert(bytes, buffer, sizeof buffer);
        out.append(buffer, step.produced);
        bytes.remove_prefix(step.consumed);
        if (step.error == EILSEQ) {
            out += kReplacementCharacter;
            bytes.remove_prefix(1);
        } else if (step.error != 0 && step.error != E2BIG) {
            // EINVAL: a lead byte with nothing after it; any other error cannot happen with
            // these converters. Either way the rest is one replacement: never spin.
            out += kReplacementCharacter;
            break;
        }
    }
    return out;
}

std::optional<std::string> EncodeCodePage(std::string_view utf8, CodePage page) {
    IconvConverter converter(CharsetName(page), "UTF-8");
    if (!converter.valid()) {
        return std::nullopt;
    }
    std::string out;
    char buffer[256];
    while (!utf8.empty()) {
        const IconvConverter::Step step = converter.Convert(utf8, buffer, sizeof buffer);
        out.append(buffer, step.produced);
        utf8.remove_prefix(step.consumed);
        if (step.error != 0 && step.error != E2BIG) {
            return std::nullopt;
        }
    }
    return out;
}

CodePage TableCodePage(const THaldenFuncs::TAppLang& lang) {
    return lang.UsesBig5() ? CodePage::Big5 : CodePage::Gbk;
}

std::string DecodeForDisplay(std::string_view bytes, const THaldenFuncs::TAppLang& lang) {
    return DecodeCodePage(bytes, TableCodePage(lang));
}

}  // namespace radioprog
