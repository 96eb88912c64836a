// Lists in the multi-radio CSV format, written by hand from the format's description of its
// columns and tone modes, not by our exporter.
#include "channellist/ChirpCsv.h"

#include <gtest/gtest.h>

#include "ChannelListTestSupport.h"
#include "channellist/ChannelCsv.h"
#include "channellist/ChannelListImport.h"
#include "channellist/ChirpValues.h"

namespace radioprog {
namespace {

using testing::kWholeRange;

constexpr const char* kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// One row with the format's usual values, the given cells replaced.
struct RowText {
    std::string location = "1", name = "CH1", frequency = "446.006250", duplex, offset = "0.000000";
    std::string tone, rTone = "88.5", cTone = "88.5", dtcs = "023", polarity = "NN", rxDtcs = "023";
    std::string cross = "Tone->Tone", mode = "FM", step = "5.00", skip, power = "5.0W", comment;
    std::string dv;

    std::string Line() const {
        return location + "," + name + "," + frequency + "," + duplex + "," + offset + "," + tone +
               "," + rTone + "," + cTone + "," + dtcs + "," + polarity + "," + rxDtcs + "," +
               cross + "," + mode + "," + step + "," + skip + "," + power + "," + comment + "," +
               dv + ",,,\r\n";
    }
};

std::string File(std::initializer_list<RowText> rows) {
    std::string csv = kHeader;
    for (const RowText& row : rows) {
        csv += row.Line();
    }
    return csv;
}

ProjectImage BlankImage() {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n = 1; n <= kChannelCount; ++n) {
        image.SetChannelValid(n, false);
    }
    return image;
}

constexpr Tone Ctcss(uint16_t tenths) {
    return {kToneCtcss, tenths};
}
constexpr Tone Dcs(uint16_t octal, bool inverted = false) {
    return {inverted ? kToneDcsInverted : kToneDcsNormal,
            static_cast<uint16_t>(kDcsCodeBase + octal)};
}
constexpr Tone kNone{};

Tone RxTone(const ProjectImage& image, int n) {
    const auto ch = image.Channel(n);
    return ch.RxToneType() == kToneNone ? kNone : Tone{ch.RxToneType(), ch.RxToneCode()};
}
Tone TxTone(const ProjectImage& image, int n) {
    const auto ch = image.Channel(n);
    return ch.TxToneType() == kToneNone ? kNone : Tone{ch.TxToneType(), ch.TxToneCode()};
}

// Every tone mode and cross mode, with a different value in each of the five tone columns so
// that a mode reading the wrong one is caught.
TEST(ChirpCsv, EveryToneModeMapsOntoOurReceiveAndTransmitTones) {
    struct Case {
        std::string tone, polarity, cross;
        Tone rx, tx;
    };
    const Case cases[] = {
        {"", "NN", "Tone->Tone", kNone, kNone},
        {"Tone", "NN", "Tone->Tone", kNone, Ctcss(1000)},
        {"TSQL", "NN", "Tone->Tone", Ctcss(1318), Ctcss(1318)},
        {"DTCS", "NN", "Tone->Tone", Dcs(023), Dcs(023)},
        {"DTCS", "NR", "Tone->Tone", Dcs(023, true), Dcs(023)},
        {"DTCS", "RN", "Tone->Tone", Dcs(023), Dcs(023, true)},
        {"DTCS", "RR", "Tone->Tone", Dcs(023, true), Dcs(023, true)},
        {"Cross", "NN", "Tone->Tone", Ctcss(1318), Ctcss(1000)},
        {"Cross", "NR", "Tone->DTCS", Dcs(0754, true), Ctcss(1000)},
        {"Cross", "RN", "DTCS->Tone", Ctcss(1318), Dcs(023, true)},
        {"Cross", "NN", "->Tone", Ctcss(1318), kNone},
        {"Cross", "NR", "->DTCS", Dcs(0754, true), kNone},
        {"Cross", "RN", "DTCS->", kNone, Dcs(023, true)},
        {"Cross", "NN", "Tone->", kNone, Ctcss(1000)},
        {"Cross", "RN", "DTCS->DTCS", Dcs(0754), Dcs(023, true)},
    };
    for (const Case& c : cases) {
        RowText row;
        row.tone = c.tone, row.rTone = "100.0", row.cTone = "131.8", row.dtcs = "023";
        row.rxDtcs = "754", row.polarity = c.polarity, row.cross = c.cross;
        ProjectImage image = BlankImage();
        const auto result = ImportChannelsChirpCsv(File({row}), image, kWholeRange);
        const std::string what = c.tone + " " + c.polarity + " " + c.cross;
        ASSERT_TRUE(result) << what << ": " << result.error.Message();
        EXPECT_EQ(RxTone(image, 1), c.rx) << what;
        EXPECT_EQ(TxTone(image, 1), c.tx) << what;
        // A receive tone makes the new channel a tone squelch channel, as in the grid.
        EXPECT_EQ(image.Channel(1).SquelchMode(), c.rx == kNone ? 0 : 2) << what;
    }
}

// A tone the row leaves off is stored as the tone parser stores "Off", on a new channel and
// over a channel that had a tone, so that the channel compares equal to one typed in the grid.
TEST(ChirpCsv, AToneTheRowLeavesOffIsStoredAsTheToneParserStoresOff) {
    uint8_t offType = kToneCtcss;
    uint16_t offCode = 0;
    ASSERT_TRUE(TextToTone("Off", offType, offCode));
    struct Case {
        std::string tone, cross;
        bool rxOff, txOff;
    };
    const Case cases[] = {
        {"", "Tone->Tone", true, true},
        {"Tone", "Tone->Tone", true, false},
        {"Cross", "DTCS->", true, false},
        {"Cross", "->Tone", false, true},
    };
    for (const Case& c : cases) {
        RowText row;
        row.tone = c.tone, row.cross = c.cross;
        ProjectImage hadTones = BlankImage();
        hadTones.Channel(1).InitialiseNew(446006250);
        hadTones.Channel(1).SetRxTone(kToneCtcss, 1000);
        hadTones.Channel(1).SetTxTone(kToneCtcss, 1000);
        hadTones.SetChannelValid(1, true);
        for (ProjectImage image : {BlankImage(), hadTones}) {
            const std::string what =
                c.tone + " " + c.cross + (image.IsChannelValid(1) ? " over tones" : "");
            const auto result = ImportChannelsChirpCsv(File({row}), image, kWholeRange);
            ASSERT_TRUE(result) << what << ": " << result.error.Message();
            const auto ch = image.Channel(1);
            if (c.rxOff) {
                EXPECT_EQ(Tone(ch.RxToneType(), ch.RxToneCode()), Tone(offType, offCode)) << what;
            }
            if (c.txOff) {
                EXPECT_EQ(Tone(ch.TxToneType(), ch.TxToneCode()), Tone(offType, offCode)) << what;
            }
        }
    }
}

TEST(ChirpCsv, DuplexAndOffsetGiveTheTransmitFrequency) {
    struct Case {
        std::string duplex, offset;
        uint32_t tx;
    };
    const Case cases[] = {
        {"", "0.600000", 446006250},  // simplex: the offset is not used
        {"+", "5.000000", 451006250},       {"-", "0.600000", 445406250},
        {"split", "440.125000", 440125000}, {"off", "0.000000", 0},  // receive only
    };
    for (const Case& c : cases) {
        RowText row;
        row.duplex = c.duplex, row.offset = c.offset;
        ProjectImage image = BlankImage();
        ASSERT_TRUE(ImportChannelsChirpCsv(File({row}), image, kWholeRange)) << c.duplex;
        EXPECT_EQ(image.Channel(1).RxFreq(), 446006250u) << c.duplex;
        EXPECT_EQ(image.Channel(1).TxFreq(), c.tx) << c.duplex;
    }
}

TEST(ChirpCsv, PowerModeSkipAndNameBecomeOurWords) {
    RowText high, low, narrow, skipped, chinese;
    high.power = "4.0W";
    low.location = "2", low.power = "0.5W", low.name = "";
    narrow.location = "3", narrow.mode = "NFM", narrow.power = "4W";
    skipped.location = "4", skipped.skip = "S", skipped.power = "500mW";
    chinese.location = "5", chinese.name = "中文频", chinese.power = "";
    ProjectImage image = BlankImage();
    const auto result =
        ImportChannelsChirpCsv(File({high, low, narrow, skipped, chinese}), image, kWholeRange);
    ASSERT_TRUE(result) << result.error.Message();
    EXPECT_EQ(result.rows, 5);
    EXPECT_TRUE(image.Channel(1).HighPower());
    EXPECT_FALSE(image.Channel(2).HighPower());
    EXPECT_TRUE(image.Channel(3).HighPower()) << "4W is the 4.0W level";
    EXPECT_FALSE(image.Channel(4).HighPower()) << "500mW is the 0.5W level";
    EXPECT_TRUE(image.Channel(5).HighPower()) << "no power stated: a new channel's high";
    EXPECT_TRUE(image.Channel(1).Wide());
    EXPECT_FALSE(image.Channel(3).Wide());
    EXPECT_TRUE(image.Channel(1).ScanAdd());
    EXPECT_FALSE(image.Channel(4).ScanAdd());
    EXPECT_EQ(image.Text(ChannelNameField(1)), "CH1");
    EXPECT_EQ(image.Text(ChannelNameField(2)), "");
    EXPECT_EQ(image.Text(ChannelNameField(5)), *EncodeCodePage("中文频", CodePage::Gbk));

    // One level alone is the radio's high; words name our levels directly.
    RowText only, word;
    only.power = "25W";
    word.location = "2", word.power = "low";
    image = BlankImage();
    ASSERT_TRUE(ImportChannelsChirpCsv(File({only, word}), image, kWholeRange));
    EXPECT_TRUE(image.Channel(1).HighPower());
    EXPECT_FALSE(image.Channel(2).HighPower());
}

// What the radio cannot hold is refused with the line, the column and why; nothing changes.
TEST(ChirpCsv, RowsTheRadioCannotHoldAreRefusedWholly) {
    struct Case {
        std::string what;
        RowText bad;
        std::string caption, value, why;
    };
    const auto with = [](auto change) {
        RowText row;
        row.location = "2";
        change(row);
        return row;
    };
    const Case cases[] = {
        {"AM", with([](RowText& r) { r.mode = "AM"; }), "Mode", "AM", "FM (wide) or NFM"},
        {"digital", with([](RowText& r) { r.mode = "DV"; }), "Mode", "DV", "mode"},
        {"off raster", with([](RowText& r) { r.frequency = "446.001000"; }), "Frequency",
         "446.001000", "raster"},
        {"outside band", with([](RowText& r) { r.frequency = "600.000000"; }), "Frequency",
         "600.000000", "band"},
        {"transmit outside band", with([](RowText& r) { r.duplex = "-", r.offset = "400.000000"; }),
         "Offset", "400.000000", "band"},
        {"duplex", with([](RowText& r) { r.duplex = "x"; }), "Duplex", "x", "split or off"},
        {"tone not in list", with([](RowText& r) { r.tone = "Tone", r.rTone = "123.4"; }),
         "rToneFreq", "123.4", "50 CTCSS"},
        {"code not in list", with([](RowText& r) { r.tone = "DTCS", r.dtcs = "024"; }), "DtcsCode",
         "024", "105 DCS"},
        {"polarity", with([](RowText& r) { r.tone = "DTCS", r.polarity = "NX"; }), "DtcsPolarity",
         "NX", "NN, NR, RN or RR"},
        {"reverse", with([](RowText& r) { r.tone = "TSQL-R"; }), "Tone", "TSQL-R", "reverse"},
        {"reverse dcs", with([](RowText& r) { r.tone = "DTCS-R"; }), "Tone", "DTCS-R", "reverse"},
        {"cross", with([](RowText& r) { r.tone = "Cross", r.cross = "->"; }), "CrossMode", "->",
         "not a cross mode"},
        {"priority", with([](RowText& r) { r.skip = "P"; }), "Skip", "P", "priority"},
        {"long name", with([](RowText& r) { r.name = "REPEATER"; }), "Name", "REPEATER", "6 bytes"},
        {"name character", with([](RowText& r) { r.name = "A😀"; }), "Name", "A😀",
         "\"😀\" (U+1F600)"},
        {"location", with([](RowText& r) { r.location = "0"; }), "Location", "0", "from 1 to 16"},
        {"location twice", with([](RowText& r) { r.location = "1"; }), "Location", "1",
         "on line 2"},
        {"power", with([](RowText& r) { r.power = "strong"; }), "Power", "strong", "watts"},
    };
    RowText good, low;
    low.location = "3", low.power = "1.0W";
    for (const Case& c : cases) {
        ProjectImage image = BlankImage();
        const ProjectImage before = image;
        const auto result = ImportChannelsChirpCsv(File({good, c.bad, low}), image, kWholeRange);
        ASSERT_FALSE(result) << c.what;
        EXPECT_EQ(result.error.line, 3) << c.what;
        EXPECT_EQ(result.error.caption, c.caption) << c.what;
        EXPECT_EQ(result.error.channel, c.caption == "Location" ? 0 : 2) << c.what;
        EXPECT_EQ(result.error.value, c.value) << c.what;
        EXPECT_NE(result.error.Message().find(c.why), std::string::npos)
            << c.what << ": " << result.error.Message();
        EXPECT_TRUE(std::ranges::equal(image.Raw(), before.Raw())) << c.what;
    }

    // The row that brings a third power level is the one named.
    RowText middle;
    middle.location = "2", middle.power = "2.0W";
    ProjectImage image = BlankImage();
    const auto result = ImportChannelsChirpCsv(File({good, low, middle}), image, kWholeRange);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error.line, 4);
    EXPECT_EQ(result.error.value, "2.0W");
    EXPECT_NE(result.error.Message().find("third power level"), std::string::npos);
}

