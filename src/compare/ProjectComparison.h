#pragma once
// Two projects side by side, field by field: every field of the project image's field table
// (ProjectFieldTable.h). The band, the channel fields and the options page's options read as
// the user sees them there; the fields no page shows (a channel's spare flag bytes, the other
// settings, the DTMF settings and address book, the serial number and passwords) read in their
// own names. A field differs when its words differ or, where two stored values share one text,
// when the stored value does; the text then names the stored value too. What no one can tell
// apart is no difference: the code behind a tone that is off, digits past their count, bytes
// after a text's end, what an unused channel or address-book entry holds. Passwords are
// compared but never shown. The radio's last-write time is no field of a project.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "lang/AppLang.h"
#include "model/BandLimits.h"
#include "model/ProjectImage.h"
#include "session/RadioKind.h"

namespace radioprog {

// One project as a side of a comparison, with the words that name it (UTF-8).
struct ComparedProject {
    ProjectImage image;
    BandLimits band;
    std::string caption;
};

// One differing field, for a list: which channel or address-book entry (1..16, 0 elsewhere),
// the field's caption and the two texts. An entry in use on one side only differs in every
// field; that side's texts are empty and its inUse flag is false. A password's texts are
// empty and valuesHidden is set.
struct FieldDifference {
    enum class Area { Band, Channel, Option, Setting, AddrBook };
    Area area = Area::Channel;
    int channel = 0;
    std::string field;
    std::string left;
    std::string right;
    bool leftInUse = true;
    bool rightInUse = true;
    bool valuesHidden = false;

    friend bool operator==(const FieldDifference&, const FieldDifference&) = default;
};

// A setting (the band, an option, any other field outside the channels) on both sides. The
// caption names it in a list of settings, so an address-book field's caption starts with its
// entry; the list of differences takes entry and field apart.
struct SettingComparison {
    std::string caption;
    std::array<std::string, 2> words;
    bool differs = false;
    FieldDifference::Area area = FieldDifference::Area::Option;
    int entry = 0;
    std::string field;  // the caption without the entry
    std::array<bool, 2> inUse{true, true};
    bool valuesHidden = false;
};

// A channel on both sides: its fields in the grid's order (kChannelFieldCaptions), then those
// the grid has no column for, empty texts on a side where it is not in use.
struct ChannelComparison {
    int channel = 0;
    std::array<bool, 2> inUse{};
    std::array<std::vector<std::string>, 2> fields;
    std::vector<bool> differs;

    bool Identical() const;
};

struct ProjectComparison {
    std::vector<std::string> fieldCaptions;  // the channel fields, without the number
    SettingComparison band;
    std::vector<ChannelComparison> channels;  // 1..16 in order
    // The options page's options, then the other settings, then the address-book entries in
    // use on either side.
    std::vector<SettingComparison> options;

    // Every differing field: the band, then channel by channel, then the settings.
    std::vector<FieldDifference> Differences() const;
};

// Side 0 is a, side 1 is b; captions and words in the given language. With heldBy, only the
// fields a read of that radio brings can differ: a read leaves the others as the project held
// them, or as the read's own rule sets them, and neither says what the radio holds.
ProjectComparison CompareSideBySide(
    const ProjectImage& a, const BandLimits& bandA, const ProjectImage& b, const BandLimits& bandB,
    THaldenFuncs::TLangType words = THaldenFuncs::TLangType::English,
    std::optional<RadioKind> heldBy = std::nullopt);

// Only what differs; nothing for two projects that hold the same.
std::vector<FieldDifference> CompareProjects(
    const ProjectImage& a, const BandLimits& bandA, const ProjectImage& b, const BandLimits& bandB,
    THaldenFuncs::TLangType words = THaldenFuncs::TLangType::English,
    std::optional<RadioKind> heldBy = std::nullopt);

}  // namespace radioprog
