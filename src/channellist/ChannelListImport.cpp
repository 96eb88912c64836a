#include "channellist/ChannelListImport.h"

#include "channellist/ChannelCsv.h"

namespace radioprog {

namespace {

// The header row is the first line that is not blank; a quoted line break inside a caption is
// not worth reading the whole file for.
std::string_view HeaderText(std::string_view csv) {
    size_t start = csv.find_first_not_of("\r\n");
    if (start == std::string_view::npos) {
        return {};
    }
    const size_t end = csv.find_first_of("\r\n", start);
    return csv.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

}  // namespace

ChannelListFormat DetectChannelListFormat(std::string_view csv) {
    const TextTableParse header = ParseTextTable(HeaderText(csv), ',');
    if (!header || header.rows.empty()) {
        return ChannelListFormat::Own;
    }
    return IsChirpCsvHeader(header.rows[0]) ? ChannelListFormat::Chirp : ChannelListFormat::Own;
}

ChannelListResult ImportChannelList(std::string_view csv, ProjectImage& image,
                                    const BandLimits& band, const ChirpImportOptions& options) {
    if (csv.size() <= kMaxChannelCsvSize &&
        DetectChannelListFormat(csv) == ChannelListFormat::Chirp) {
        return ImportChannelsChirpCsv(csv, image, band, options);
    }
    return ImportChannelsCsv(csv, image, band);
}

}  // namespace radioprog
