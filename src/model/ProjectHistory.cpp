#include "model/ProjectHistory.h"

#include <algorithm>

namespace radioprog {

namespace {

constexpr size_t kBandCopyStart = image::BandUpper.offset;
constexpr size_t kBandCopyEnd = image::BandLower.offset + 4;
static_assert(kBandCopyEnd - kBandCopyStart == 8);

}  // namespace

ProjectHistory::Snapshot ProjectHistory::Take(const ProjectImage& image) {
    Snapshot snapshot;
    std::ranges::copy(image.Raw(), snapshot.begin());
    return snapshot;
}

bool ProjectHistory::SameProject(const Snapshot& a, const Snapshot& b) {
    return std::equal(a.begin(), a.begin() + kBandCopyStart, b.begin()) &&
           std::equal(a.begin() + kBandCopyEnd, a.end(), b.begin() + kBandCopyEnd);
}

void ProjectHistory::Restore(const Snapshot& snapshot, ProjectImage& image) const {
    auto raw = image.Raw();
    std::copy(snapshot.begin(), snapshot.begin() + kBandCopyStart, raw.begin());
    std::copy(snapshot.begin() + kBandCopyEnd, snapshot.end(), raw.begin() + kBandCopyEnd);
}

void ProjectHistory::Reset(const ProjectImage& image) {
    current_ = Take(image);
    undo_.clear();
    redo_.clear();
}

bool ProjectHistory::Record(const ProjectImage& image) {
    Snapshot now = Take(image);
    if (SameProject(now, current_)) {
        return false;
    }
    undo_.push_back(current_);
    if (undo_.size() > depth_) {
        undo_.pop_front();
    }
    redo_.clear();
    current_ = now;
    return true;
}

bool ProjectHistory::Undo(ProjectImage& image) {
    Record(image);
    return Step(undo_, redo_, image);
}

bool ProjectHistory::Redo(ProjectImage& image) {
    return !Record(image) && Step(redo_, undo_, image);
}

bool ProjectHistory::Step(std::deque<Snapshot>& from, std::deque<Snapshot>& to,
                          ProjectImage& image) {
    if (from.empty()) {
        return false;
    }
    to.push_back(current_);
    current_ = from.back();
    from.pop_back();
    Restore(current_, image);
    return true;
}

}  // namespace radioprog
