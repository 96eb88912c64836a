// Channel lists in the multi-radio format: whatever the file, the import either changes
// nothing and says where it stopped, or stores channels that our own export of the format
// carries back into the very same image.
#include "FuzzTargets.h"
#include "channellist/ChirpCsv.h"

namespace radioprog::fuzz {

namespace {

constexpr BandLimits kBand{136000000, 174000000};

ProjectImage BaseImage() {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n : {1, 5, 16}) {
        auto ch = image.Channel(n);
        ch.InitialiseNew(146000000 + 12500 * static_cast<uint32_t>(n));
        ch.SetHighPower(n != 5);
        image.SetChannelValid(n, true);
    }
    return image;
}

bool SameImage(const ProjectImage& a, const ProjectImage& b) {
    return std::equal(a.Raw().begin(), a.Raw().end(), b.Raw().begin());
}

}  // namespace

int FuzzMultiradio(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const ProjectImage base = BaseImage();
    // The options come from the length, so that a seed keeps its choice when replayed.
    const ChirpImportOptions options{.renumber = (size & 1) != 0, .shortenNames = (size & 2) != 0};

    ProjectImage imported = base;
    const ChannelListResult result = ImportChannelsChirpCsv(text, imported, kBand, options);
    if (!result) {
        FUZZ_CHECK(SameImage(base, imported));
        FUZZ_CHECK(result.error.line >= 1 && result.error.column >= 1);
        FUZZ_CHECK(!result.error.why.empty());
        FUZZ_CHECK(result.notes.empty());
        return 0;
    }
    FUZZ_CHECK(result.rows >= 0 && result.rows <= kChannelCount);
    FUZZ_CHECK(result.rows == 0 || !result.notes.empty());
    ProjectImage again = imported;
    const ChannelListResult back =
        ImportChannelsChirpCsv(ExportChannelsChirpCsv(imported), again, kBand);
    FUZZ_CHECK(back.ok);
    FUZZ_CHECK(SameImage(again, imported));
    return 0;
}

}  // namespace radioprog::fuzz
