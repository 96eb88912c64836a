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

std::string Side(const std::string& text, bool inUse) {
    if (inUse) {
        return Quoted(text);
    }
    THaldenFuncs::TAppLang english("en_US");
    english.SetLangType(THaldenFuncs::TLangType::English);
    return CompareTextUtf8(english, CompareTextId::NotInUse);
}

std::string Where(const FieldDifference& difference) {
    switch (difference.area) {
        case FieldDifference::Area::Band:
            return "band";
        case FieldDifference::Area::Channel:
            return "channel " + std::to_string(difference.channel);
        default:
            return "option";
    }
}

}  // namespace

std::string DifferenceLine(const FieldDifference& difference) {
    return Where(difference) + "  " + difference.field + ": " +
           Side(difference.left, difference.leftInUse) + " -> " +
           Side(difference.right, difference.rightInUse);
}

std::string DifferenceLines(const std::vector<FieldDifference>& differences) {
    std::string lines;
    for (const FieldDifference& difference : differences) {
        lines += DifferenceLine(difference) + "\n";
    }
    return lines;
}

}  // namespace radioprog
