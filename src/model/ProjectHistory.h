#pragma once
// Undo and redo of changes to the project image, as whole-image snapshots: the image is small
// (2954 bytes), so a snapshot per change is simpler and safer than inverse operations, and
// every kind of change (a cell, an option, a paste, a move, an import) undoes the same way.
//
// The band copy inside the image is not part of the history: it is refreshed from the working
// band whenever the project is saved, which is no change of the user's.

#include <cstddef>
#include <deque>

#include "model/BandLimits.h"
#include "model/ProjectImage.h"

namespace radioprog {

// What a step was, for the undo command's caption.
enum class HistoryStep { Edit, RadioRead };

class ProjectHistory {
  public:
    static constexpr size_t kDefaultDepth = 500;
    explicit ProjectHistory(size_t depth = kDefaultDepth) : depth_(depth) {}

    // A fresh history that starts from the project as it is now (after Open, New, a band
    // change). The working band is part of every step: a read from a radio of another band
    // brings its band, and undoing the read takes the old one back.
    void Reset(const ProjectImage& image, const BandLimits& band);
    void Reset(const ProjectImage& image) { Reset(image, current_.band); }

    // Takes the project after a change as one step; false when it holds nothing new.
    bool Record(const ProjectImage& image, const BandLimits& band,
                HistoryStep kind = HistoryStep::Edit);
    bool Record(const ProjectImage& image) { return Record(image, current_.band); }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // What Undo would take back (an edit when there is nothing to undo).
    HistoryStep NextUndo() const { return undo_.empty() ? HistoryStep::Edit : undo_.back().kind; }

    // Puts the project back as it was before the last step. A change that was not recorded
    // (made by a dialog that does not report its changes) first becomes a step of its own, so
    // nothing is ever thrown away without a way back.
    bool Undo(ProjectImage& image, BandLimits& band);
    bool Undo(ProjectImage& image);
    // Puts the last undone step back. After a new change there is nothing to redo.
    bool Redo(ProjectImage& image, BandLimits& band);
    bool Redo(ProjectImage& image);

  private:
    struct Snapshot {
        ProjectImage::Bytes bytes{};
        BandLimits band;
        HistoryStep kind = HistoryStep::Edit;  // the step that led away from this state
    };
    static Snapshot Take(const ProjectImage& image, const BandLimits& band);
    static bool SameProject(const Snapshot& a, const Snapshot& b);
    void Restore(const Snapshot& snapshot, ProjectImage& image, BandLimits& band) const;
    // Goes one step back (from undo) or forward (from redo), keeping the way to return.
    bool Step(std::deque<Snapshot>& from, std::deque<Snapshot>& to, ProjectImage& image,
              BandLimits& band);

    size_t depth_;
    Snapshot current_{};
    std::deque<Snapshot> undo_;
    std::deque<Snapshot> redo_;
};

}  // namespace radioprog