TEST(ChirpCsv, OtherLocationsArePlacedFromChannelOneOnlyWhenAsked) {
    std::string csv = kHeader;
    for (int location = 0; location < 17; ++location) {
        RowText row;
        row.location = std::to_string(location);
        row.name = "M" + std::to_string(location);
        csv += row.Line();
    }
    // Only location 0 has no channel; renumbered, the seventeenth row has no room.
    ProjectImage image = BlankImage();
    for (const bool renumber : {false, true}) {
        const auto result = ImportChannelsChirpCsv(csv, image, kWholeRange, {.renumber = renumber});
        ASSERT_FALSE(result) << "17 rows";
        ASSERT_EQ(result.errors.size(), 1u) << result.error.Message();
        EXPECT_EQ(result.error.line, renumber ? 18 : 2);
        EXPECT_EQ(result.error.remedy, ListRemedy::None) << "renumbering cannot place 17 rows";
        if (renumber) {
            EXPECT_NE(result.error.Message().find("no room"), std::string::npos)
                << result.error.Message();
        }
    }

    csv.resize(csv.rfind("16,M16"));
    auto result = ImportChannelsChirpCsv(csv, image, kWholeRange);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error.line, 2) << "location 0 has no channel";
    EXPECT_EQ(result.error.remedy, ListRemedy::Renumber);

    result = ImportChannelsChirpCsv(csv, image, kWholeRange, {.renumber = true});
    ASSERT_TRUE(result) << result.error.Message();
    EXPECT_EQ(image.Text(ChannelNameField(1)), "M0");
    EXPECT_EQ(image.Text(ChannelNameField(16)), "M15");
}

