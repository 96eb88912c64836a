#include "model/ProjectHistory.h"

#include <gtest/gtest.h>

namespace radioprog {
namespace {

ProjectImage WithChannel(ProjectImage image, int n, uint32_t hz) {
    image.Channel(n).InitialiseNew(hz);
    image.SetChannelValid(n, true);
    return image;
}

bool Same(const ProjectImage& a, const ProjectImage& b) {
    return std::ranges::equal(a.Raw(), b.Raw());
}

TEST(ProjectHistory, UndoAndRedoWalkThroughTheStepsExactly) {
    ProjectImage image;
    image.ResetToDefaults();
    ProjectHistory history;
    history.Reset(image);
    EXPECT_FALSE(history.CanUndo());

    const ProjectImage start = image;
    image = WithChannel(image, 1, 146520000);
    EXPECT_TRUE(history.Record(image));
    const ProjectImage one = image;
    image = WithChannel(image, 2, 147000000);
    EXPECT_TRUE(history.Record(image));
    const ProjectImage two = image;
    EXPECT_FALSE(history.Record(image)) << "no change, no step";

    ASSERT_TRUE(history.Undo(image));
    EXPECT_TRUE(Same(image, one));
    ASSERT_TRUE(history.Undo(image));
    EXPECT_TRUE(Same(image, start));
    EXPECT_FALSE(history.Undo(image));
    EXPECT_TRUE(Same(image, start));

    ASSERT_TRUE(history.Redo(image));
    EXPECT_TRUE(Same(image, one));
    ASSERT_TRUE(history.Redo(image));
    EXPECT_TRUE(Same(image, two));
    EXPECT_FALSE(history.Redo(image));

    // A new change after an undo ends what could be redone.
    history.Undo(image);
    image = WithChannel(image, 3, 148000000);
    history.Record(image);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Redo(image));
}

TEST(ProjectHistory, AnUnrecordedChangeIsUndoneAsAStepOfItsOwn) {
    ProjectImage image;
    ProjectHistory history;
    history.Reset(image);
    image = WithChannel(image, 1, 146520000);
    history.Record(image);
    const ProjectImage recorded = image;
    image.SetText(image::UnlockPassword, "secret");  // a dialog that reports nothing

    ASSERT_TRUE(history.Undo(image));
    EXPECT_TRUE(Same(image, recorded));
    ASSERT_TRUE(history.Redo(image));
    EXPECT_EQ(image.Text(image::UnlockPassword), "secret");
}

TEST(ProjectHistory, SavingTheBandCopyIsNoStepAndUndoKeepsIt) {
    ProjectImage image;
    ProjectHistory history;
    history.Reset(image);
    image = WithChannel(image, 1, 146520000);
    history.Record(image);
    image.Set(image::BandLower, uint32_t{136000000});  // as saving the project does
    image.Set(image::BandUpper, uint32_t{174000000});
    EXPECT_FALSE(history.Record(image));

    ASSERT_TRUE(history.Undo(image));
    EXPECT_FALSE(image.IsChannelValid(1));
    EXPECT_EQ(image.Get(image::BandLower), 136000000u);
    EXPECT_EQ(image.Get(image::BandUpper), 174000000u);
}

TEST(ProjectHistory, KeepsOnlyTheNewestSteps) {
    ProjectImage image;
    ProjectHistory history(3);
    history.Reset(image);
    for (uint32_t k = 1; k <= 5; ++k) {
        image.Channel(1).SetRxFreq(k);
        history.Record(image);
    }
    int undone = 0;
    while (history.Undo(image)) {
        ++undone;
    }
    EXPECT_EQ(undone, 3);
    EXPECT_EQ(image.Channel(1).RxFreq(), 2u);
}

// A read brings the radio's band with its channels; undoing it takes both back, and the step
// is known as a read whichever way it is walked.
TEST(ProjectHistory, AReadIsAStepOfImageAndBandThatKeepsItsKind) {
    ProjectImage image;
    image.ResetToDefaults();
    BandLimits band{136000000, 174000000};
    ProjectHistory history;
    history.Reset(image, band);
    image = WithChannel(image, 1, 150000000);
    ASSERT_TRUE(history.Record(image, band));
    const ProjectImage edited = image;

    image = WithChannel(image, 2, 440000000);
    band = {400000000, 480000000};
    ASSERT_TRUE(history.Record(image, band, HistoryStep::RadioRead));
    const ProjectImage read = image;
    EXPECT_EQ(history.NextUndo(), HistoryStep::RadioRead);

    ASSERT_TRUE(history.Undo(image, band));
    EXPECT_TRUE(Same(image, edited));
    EXPECT_EQ(band, (BandLimits{136000000, 174000000}));
    EXPECT_EQ(history.NextUndo(), HistoryStep::Edit);
    ASSERT_TRUE(history.Redo(image, band));
    EXPECT_TRUE(Same(image, read));
    EXPECT_EQ(band, (BandLimits{400000000, 480000000}));
    EXPECT_EQ(history.NextUndo(), HistoryStep::RadioRead);

    // A read of the very project that is open changes nothing and is no step.
    EXPECT_FALSE(history.Record(image, band, HistoryStep::RadioRead));
    // A band alone is a change.
    band = {400000000, 470000000};
    EXPECT_TRUE(history.Record(image, band));
}

}  // namespace
}  // namespace radioprog
