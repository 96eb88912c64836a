#include <cstdio>
#include <vector>

#include "channellist/ChirpCsv.h"
#include "channellist/ChirpTones.h"
#include "lang/TextCodec.h"
#include "model/FreqCodec.h"

namespace radioprog {

namespace {

// The columns every program of the format writes, in its order.
const std::vector<std::string> kHeader = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE",
};

std::string MHz(uint32_t hz) {
    char text[24];
    std::snprintf(text, sizeof text, "%u.%06u", hz / 1000000, hz % 1000000);
    return text;
}

// Receive only, simplex, or the offset to the transmit frequency.
void Duplex(uint32_t rx, uint32_t tx, std::vector<std::string>& row) {
    if (tx == 0) {
        row.insert(row.end(), {"off", MHz(0)});
    } else if (tx == rx) {
        row.insert(row.end(), {"", MHz(0)});
    } else {
        row.insert(row.end(), {tx > rx ? "+" : "-", MHz(tx > rx ? tx - rx : rx - tx)});
    }
}

// A step that reaches both frequencies from zero, as a reader that checks memories against
// their step wants.
std::string Step(uint32_t rx, uint32_t tx) {
    const bool both5kHz =
        RasterStepOf(rx) == RasterStep::Of5kHz && RasterStepOf(tx) == RasterStep::Of5kHz;
    return both5kHz ? "5.00" : "6.25";
}

}  // namespace

std::string ExportChannelsChirpCsv(const ProjectImage& image) {
    std::vector<std::vector<std::string>> rows = {kHeader};
    for (int n = 1; n <= kChannelCount; ++n) {
        if (!image.IsChannelValid(n)) {
            continue;
        }
        const ConstChannelRecord ch = image.Channel(n);
        std::vector<std::string>& row = rows.emplace_back();
        row.push_back(std::to_string(n));
        row.push_back(DecodeCodePage(image.Text(ChannelNameField(n)), CodePage::Gbk));
        row.push_back(MHz(ch.RxFreq()));
        Duplex(ch.RxFreq(), ch.TxFreq(), row);
        const ChirpToneTexts tones =
            WriteChirpTones({ch.RxToneType(), ch.RxToneCode()}, {ch.TxToneType(), ch.TxToneCode()});
        row.insert(row.end(), std::begin(tones.fields), std::end(tones.fields));
        row.push_back(ch.Wide() ? "FM" : "NFM");
        row.push_back(Step(ch.RxFreq(), ch.TxFreq()));
        row.push_back(ch.ScanAdd() ? "" : "S");
        row.push_back(ch.HighPower() ? "5.0W" : "1.0W");
        row.insert(row.end(), {"", "", "", "", ""});
    }
    return FormatTextTable(rows, ',', "\r\n");
}

}  // namespace radioprog
