#include "channellist/ChannelListImport.h"

namespace radioprog {

ChannelListResult ImportChannelList(std::string_view csv, ProjectImage& image,
                                    const BandLimits& band, const ChirpImportOptions& options) {
    ChannelListChoice choice;
    choice.renumber = options.renumber;
    choice.shortenNames = options.shortenNames;
    return ResultOf(PlanChannelListImport(csv, image, band, choice), image);
}

}  // namespace radioprog
