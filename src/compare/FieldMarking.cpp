#include "compare/FieldMarking.h"

namespace radioprog {

bool IsPlacedAt(const ProjectField& field, FieldPlace place) {
    return field.place == place && field.form != FieldForm::InUse;
}

bool MarkDifference(std::array<std::string, 2>& texts, const std::array<std::string, 2>& stored) {
    if (stored[0] == stored[1]) {
        return texts[0] != texts[1];
    }
    if (texts[0] == texts[1]) {
        texts[0] += " [" + stored[0] + "]";
        texts[1] += " [" + stored[1] + "]";
    }
    return true;
}

bool MarkEntryValue(const EntrySides& entry, bool covered, std::array<std::string, 2>& texts,
                    std::array<std::string, 2>& stored) {
    for (size_t side = 0; side < 2; ++side) {
        if (!entry.inUse[side]) {
            texts[side].clear();
            stored[side].clear();
        }
    }
    if (entry.inUse[0] != entry.inUse[1]) {
        return entry.inUseCovered && covered;
    }
    return covered && MarkDifference(texts, stored);
}

}  // namespace radioprog
