#include "cli/ProjectReport.h"

#include <cstdio>
#include <sstream>

#include "channellist/ChannelColumns.h"
#include "model/FreqCodec.h"
#include "model/ProjectFields.h"
#include "model/ToneCodec.h"

namespace radioprog::cli {

namespace {

const char* BusyFitText(uint8_t busyFit) {
    return busyFit == 0 ? "OFF" : "CAT";
}

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// A name read from a radio may hold any byte: control characters are escaped, so that the
// document stays JSON.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        if (IsControl(c)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out += escaped;
            continue;
        }
        out += c;
    }
    return out + "\"";
}

// A name as the terminal shows it, padded to the width of the widest (six bytes, three wide
// characters): a control character would move the cursor or recolour the terminal, so it
// shows as "?".
std::string NameCell(const std::string& utf8) {
    std::string out;
    size_t width = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        out += IsControl(utf8[i]) ? '?' : utf8[i];
        // Every character the radio's code page holds beyond ASCII is a wide one.
        if ((byte & 0xC0) != 0x80) {
            width += byte < 0x80 ? 1 : 2;
        }
    }
    return out + std::string(width < 7 ? 7 - width : 1, ' ');
}

std::string FieldText(const ProjectImage& image, int n, ChannelColumn column) {
    return ChannelFieldText(image, n, column);
}

const char* OnOff(uint8_t value) {
    return value ? "On" : "Off";
}

const char* VoiceText(uint8_t voice) {
    switch (voice) {
        case 0:
            return "Off";
        case 1:
            return "Chinese";
        case 2:
            return "English";
        default:
            return "?";
    }
}

std::string SecondsOrOff(unsigned seconds) {
    return seconds == 0 ? std::string("Off") : std::to_string(seconds) + " s";
}

const char* JsonBool(bool value) {
    return value ? "true" : "false";
}

std::string FormatRow(const char* format, auto... values) {
    char line[160];
    std::snprintf(line, sizeof line, format, values...);
    return line;
}

}  // namespace

std::string ProjectAsTable(const ProjectImage& image, const BandLimits& band) {
    std::ostringstream out;
    out << "Band: " << FreqToText(band.lower) << " - " << FreqToText(band.upper) << " MHz\n\n";
    out << FormatRow("%-3s %-10s %-10s %-7s %-7s %-5s %-6s %-4s %-7s%-4s %-4s %s\n", "CH", "RX",
                     "TX", "Decode", "Encode", "Power", "Band", "BCL", "Name", "Scan", "DTMF",
                     "Squelch Mode");
    int inUse = 0;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (!image.IsChannelValid(n)) {
            continue;
        }
        ++inUse;
        const auto ch = image.Channel(n);
        out << FormatRow(
            "%-3d %-10s %-10s %-7s %-7s %-5s %-6s %-4s ", n, FreqToText(ch.RxFreq()).c_str(),
            FreqToText(ch.TxFreq()).c_str(), ToneToText(ch.RxToneCode(), ch.RxToneType()).c_str(),
            ToneToText(ch.TxToneCode(), ch.TxToneType()).c_str(), ch.HighPower() ? "High" : "Low",
            ch.Wide() ? "Wide" : "Narrow", BusyFitText(ch.BusyFit()));
        out << NameCell(FieldText(image, n, ChannelColumn::Name))
            << FormatRow("%-4s %-4s %s\n", FieldText(image, n, ChannelColumn::ScanAdd).c_str(),
                         FieldText(image, n, ChannelColumn::Dtmf).c_str(),
                         FieldText(image, n, ChannelColumn::SquelchMode).c_str());
    }
    if (inUse == 0) {
        out << "(no channel in use)\n";
    }
    using namespace settings;
    out << "\nOptions:\n"
        << "  SQL            " << int{image.Get(Sql)} << "\n"
        << "  TOT            " << SecondsOrOff(image.Get(Tot)) << "\n"
        << "  TOA            " << SecondsOrOff(image.Get(Toa)) << "\n"
        << "  Voice          " << VoiceText(image.Get(Voice)) << "\n"
        << "  Key beep       " << OnOff(image.Get(Beep)) << "\n"
        << "  Battery save   " << OnOff(image.Get(Saving)) << "\n"
        << "  Saver ratio    1:" << int{image.Get(SavingRate)} << "\n";
    return out.str();
}

std::string ProjectAsJson(const ProjectImage& image, const BandLimits& band) {
    std::ostringstream out;
    out << "{\"band\":{\"lower\":" << band.lower << ",\"upper\":" << band.upper << "},";
    out << "\"channels\":[";
    bool first = true;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (!image.IsChannelValid(n)) {
            continue;
        }
        const auto ch = image.Channel(n);
        out << (first ? "" : ",") << "{\"number\":" << n << ",\"rx\":" << ch.RxFreq()
            << ",\"tx\":" << ch.TxFreq()
            << ",\"rxTone\":" << JsonString(ToneToText(ch.RxToneCode(), ch.RxToneType()))
            << ",\"txTone\":" << JsonString(ToneToText(ch.TxToneCode(), ch.TxToneType()))
            << ",\"highPower\":" << JsonBool(ch.HighPower()) << ",\"wide\":" << JsonBool(ch.Wide())
            << ",\"busyFit\":" << int{ch.BusyFit()} << ",\"scanAdd\":" << JsonBool(ch.ScanAdd())
            << ",\"name\":" << JsonString(FieldText(image, n, ChannelColumn::Name))
            << ",\"dtmf\":" << JsonBool(ch.Dtmf()) << ",\"squelchMode\":" << int{ch.SquelchMode()}
            << "}";
        first = false;
    }
    using namespace settings;
    out << "],\"options\":{\"sql\":" << int{image.Get(Sql)} << ",\"tot\":" << image.Get(Tot)
        << ",\"toa\":" << int{image.Get(Toa)} << ",\"voice\":" << int{image.Get(Voice)}
        << ",\"beep\":" << int{image.Get(Beep)} << ",\"saving\":" << int{image.Get(Saving)}
        << ",\"savingRate\":" << int{image.Get(SavingRate)} << "}}\n";
    return out.str();
}

}  // namespace radioprog::cli
