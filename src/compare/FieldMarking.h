#pragma once
// What the parts of a comparison share: which fields may differ (all, or those a radio holds),
// and how two sides of a value are marked as differing.

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "compare/ProjectFieldTable.h"
#include "model/ProjectImage.h"
#include "session/RadioKind.h"

namespace radioprog {

using ComparedImages = std::array<const ProjectImage*, 2>;

// Which fields may differ: every one, or those a read of one radio brings.
class FieldScope {
  public:
    explicit FieldScope(std::optional<RadioKind> heldBy) : heldBy_(heldBy) {}

    bool Covers(const ProjectField& field) const { return !heldBy_ || IsHeldBy(field, *heldBy_); }
    // A value made of several fields (a tone's type and code, the band's two limits) is
    // covered when one of them is.
    bool CoversAny(auto belongs) const {
        return !heldBy_ || std::ranges::any_of(ProjectFieldTable(), [&](const ProjectField& f) {
            return belongs(f) && IsHeldBy(f, *heldBy_);
        });
    }

    // Whether an entry of place in use on one side only may differ.
    bool CoversInUse(FieldPlace place) const {
        return CoversAny([place](const ProjectField& f) {
            return f.place == place && f.form == FieldForm::InUse;
        });
    }

  private:
    std::optional<RadioKind> heldBy_;
};

// A field of its place other than the entry's valid bit.
bool IsPlacedAt(const ProjectField& field, FieldPlace place);

// Marks whether the two sides differ. Two stored values with one text get the stored value
// beside the text, so the difference can be seen.
bool MarkDifference(std::array<std::string, 2>& texts, const std::array<std::string, 2>& stored);

// One value of an entry (channel or address-book) on both sides: a side without the entry in
// use has no text, and an entry in use on one side only differs in every field it may.
struct EntrySides {
    std::array<bool, 2> inUse;
    bool inUseCovered;
};
bool MarkEntryValue(const EntrySides& entry, bool covered, std::array<std::string, 2>& texts,
                    std::array<std::string, 2>& stored);

}  // namespace radioprog
