#include <cstdio>

#include "history/RadioHistory.h"
#include "model/FreqCodec.h"

namespace radioprog {

namespace {

// Megahertz without the zeros a band edge rarely needs.
std::string Megahertz(uint32_t hz) {
    std::string text = FreqToText(hz);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

}  // namespace

std::string HistoryTimeText(const HistoryTime& time) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

std::string RadioStampText(const LastWriteTime& stamp) {
    if (stamp == LastWriteTime{}) {
        return {};
    }
    char text[48];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", unsigned{stamp.year},
                  unsigned{stamp.month}, unsigned{stamp.day}, unsigned{stamp.hour},
                  unsigned{stamp.minute});
    return text;
}

std::string HistoryBandText(const BandLimits& band) {
    return Megahertz(band.lower) + "-" + Megahertz(band.upper) + " MHz";
}

std::string CalibrationPointsText(const std::vector<int>& mhz) {
    std::string text;
    for (const int point : mhz) {
        text += (text.empty() ? "" : ", ") + std::to_string(point);
    }
    return text.empty() ? std::string() : text + " MHz";
}

}  // namespace radioprog
