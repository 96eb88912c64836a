// Channel lists from files and pasted text: whatever the text, an import either changes
// nothing and says where it stopped, or stores channels whose own list reads back into the
// very same image.
#include "FuzzTargets.h"
#include "channellist/ChannelClipboardText.h"
#include "channellist/ChannelCsv.h"

namespace radioprog::fuzz {

namespace {

constexpr BandLimits kBand{136000000, 174000000};

ProjectImage BaseImage() {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n : {1, 5, 16}) {
        image.Channel(n).InitialiseNew(146000000 + 12500 * static_cast<uint32_t>(n));
        image.SetChannelValid(n, true);
    }
    return image;
}

bool SameImage(const ProjectImage& a, const ProjectImage& b) {
    return std::equal(a.Raw().begin(), a.Raw().end(), b.Raw().begin());
}

void CheckOutcome(const ChannelListResult& result, const ProjectImage& before,
                  const ProjectImage& after) {
    if (!result) {
        FUZZ_CHECK(SameImage(before, after));
        FUZZ_CHECK(result.error.line >= 1 && result.error.column >= 1);
        FUZZ_CHECK(!result.error.why.empty());
        return;
    }
    ProjectImage again = after;
    FUZZ_CHECK(ImportChannelsCsv(ExportChannelsCsv(after), again, kBand));
    FUZZ_CHECK(SameImage(again, after));
}

// Text that reads as a table reads the same after it is written out again.
void CheckTableRoundTrip(std::string_view text, char separator) {
    const TextTableParse table = ParseTextTable(text, separator);
    if (!table) {
        return;
    }
    std::vector<std::vector<std::string>> rows;
    for (const TextTableRow& row : table.rows) {
        rows.push_back(row.cells);
    }
    const TextTableParse again =
        ParseTextTable(FormatTextTable(rows, separator, "\r\n"), separator);
    FUZZ_CHECK(again.ok && again.rows.size() == rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(again.rows[i].cells == rows[i]);
    }
}

}  // namespace

int FuzzChannels(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const ProjectImage base = BaseImage();

    ProjectImage imported = base;
    CheckOutcome(ImportChannelsCsv(text, imported, kBand), base, imported);

    ProjectImage pasted = base;
    const int first = 1 + static_cast<int>(size % kChannelCount);
    CheckOutcome(PasteChannelsTsv(text, first, pasted, kBand), base, pasted);

    CheckTableRoundTrip(text, ',');
    CheckTableRoundTrip(text, '\t');
    return 0;
}

}  // namespace radioprog::fuzz