TEST(ChirpCsv, LongNamesAreCutAtACharacterWhenAsked) {
    RowText latin, chinese, mixed;
    latin.name = "REPEATER";
    chinese.location = "2", chinese.name = "中文频道";
    mixed.location = "3", mixed.name = "A中文频";
    ProjectImage image = BlankImage();
    ASSERT_TRUE(ImportChannelsChirpCsv(File({latin, chinese, mixed}), image, kWholeRange,
                                       {.shortenNames = true}));
    EXPECT_EQ(image.Text(ChannelNameField(1)), "REPEAT");
    EXPECT_EQ(image.Text(ChannelNameField(2)), *EncodeCodePage("中文频", CodePage::Gbk));
    EXPECT_EQ(image.Text(ChannelNameField(3)), *EncodeCodePage("A中文", CodePage::Gbk));
}

// A refusal that an option would take names that option, and taking it then imports the list;
// any other refusal names none, whatever its words.
TEST(ChirpCsv, ARefusalNamesTheOptionThatWouldTakeTheList) {
    struct Case {
        std::string what;
        std::string csv;
        ChirpImportOptions options;
        ListRemedy remedy;
    };
    RowText good, zero, again, longName, both, character, offRaster;
    zero.location = "0";
    again.location = "1";
    longName.location = "2", longName.name = "REPEATER";
    both.location = "0", both.name = "REPEATER";
    character.location = "2", character.name = "A😀";
    offRaster.location = "2", offRaster.frequency = "446.001000";
    std::string seventeen = kHeader;
    for (int location = 1; location <= 17; ++location) {
        RowText row;
        row.location = std::to_string(location);
        seventeen += row.Line();
    }
    const Case cases[] = {
        {"location 0", File({good, zero}), {}, ListRemedy::Renumber},
        {"location twice", File({good, again}), {}, ListRemedy::Renumber},
        {"long name", File({good, longName}), {}, ListRemedy::ShortenNames},
        {"long name, renumbered", File({good, both}), {.renumber = true}, ListRemedy::ShortenNames},
        {"location before long name",
         File({good, both}),
         {.shortenNames = true},
         ListRemedy::Renumber},
        {"character", File({good, character}), {}, ListRemedy::None},
        {"off raster", File({good, offRaster}), {}, ListRemedy::None},
        {"more rows than channels", seventeen, {}, ListRemedy::None},
        {"long name in our own list",
         "NO.,RX Freq.,Name\r\n1,146.5,REPEATER\r\n",
         {},
         ListRemedy::None},
    };
    for (const Case& c : cases) {
        ProjectImage image = BlankImage();
        const auto refused = ImportChannelList(c.csv, image, kWholeRange, c.options);
        ASSERT_FALSE(refused) << c.what;
        EXPECT_EQ(refused.error.remedy, c.remedy) << c.what << ": " << refused.error.Message();
        if (c.remedy == ListRemedy::None) {
            continue;
        }
        ChirpImportOptions taken = c.options;
        (c.remedy == ListRemedy::Renumber ? taken.renumber : taken.shortenNames) = true;
        const auto result = ImportChannelList(c.csv, image, kWholeRange, taken);
        EXPECT_TRUE(result) << c.what << ": " << result.error.Message();
    }
}

