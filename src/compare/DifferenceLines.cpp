#include "compare/DifferenceLines.h"

#include "lang/CompareText.h"

namespace radioprog {

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

// The command line's lines are in English whatever the window's language; lang is either the
// window's language object or a language named outright.
constexpr THaldenFuncs::TLangType kCommandLineWords = THaldenFuncs::TLangType::English;

std::string Side(const FieldDifference& difference, const std::string& text, bool inUse,
                 const auto& lang) {
    if (!inUse) {
        return CompareTextUtf8(lang, CompareTextId::NotInUse);
    }
    return difference.valuesHidden ? CompareTextUtf8(lang, CompareTextId::ValueHidden)
                                   : Quoted(text);
}

std::string Numbered(CompareTextId id, int number, const auto& lang) {
    std::string place = CompareTextUtf8(lang, id);
    return place.replace(place.find("%1"), 2, std::to_string(number));
}

std::string Where(const FieldDifference& difference, const auto& lang) {
    switch (difference.area) {
        case FieldDifference::Area::Band:
            return CompareTextUtf8(lang, CompareTextId::PlaceBand);
        case FieldDifference::Area::Channel:
            return Numbered(CompareTextId::PlaceChannel, difference.channel, lang);
        case FieldDifference::Area::AddrBook:
            return Numbered(CompareTextId::PlaceAddrBook, difference.channel, lang);
        case FieldDifference::Area::Setting:
            return CompareTextUtf8(lang, CompareTextId::PlaceSetting);
        default:
            return CompareTextUtf8(lang, CompareTextId::PlaceOption);
    }
}

std::string Line(const FieldDifference& difference, const auto& lang) {
    return Where(difference, lang) + "  " + difference.field + ": " +
           Side(difference, difference.left, difference.leftInUse, lang) + " -> " +
           Side(difference, difference.right, difference.rightInUse, lang);
}

std::string Lines(const std::vector<FieldDifference>& differences, const auto& lang) {
    std::string lines;
    for (const FieldDifference& difference : differences) {
        lines += Line(difference, lang) + "\n";
    }
    return lines;
}

}  // namespace

std::string DifferenceLine(const FieldDifference& difference) {
    return Line(difference, kCommandLineWords);
}

std::string DifferencePlace(const FieldDifference& difference, THaldenFuncs::TLangType language) {
    return Where(difference, language);
}

std::string DifferenceLines(const std::vector<FieldDifference>& differences) {
    return Lines(differences, kCommandLineWords);
}

std::string DifferenceLines(const std::vector<FieldDifference>& differences,
                            const THaldenFuncs::TAppLang& lang) {
    return Lines(differences, lang);
}

}  // namespace radioprog
