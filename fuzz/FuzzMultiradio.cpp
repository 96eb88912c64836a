// Channel lists in the multi-radio format: whatever the file, the import either changes
// nothing and says where it stopped, or stores channels that our own export of the format
// carries back into the very same image.
#include "ChannelListBase.h"
#include "FuzzTargets.h"
#include "channellist/ChirpCsv.h"

namespace radioprog::fuzz {

int FuzzMultiradio(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const ProjectImage base = ListBaseImage();
    // The options come from the length, so that a seed keeps its choice when replayed.
    const ChirpImportOptions options{.renumber = (size & 1) != 0, .shortenNames = (size & 2) != 0};

    ProjectImage imported = base;
    const ChannelListResult result = ImportChannelsChirpCsv(text, imported, kListBand, options);
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
        ImportChannelsChirpCsv(ExportChannelsChirpCsv(imported), again, kListBand);
    FUZZ_CHECK(back.ok);
    FUZZ_CHECK(SameImage(again, imported));
    return 0;
}

}  // namespace radioprog::fuzz
