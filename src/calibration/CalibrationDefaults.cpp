#include <algorithm>

#include "calibration/CalibrationData.h"

namespace radioprog {

namespace {

constexpr uint32_t kHzPerMHz = 1000000;
constexpr uint8_t kDefaultPowerH = 63;
constexpr int kSquelchOffsetRaisedRow = 8;
constexpr int8_t kSquelchOffsetRaisedValue = 10;

void StoreBandPoints(CalibrationData& calibration, const BandLimits& band) {
    // Signed: limits in the wrong order (a file or radio may bring them so) must still give
    // the middle between them; an unsigned difference would wrap to a point past 2000 MHz.
    const int64_t lower = band.lower;
    const int64_t upper = band.upper;
    const auto middle = static_cast<uint32_t>(lower + (upper - lower) / 2);
    const uint32_t upperMHz = band.upper / kHzPerMHz + (band.upper % kHzPerMHz != 0 ? 1 : 0);
    const uint32_t freqs[] = {band.lower / kHzPerMHz, middle / kHzPerMHz, upperMHz};
    for (int i = 0; i < 3; ++i) {
        CalibrationPoint point;
        point.Freq = static_cast<uint16_t>(freqs[i]);
        point.PowerH = kDefaultPowerH;
        calibration.SetPoint(i, point);
    }
}

}  // namespace

void ResetCalibrationData(CalibrationData& calibration, const BandLimits& band) {
    using namespace calib;
    CalibrationData& c = calibration;
    std::fill(c.Raw().begin(), c.Raw().end(), uint8_t{0});
    StoreBandPoints(c, band);
    c.Set(PinPian_W, uint16_t{50});
    c.Set(PinPian_W_Spe_1, uint16_t{65});
    c.Set(PinPian_W_Spe_2, uint16_t{53});
    c.Set(DtmfFuDu_W, uint8_t{127});
    c.Set(FuDu1750_W, uint8_t{127});
    c.Set(CtcPinPian_W, uint8_t{14});
    c.Set(DcsPinPian_W, uint8_t{13});
    c.Set(PinPian_N, uint16_t{50});
    c.Set(PinPian_N_Spe_1, uint16_t{65});
    c.Set(PinPian_N_Spe_2, uint16_t{53});
    c.Set(DtmfFuDu_N, uint8_t{127});
    c.Set(FuDu1750_N, uint8_t{127});
    c.Set(CtcPinPian_N, uint8_t{14});
    c.Set(DcsPinPian_N, uint8_t{13});
    c.Set(SQL_L1, uint8_t{126});
    c.Set(SQL_L4, uint8_t{112});
    c.Set(SQL_L9, uint8_t{107});
    c.Set(VOX_L1, uint8_t{200});
    c.Set(VOX_L9, uint8_t{40});
    c.Set(Batt_L0_Wait, uint8_t{214});
    c.Set(Batt_L0_Tx, uint8_t{214});
    c.Set(MicGainFine, uint8_t{20});
    c.Set(MicGain, uint8_t{9});
    c.Set(Pga, uint8_t{20});
    c.Set(Noise_th, uint8_t{58});
    c.Set(Modu_th, uint8_t{110});
    c.Set(Pkdet_th, uint8_t{63});
    c.Set(Pkdet_th_nar, uint8_t{63});
    c.Set(Rssi3_th, uint8_t{25});
    c.Set(Noise2_th, uint8_t{32});
    c.Set(Modu_dten, uint8_t{1});
    c.Set(Pkdet_dten, uint8_t{1});
    c.Set(Noise_th_nar, uint8_t{58});
    c.SetSqOffset(kSquelchOffsetRaisedRow, kSquelchOffsetRaisedValue);
    c.Set(BattLowPowerOff, uint8_t{1});
    c.Set(Xtal1846, uint8_t{1});
    c.Set(FreqAging, uint32_t{470000000});
}

}  // namespace radioprog
