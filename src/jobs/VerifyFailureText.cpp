#include "jobs/VerifyFailureText.h"

#include "compare/DifferenceLines.h"
#include "compare/VerifyDifferences.h"
#include "lang/WriteCheckText.h"

namespace radioprog {

namespace {

// The text with its "%1" replaced by value.
std::string WithValue(const THaldenFuncs::TAppLang& lang, WriteCheckTextId id,
                      const std::string& value) {
    std::string text = WriteCheckTextUtf8(lang, id);
    if (const size_t at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

std::string PlaceWords(const THaldenFuncs::TAppLang& lang, const MemoryPlace& place) {
    switch (place.kind) {
        case MemoryPlace::Kind::Channel:
            return WithValue(lang, WriteCheckTextId::PlaceChannel, std::to_string(place.channel));
        case MemoryPlace::Kind::Password:
            return WriteCheckTextUtf8(lang, WriteCheckTextId::PlacePassword);
        case MemoryPlace::Kind::Calibration:
            return WriteCheckTextUtf8(lang, WriteCheckTextId::PlaceCalibration);
        case MemoryPlace::Kind::Settings:
            break;
    }
    return WriteCheckTextUtf8(lang, WriteCheckTextId::PlaceSettings);
}

}  // namespace

std::string VerifyFailureTextUtf8(const THaldenFuncs::TAppLang& lang, const VerifyReport& report) {
    std::string places;
    for (const MemoryPlace& place : report.Places()) {
        places += (places.empty() ? "" : ", ") + PlaceWords(lang, place);
    }
    std::string text = WriteCheckTextUtf8(lang, WriteCheckTextId::VerifyFailed);
    text += "\n\n";
    text += WithValue(lang, WriteCheckTextId::DifferingPlaces, places);
    text += "\n";
    text += WithValue(lang, WriteCheckTextId::DifferingAddresses,
                      AddressRanges(report.differingAddresses));
    std::string fields = DifferenceLines(VerifyDifferences(report, lang.LangType()), lang);
    while (!fields.empty() && (fields.back() == '\n' || fields.back() == ' ')) {
        fields.pop_back();
    }
    if (!fields.empty()) {
        // The comparison's arrow alone does not say which side the radio is.
        text += "\n\n";
        text += WriteCheckTextUtf8(lang, WriteCheckTextId::VerifySides);
        text += "\n";
        text += fields;
    }
    return text;
}

}  // namespace radioprog
