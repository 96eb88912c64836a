// Project files: any file loads, the model built from it converts to both radio maps, and
// what is saved loads back byte for byte.
#include <cstring>
#include <utility>

#include "FuzzTargets.h"
#include "model/FreqCodec.h"
#include "model/ProjectFile.h"
#include "model/ToneCodec.h"
#include "session/CalibrationTables.h"
#include "session/LegacyMapConversion.h"
#include "session/MemoryMapConversion.h"

namespace radioprog::fuzz {

int FuzzProject(const uint8_t* data, size_t size) {
    const std::string path = ScratchFile("project.Vkf", {data, size});
    static ProjectImage image;
    image.ResetToDefaults();
    BandLimits band{400000000, 480000000};
    if (!OpenProject(path, image, band)) {
        return 0;
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        const ConstChannelRecord channel = std::as_const(image).Channel(n);
        (void)FreqToText(channel.RxFreq());
        (void)ToneToText(channel.RxToneCode(), channel.RxToneType());
        (void)ToneToText(channel.TxToneCode(), channel.TxToneType());
    }

    static RadioMemory memory;
    static const CalibrationTables tables;
    const LastWriteTime when{2024, 5, 6, 7, 8};
    GetDataForWrite(image, band, tables, size % 2 == 0, when, memory);
    GetDataForWrite_old(image, memory);

    const std::string saved = ScratchPath("saved.Vkf");
    static ProjectImage reloaded;
    BandLimits reloadedBand{};
    FUZZ_CHECK(SaveProject(saved, image, band));
    FUZZ_CHECK(OpenProject(saved, reloaded, reloadedBand));
    FUZZ_CHECK(std::memcmp(reloaded.Raw().data(), image.Raw().data(), kProjectImageSize) == 0);
    FUZZ_CHECK(reloadedBand.lower == band.lower && reloadedBand.upper == band.upper);
    return 0;
}

}  // namespace radioprog::fuzz
