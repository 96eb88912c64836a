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

std::string Side(const std::string& text, bool inUse, const auto& lang) {
    return inUse ? Quoted(text) : CompareTextUtf8(lang, CompareTextId::NotInUse);
}

std::string Where(const FieldDifference& difference, const auto& lang) {
    switch (difference.area) {
        case FieldDifference::Area::Band:
            return CompareTextUtf8(lang, CompareTextId::PlaceBand);
        case FieldDifference::Area::Channel: {
            std::string place = CompareTextUtf8(lang, CompareTextId::PlaceChannel);
            return place.replace(place.find("%1"), 2, std::to_string(difference.channel));
        }
        default:
            return CompareTextUtf8(lang, CompareTextId::PlaceOption);
    }
}

std::string Line(const FieldDifference& difference, const auto& lang) {
    return Where(difference, lang) + "  " + difference.field + ": " +
           Side(difference.left, difference.leftInUse, lang) + " -> " +
           Side(difference.right, difference.rightInUse, lang);
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

std::string DifferenceLines(const std::vector<FieldDifference>& differences) {
    return Lines(differences, kCommandLineWords);
}

std::string DifferenceLines(const std::vector<FieldDifference>& differences,
                            const THaldenFuncs::TAppLang& lang) {
    return Lines(differences, lang);
}

}  // namespace radioprog
