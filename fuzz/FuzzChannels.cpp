// Channel lists from files and pasted text: whatever the text, an import either changes
// nothing and says where it stopped, or stores channels whose own list reads back into the
// very same image.
#include "ChannelListBase.h"
#include "FuzzTargets.h"
#include "channellist/ChannelClipboardText.h"
#include "channellist/ChannelCsv.h"

namespace radioprog::fuzz {

namespace {

void CheckOutcome(const ChannelListResult& result, const ProjectImage& before,
                  const ProjectImage& after) {
    if (!result) {
        FUZZ_CHECK(SameImage(before, after));
        FUZZ_CHECK(result.error.line >= 1 && result.error.column >= 1);
        FUZZ_CHECK(!result.error.why.empty());
        return;
    }
    ProjectImage again = after;
    FUZZ_CHECK(ImportChannelsCsv(ExportChannelsCsv(after), again, kListBand));
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
    static const ProjectImage base = ListBaseImage();

    ProjectImage imported = base;
    CheckOutcome(ImportChannelsCsv(text, imported, kListBand), base, imported);

    ProjectImage pasted = base;
    const int first = 1 + static_cast<int>(size % kChannelCount);
    CheckOutcome(PasteChannelsTsv(text, first, pasted, kListBand), base, pasted);

    CheckTableRoundTrip(text, ',');
    CheckTableRoundTrip(text, '\t');
    return 0;
}

}  // namespace radioprog::fuzz
