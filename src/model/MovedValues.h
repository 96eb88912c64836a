#pragma once
// Frequencies the tool moved on its own: a typed value outside the band or off the raster is
// stored clamped or snapped, and the stored value is not what the user wrote. Such a value is
// remembered with what was typed until the user types the cell again or accepts it, so that
// the grid can keep it marked and a write can name it before it reaches a radio.
//
// A mark counts only while the channel still holds the value it was made for: any other
// change of that field (undo, paste, clear, an import) ends it without being told.

#include <cstdint>
#include <string>
#include <vector>

#include "model/ProjectImage.h"

namespace radioprog {

enum class MovedField : uint8_t { RxFreq, TxFreq };

struct MovedValue {
    int channel = 0;  // 1-16
    MovedField field = MovedField::RxFreq;
    std::string typed;    // what the user wrote, as written
    uint32_t stored = 0;  // what the project holds instead, in Hz
};

class MovedValues {
  public:
    // The value typed into a channel's field was stored as another: marks it (replacing any
    // earlier mark of that field).
    void Mark(int channel, MovedField field, std::string typed, uint32_t stored);
    // The field was typed again and stored as typed.
    void Clear(int channel, MovedField field);
    // The user saw the values and keeps them, or the project was replaced.
    void ClearAll() { marks_.clear(); }
    // A channel traded places with channel + step: its marks go along.
    void FollowMove(int channel, int step);

    // The marks that still describe the project, in channel order.
    std::vector<MovedValue> InForce(const ProjectImage& image) const;
    // The mark of one field, when it is in force.
    const MovedValue* Find(const ProjectImage& image, int channel, MovedField field) const;

  private:
    std::vector<MovedValue> marks_;
};

}  // namespace radioprog