// A list as the format's programs write it: some columns missing in older files, others
// unknown to us but empty, blank trailing rows; the header picks the format.
TEST(ChirpCsv, ListsAreRecognisedByTheirHeader) {
    const std::string older =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,Extra\n"
        "1,GMRS1,462.562500,off,0.000000,,88.5,88.5,023,NN,FM,5.00,,,,,,\n"
        "2,RPT,145.290000,-,0.600000,TSQL,88.5,131.8,023,NN,FM,5.00,S,,,,,\n"
        ",,,,,,,,,,,,,,,,,\n";
    EXPECT_EQ(DetectChannelListFormat(older), ChannelListFormat::Chirp);
    ProjectImage image = BlankImage();
    const auto result = ImportChannelList(older, image, kWholeRange);
    ASSERT_TRUE(result) << result.error.Message();
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(image.Channel(1).TxFreq(), 0u);
    EXPECT_EQ(image.Channel(2).TxFreq(), 144690000u);
    EXPECT_EQ(RxTone(image, 2), Ctcss(1318));
    EXPECT_FALSE(image.Channel(2).ScanAdd());

    // Our own lists still go their own way.
    std::mt19937 random(7);
    const ProjectImage own = testing::RepresentableImage(random);
    const std::string ours = ExportChannelsCsv(own);
    EXPECT_EQ(DetectChannelListFormat(ours), ChannelListFormat::Own);
    ProjectImage copy = BlankImage();
    ASSERT_TRUE(ImportChannelList(ours, copy, kWholeRange));
    testing::ExpectSameChannels(copy, own, "own list");
}

