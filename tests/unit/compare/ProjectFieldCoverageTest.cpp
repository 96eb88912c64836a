// The comparison against the project image's field table: every field, in every entry that has
// it, changed on one side alone is a difference named by that field, and nowhere else.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <string>
#include <variant>
#include <vector>

#include "compare/DifferenceLines.h"
#include "compare/FieldNames.h"
#include "compare/ProjectComparison.h"
#include "compare/ProjectFieldTable.h"
#include "lang/InterfaceText.h"
#include "lang/OptionFields.h"
#include "lang/TextIds.h"
#include "model/ToneCodec.h"

namespace {

using namespace radioprog;
using Area = FieldDifference::Area;
using THaldenFuncs::TLangType;

constexpr const char* kPasswords[] = {"4711", "0815"};

// Every entry in use and every field holding something a one-bit change shows: tones on, DTMF
// digits counted to their full width, texts and passwords set.
ProjectImage FullProject() {
    ProjectImage image;
    image.ResetToDefaults();
    image.Set(image::BandLower, uint32_t{400000000});
    image.Set(image::BandUpper, uint32_t{480000000});
    for (int n = 1; n <= kChannelCount; ++n) {
        ChannelRecord ch = image.Channel(n);
        ch.InitialiseNew(400000000 + 5000000u * static_cast<unsigned>(n));
        ch.SetRxTone(kToneCtcss, 885);
        ch.SetTxTone(kToneDcsNormal, kDcsCodeBase + 023);
        image.SetChannelValid(n, true);
        image.SetText(ChannelNameField(n), "CH" + std::to_string(n));
    }
    for (int n = 1; n <= kAddrBookCount; ++n) {
        image.SetEntryValid(n, true);
    }
    for (const ProjectField& field : ProjectFieldTable()) {
        const int last = field.place == FieldPlace::AddrBook ? kAddrBookCount : 0;
        for (int entry = 0; entry <= last; ++entry) {
            if (field.form == FieldForm::Digits) {
                image.Set(U8Field{CountOffset(field, entry)}, static_cast<uint8_t>(field.size));
                for (size_t digit = 0; digit < field.size; ++digit) {
                    image.Set(U8Field{FieldOffset(field, entry) + digit}, uint8_t{1});
                }
            } else if (field.form == FieldForm::Text && field.place != FieldPlace::Channel) {
                image.SetText(BytesField{FieldOffset(field, entry), field.size}, "AB");
            }
        }
    }
    image.SetText(image::UnlockPassword, kPasswords[0]);
    image.SetText(image::NewPassword, kPasswords[1]);
    return image;
}

BandLimits SavedBand(const ProjectImage& image) {
    return {image.Get(image::BandLower), image.Get(image::BandUpper)};
}

// The entries a field has: 1..16 for a channel or address-book field, the image's one else.
std::vector<int> Entries(const ProjectField& field) {
    if (field.place == FieldPlace::Channel || field.place == FieldPlace::AddrBook) {
        std::vector<int> entries;
        for (int n = 1; n <= kChannelCount; ++n) {
            entries.push_back(n);
        }
        return entries;
    }
    return {0};
}

const OptionField* OptionStoredIn(const ProjectField& field) {
    for (const OptionField& option : OptionFields()) {
        const size_t offset = std::visit([](auto f) { return f.offset; }, option.field);
        if (field.place == FieldPlace::Settings && offset == field.offset) {
            return &option;
        }
    }
    return nullptr;
}

// Where the difference in field must be reported and under which caption.
FieldDifference Expected(const ProjectField& field, int entry) {
    FieldDifference where;
    where.channel = entry;
    where.field = field.name;
    switch (field.place) {
        case FieldPlace::Band:
            where.area = Area::Band;
            where.field = LangTextUtf8(TLangType::English, text::kFrequencyBand);
            break;
        case FieldPlace::Channel:
            where.area = Area::Channel;
            if (field.column) {
                where.field = LangTextUtf8(
                    TLangType::English,
                    text::kChannelFieldCaptions[static_cast<size_t>(*field.column) - 1]);
            }
            break;
        case FieldPlace::AddrBook:
            where.area = Area::AddrBook;
            break;
        case FieldPlace::Settings:
            where.area = Area::Setting;
            if (const OptionField* option = OptionStoredIn(field)) {
                where.area = Area::Option;
                where.field = LangTextUtf8(TLangType::English, option->caption);
            }
            break;
    }
    return where;
}

// The lowest bit of the field flipped on one side.
ProjectImage Changed(const ProjectImage& image, const ProjectField& field, int entry) {
    ProjectImage changed = image;
    const uint8_t mask = FieldMask(field, entry);
    changed.Raw()[FieldOffset(field, entry)] ^= static_cast<uint8_t>(1u << std::countr_zero(mask));
    return changed;
}

bool Reports(const std::vector<FieldDifference>& differences, const FieldDifference& expected,
             bool inUse) {
    for (const FieldDifference& d : differences) {
        if (d.area == expected.area && d.channel == expected.channel &&
            (inUse ? d.leftInUse != d.rightInUse : d.field == expected.field)) {
            return true;
        }
    }
    return false;
}

TEST(ProjectFieldCoverage, EveryFieldOfTheTableChangedAloneIsReportedByItsName) {
    const ProjectImage left = FullProject();
    ASSERT_TRUE(CompareProjects(left, SavedBand(left), left, SavedBand(left)).empty());
    for (const ProjectField& field : ProjectFieldTable()) {
        for (const int entry : Entries(field)) {
            SCOPED_TRACE(::testing::Message() << field.name << " of entry " << entry);
            const ProjectImage right = Changed(left, field, entry);
            const auto differences =
                CompareProjects(left, SavedBand(left), right, SavedBand(right));
            const FieldDifference expected = Expected(field, entry);
            EXPECT_TRUE(Reports(differences, expected, field.form == FieldForm::InUse))
                << DifferenceLines(differences);
            for (const FieldDifference& d : differences) {
                EXPECT_TRUE(d.area == expected.area && d.channel == expected.channel)
                    << "also: " << DifferenceLine(d);
            }
        }
    }
}

TEST(ProjectFieldCoverage, PasswordsDifferWithoutShowingEitherValue) {
    const ProjectImage left = FullProject();
    for (const ProjectField& field : ProjectFieldTable()) {
        if (field.form != FieldForm::Secret) {
            continue;
        }
        SCOPED_TRACE(field.name);
        ProjectImage right = left;
        right.SetText(BytesField{field.offset, field.size}, "4712");
        for (const TLangType language :
             {TLangType::English, TLangType::SimplifiedChinese, TLangType::TraditionalChinese}) {
            const ProjectComparison sides =
                CompareSideBySide(left, SavedBand(left), right, SavedBand(right), language);
            const auto differences = sides.Differences();
            ASSERT_EQ(differences.size(), 1u);
            EXPECT_TRUE(differences[0].valuesHidden);
            std::string shown = DifferenceLines(differences);
            for (const SettingComparison& setting : sides.options) {
                shown += setting.words[0] + setting.words[1];
            }
            for (const char* password : {kPasswords[0], kPasswords[1], "4712"}) {
                EXPECT_EQ(shown.find(password), std::string::npos) << shown;
            }
        }
    }
}

// Compared with what a radio read brings, a field the radio does not hold never differs: the
// read kept the project's value or set its own, and neither is the radio's.
TEST(ProjectFieldCoverage, AgainstARadioOnlyTheFieldsItHoldsDifferAndTheRestAreNamed) {
    const ProjectImage left = FullProject();
    for (const RadioKind kind : {RadioKind::S, RadioKind::Y, RadioKind::Legacy}) {
        const std::vector<std::string> notHeld = FieldsNotHeldBy(kind);
        for (const ProjectField& field : ProjectFieldTable()) {
            SCOPED_TRACE(::testing::Message()
                         << field.name << " with a radio of kind " << RadioKindName(kind));
            const ProjectImage right = Changed(left, field, Entries(field).back());
            const auto differences = CompareProjects(left, SavedBand(left), right, SavedBand(right),
                                                     TLangType::English, kind);
            EXPECT_EQ(differences.empty(), !IsHeldBy(field, kind)) << DifferenceLines(differences);
            if (!IsHeldBy(field, kind)) {
                const FieldDifference expected = Expected(field, 0);
                const bool named = std::ranges::any_of(notHeld, [&](const std::string& name) {
                    return name.ends_with(field.form == FieldForm::InUse ? field.name
                                                                         : expected.field);
                });
                EXPECT_TRUE(named);
            }
        }
    }
}

}  // namespace
