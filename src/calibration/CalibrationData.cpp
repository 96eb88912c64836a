#include "calibration/CalibrationData.h"

namespace radioprog {

namespace {

bool IsPointIndex(int i) {
    return i >= 0 && i < kCalibrationPointCount;
}

}  // namespace

CalibrationPoint CalibrationData::Point(int i) const {
    if (!IsPointIndex(i)) {
        return {};
    }
    const auto f = calib::Point(i);
    return {Get(f.Freq), Get(f.PowerH), Get(f.PowerM), Get(f.PowerL), Get(f.Tune), Get(f.Rssi)};
}

void CalibrationData::SetPoint(int i, const CalibrationPoint& point) {
    if (!IsPointIndex(i)) {
        return;
    }
    const auto f = calib::Point(i);
    Set(f.Freq, point.Freq);
    Set(f.PowerH, point.PowerH);
    Set(f.PowerM, point.PowerM);
    Set(f.PowerL, point.PowerL);
    Set(f.Tune, point.Tune);
    Set(f.Rssi, point.Rssi);
}

uint8_t CalibrationData::Entry(BytesField f, int i) const {
    if (i < 0 || static_cast<size_t>(i) >= f.size) {
        return 0;
    }
    return bytes_[f.offset + static_cast<size_t>(i)];
}

void CalibrationData::SetEntry(BytesField f, int i, uint8_t v) {
    if (i < 0 || static_cast<size_t>(i) >= f.size) {
        return;
    }
    bytes_[f.offset + static_cast<size_t>(i)] = v;
}

}  // namespace radioprog
