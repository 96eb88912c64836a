// Which radios hold each channel column, held against the radio maps themselves: a column
// marked as the file's own must really be lost on the way through that radio, and a column
// not marked must really arrive. The grid, the sheet and the comparison all trust this table.

#include <gtest/gtest.h>

#include <memory>

#include "channellist/ColumnHolding.h"
#include "model/ProjectImage.h"
#include "model/ToneCodec.h"
#include "session/LegacyMapConversion.h"
#include "session/MemoryMapConversion.h"
#include "session/RadioKind.h"

namespace {

using namespace radioprog;

constexpr BandLimits kBand{400000000, 480000000};

ProjectImage OneChannel() {
    ProjectImage image;
    image.ResetToDefaults();
    image.Channel(1).InitialiseNew(446006250);
    image.SetChannelValid(1, true);
    return image;
}

// Channel 1 with the column set to a value other than a new channel's.
ProjectImage Changed(ChannelColumn column) {
    ProjectImage image = OneChannel();
    ChannelRecord ch = image.Channel(1);
    switch (column) {
        case ChannelColumn::RxFreq:
            ch.SetRxFreq(446100000);
            break;
        case ChannelColumn::TxFreq:
            ch.SetTxFreq(441100000);
            break;
        case ChannelColumn::RxTone:
            ch.SetRxTone(kToneCtcss, 885);
            break;
        case ChannelColumn::TxTone:
            ch.SetTxTone(kToneDcsNormal, kDcsCodeBase + 023);
            break;
        case ChannelColumn::Name:
            image.SetText(ChannelNameField(1), "GATE");
            break;
        case ChannelColumn::SquelchMode:
            ch.SetSquelchMode(4);
            break;
        case ChannelColumn::Dtmf:
            ch.SetDtmf(true);
            break;
        default:  // the word columns of one or two bits: the other value
            SetWordValue(ch, column, WordValue(ch, column) == 0 ? 1 : 0);
            break;
    }
    return image;
}

// What a read of the radio the image was written to brings onto a project of new channels.
ProjectImage ThroughTheRadio(const ProjectImage& written, RadioKind kind) {
    auto memory = std::make_unique<RadioMemory>();
    ProjectImage read = OneChannel();
    BandLimits band = kBand;
    LastWriteTime time;
    if (kind == RadioKind::Legacy) {
        GetDataForWrite_old(written, *memory);
        SetDataToSoftware_old(*memory, read, time);
    } else {
        const bool variantY = kind == RadioKind::Y;
        GetDataForWrite(written, kBand, {}, variantY, LastWriteTime{}, *memory);
        SetDataToSoftware(*memory, variantY, read, band, time);
    }
    return read;
}

TEST(ColumnHoldingTest, AColumnArrivesThroughExactlyTheRadiosThatHoldIt) {
    for (int c = 1; c < kChannelColumnCount; ++c) {
        const auto column = static_cast<ChannelColumn>(c);
        const ProjectImage written = Changed(column);
        ASSERT_NE(ChannelFieldText(written, 1, column), ChannelFieldText(OneChannel(), 1, column))
            << ColumnHeader(column) << ": the change shows in the column";
        bool arrivesInACurrentRadio = false;
        for (const auto& [kind, bit] :
             {std::pair{RadioKind::S, kHeldByCurrent}, std::pair{RadioKind::Y, kHeldByCurrent},
              std::pair{RadioKind::Legacy, kHeldByLegacy}}) {
            const bool arrives = ChannelFieldText(ThroughTheRadio(written, kind), 1, column) ==
                                 ChannelFieldText(written, 1, column);
            EXPECT_EQ(arrives, (ColumnHeldBy(column) & bit) != 0)
                << ColumnHeader(column) << " through a radio of kind " << RadioKindName(kind);
            arrivesInACurrentRadio |= arrives && kind != RadioKind::Legacy;
        }
        EXPECT_EQ(IsFileOnlyColumn(column), !arrivesInACurrentRadio) << ColumnHeader(column);
    }
}

}  // namespace