// The fields the format carries: use, frequencies, tones, bandwidth, power, scan, name.
void ExpectSameCarriedFields(const ProjectImage& actual, const ProjectImage& expected,
                             const std::string& context) {
    for (int n = 1; n <= kChannelCount; ++n) {
        ASSERT_EQ(actual.IsChannelValid(n), expected.IsChannelValid(n)) << context << " ch " << n;
        if (!expected.IsChannelValid(n)) {
            continue;
        }
        const ConstChannelRecord a = actual.Channel(n);
        const ConstChannelRecord e = expected.Channel(n);
        EXPECT_EQ(a.RxFreq(), e.RxFreq()) << context << " ch " << n;
        EXPECT_EQ(a.TxFreq(), e.TxFreq()) << context << " ch " << n;
        EXPECT_EQ(RxTone(actual, n), RxTone(expected, n)) << context << " ch " << n;
        EXPECT_EQ(TxTone(actual, n), TxTone(expected, n)) << context << " ch " << n;
        EXPECT_EQ(a.Wide(), e.Wide()) << context << " ch " << n;
        EXPECT_EQ(a.HighPower(), e.HighPower()) << context << " ch " << n;
        EXPECT_EQ(a.ScanAdd(), e.ScanAdd()) << context << " ch " << n;
        EXPECT_EQ(actual.Text(ChannelNameField(n)), expected.Text(ChannelNameField(n)))
            << context << " ch " << n;
    }
}

