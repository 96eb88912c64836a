#pragma once
// Two projects side by side, field by field: the band, every channel field (those the grid
// hides too) and every option of the options page, each as the words the user sees, with
// what differs marked. A field differs when its words differ or, where two stored values
// share one text, when the stored value does; the text then names the stored value too.
// The radio's last-write time is no field of a project and is not compared.

#include <array>
#include <string>
#include <vector>

#include "lang/AppLang.h"
#include "model/BandLimits.h"
#include "model/ProjectImage.h"

namespace radioprog {

// One project as a side of a comparison, with the words that name it (UTF-8).
struct ComparedProject {
    ProjectImage image;
    BandLimits band;
    std::string caption;
};

// One differing field, for a list: which channel (1..16, 0 for the band and options), the
// field's caption and the two texts. A channel in use on one side only differs in every
// field; that side's texts are empty and its inUse flag is false.
struct FieldDifference {
    enum class Area { Band, Channel, Option };
    Area area = Area::Channel;
    int channel = 0;
    std::string field;
    std::string left;
    std::string right;
    bool leftInUse = true;
    bool rightInUse = true;

    friend bool operator==(const FieldDifference&, const FieldDifference&) = default;
};

// A setting (the band or an option) on both sides.
struct SettingComparison {
    std::string caption;
    std::array<std::string, 2> words;
    bool differs = false;
};

// A channel on both sides: its fields in the grid's order (kChannelFieldCaptions), empty
// texts on a side where it is not in use.
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
    std::vector<SettingComparison> options;

    // Every differing field: the band, then channel by channel, then the options.
    std::vector<FieldDifference> Differences() const;
};

// Side 0 is a, side 1 is b; captions and words in the given language.
ProjectComparison CompareSideBySide(
    const ProjectImage& a, const BandLimits& bandA, const ProjectImage& b, const BandLimits& bandB,
    THaldenFuncs::TLangType words = THaldenFuncs::TLangType::English);

// Only what differs; nothing for two projects that hold the same.
std::vector<FieldDifference> CompareProjects(
    const ProjectImage& a, const BandLimits& bandA, const ProjectImage& b, const BandLimits& bandB,
    THaldenFuncs::TLangType words = THaldenFuncs::TLangType::English);

}  // namespace radioprog
