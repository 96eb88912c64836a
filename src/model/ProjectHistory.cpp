#include "model/ProjectHistory.h"

#include <algorithm>

namespace radioprog {

namespace {

constexpr size_t kBandCopyStart = image::BandUpper.offset;
constexpr size_t kBandCopyEnd = image::BandLower.offset + 4;
static_assert(kBandCopyEnd - kBandCopyStart == 8);

}  // namespace

ProjectHistory::Snapshot ProjectHistory::Take(const ProjectImage& image, const BandLimits& band) {
    Snapshot snapshot;
    std::ranges::copy(image.Raw(), snapshot.bytes.begin());
    snapshot.band = band;
    return snapshot;
}

bool ProjectHistory::SameProject(const Snapshot& a, const Snapshot& b) {
    return a.band == b.band &&
           std::equal(a.bytes.begin(), a.bytes.begin() + kBandCopyStart, b.bytes.begin()) &&
           std::equal(a.bytes.begin() + kBandCopyEnd, a.bytes.end(),
                      b.bytes.begin() + kBandCopyEnd);
}

void ProjectHistory::Restore(const Snapshot& snapshot, ProjectImage& image,
                             BandLimits& band) const {
    auto raw = image.Raw();
    std::copy(snapshot.bytes.begin(), snapshot.bytes.begin() + kBandCopyStart, raw.begin());
    std::copy(snapshot.bytes.begin() + kBandCopyEnd, snapshot.bytes.end(),
              raw.begin() + kBandCopyEnd);
    band = snapshot.band;
}

void ProjectHistory::Reset(const ProjectImage& image, const BandLimits& band) {
    current_ = Take(image, band);
    undo_.clear();
    redo_.clear();
}

bool ProjectHistory::Record(const ProjectImage& image, const BandLimits& band, HistoryStep kind) {
    Snapshot now = Take(image, band);
    if (SameProject(now, current_)) {
        return false;
    }
    current_.kind = kind;
    undo_.push_back(current_);
    if (undo_.size() > depth_) {
        undo_.pop_front();
    }
    redo_.clear();
    current_ = now;
    return true;
}

bool ProjectHistory::Undo(ProjectImage& image, BandLimits& band) {
    Record(image, band);
    return Step(undo_, redo_, image, band);
}

bool ProjectHistory::Undo(ProjectImage& image) {
    BandLimits band = current_.band;
    return Undo(image, band);
}

bool ProjectHistory::Redo(ProjectImage& image, BandLimits& band) {
    return !Record(image, band) && Step(redo_, undo_, image, band);
}

bool ProjectHistory::Redo(ProjectImage& image) {
    BandLimits band = current_.band;
    return Redo(image, band);
}

bool ProjectHistory::Step(std::deque<Snapshot>& from, std::deque<Snapshot>& to, ProjectImage& image,
                          BandLimits& band) {
    if (from.empty()) {
        return false;
    }
    // The step between the two states keeps its kind whichever way it is walked.
    Snapshot& target = from.back();
    current_.kind = target.kind;
    to.push_back(current_);
    current_ = target;
    from.pop_back();
    Restore(current_, image, band);
    return true;
}

}  // namespace radioprog