TEST(ChirpCsv, ExportThenImportGivesIdenticalChannels) {
    // Every pair of receive and transmit tones kinds, so that every mode is written.
    const Tone tones[] = {kNone, Ctcss(885), Ctcss(1318), Dcs(023), Dcs(023, true), Dcs(0754)};
    ProjectImage pairs = BlankImage();
    int n = 0;
    for (const Tone& rx : tones) {
        for (const Tone& tx : tones) {
            ChannelRecord ch = pairs.Channel(n % kChannelCount + 1);
            ch.InitialiseNew(446006250);
            ch.SetRxTone(rx.type, rx.code);
            ch.SetTxTone(tx.type, tx.code);
            pairs.SetChannelValid(n % kChannelCount + 1, true);
            if (++n % kChannelCount == 0 || n == 36) {
                ProjectImage imported = BlankImage();
                const auto result =
                    ImportChannelList(ExportChannelsChirpCsv(pairs), imported, kWholeRange);
                ASSERT_TRUE(result) << result.error.Message();
                ExpectSameCarriedFields(imported, pairs, "tone pairs up to " + std::to_string(n));
            }
        }
    }

    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        const ProjectImage original = testing::RepresentableImage(random);
        const std::string csv = ExportChannelsChirpCsv(original);

        ProjectImage onto = original;
        auto result = ImportChannelList(csv, onto, kWholeRange);
        ASSERT_TRUE(result) << "seed " << seed << ": " << result.error.Message();
        EXPECT_TRUE(std::ranges::equal(onto.Raw(), original.Raw()))
            << "seed " << seed << ": imported onto itself, nothing changes";

        ProjectImage fresh = BlankImage();
        result = ImportChannelList(csv, fresh, kWholeRange);
        ASSERT_TRUE(result) << "seed " << seed << ": " << result.error.Message();
        ExpectSameCarriedFields(fresh, original, "seed " + std::to_string(seed));
    }
}

}  // namespace
}  // namespace radioprog

namespace radioprog {
namespace {

// Exact decimals: a value that is not whole hertz (or milliwatts) is no value.
TEST(ChirpValues, NumbersAreReadExactly) {
    EXPECT_EQ(ParseChirpMHz("446.00625"), 446006250u);
    EXPECT_EQ(ParseChirpMHz("446.006250000"), 446006250u);
    EXPECT_EQ(ParseChirpMHz("446.0062501"), std::nullopt);
    EXPECT_EQ(ParseChirpMHz("446.5.1"), std::nullopt);
    EXPECT_EQ(ParseChirpMHz("5000"), std::nullopt) << "beyond 32 bits of hertz";
    EXPECT_EQ(ParseChirpStepHz("6.25"), 6250u);
    EXPECT_EQ(ParseChirpStepHz("8.33"), 8330u);
    EXPECT_EQ(ParseChirpStepHz("0.0001"), std::nullopt);
    EXPECT_EQ(ParseChirpMilliwatts("5.0W"), 5000u);
    EXPECT_EQ(ParseChirpMilliwatts("500mW"), 500u);
    EXPECT_EQ(ParseChirpMilliwatts("0W"), std::nullopt);
    EXPECT_EQ(ParseChirpMilliwatts("5"), std::nullopt);
    EXPECT_EQ(CutNameBytes("\xD6\xD0\xCE\xC4\xC6\xB5\xB5\xC0", 6), "\xD6\xD0\xCE\xC4\xC6\xB5");
    EXPECT_EQ(CutNameBytes("A\xD6\xD0\xCE\xC4\xC6\xB5", 6), "A\xD6\xD0\xCE\xC4");
}

}  // namespace
}  // namespace radioprog
