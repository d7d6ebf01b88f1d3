// Giving a cut text the room it lacks in its row, without windows.
#include <gtest/gtest.h>

#include "dialogs/FitMath.h"

namespace {

using fit::FitInRow;
using fit::Span;

TEST(DialogFit, AControlLacksWhatItsTextNeedsBeyondItsWidth) {
    EXPECT_EQ(0, fit::Lacking(99, 100));
    EXPECT_EQ(0, fit::Lacking(100, 100));
    EXPECT_EQ(1, fit::Lacking(101, 100));
}

TEST(DialogFit, TheControlGrowsOnlyWhereItsTextEndsPastIt) {
    Span label = {10, 100};
    EXPECT_EQ(0, FitInRow(&label, 100, 104, nullptr, 0, 300));
    EXPECT_EQ(100, label.right);
    EXPECT_EQ(0, FitInRow(&label, 99, 103, nullptr, 0, 300));
    EXPECT_EQ(100, label.right);
    EXPECT_EQ(0, FitInRow(&label, 101, 105, nullptr, 0, 300));
    EXPECT_EQ(101, label.right);
}

TEST(DialogFit, TheNextControlStartsASpaceAfterTheTextsEnd) {
    // A label whose box ends where its link begins, its text a space short of it.
    Span label = {10, 100};
    Span link[] = {{100, 200}};
    EXPECT_EQ(0, FitInRow(&label, 96, 100, link, 1, 300));
    EXPECT_EQ(100, link[0].left);
    EXPECT_EQ(100, label.right);
    // One pixel more of text: the link moves by one.
    EXPECT_EQ(0, FitInRow(&label, 97, 101, link, 1, 300));
    EXPECT_EQ(101, link[0].left);
    EXPECT_EQ(201, link[0].right);
    // Text that fills the box: the box stays, the link keeps a space from it.
    label = {10, 100};
    link[0] = {100, 200};
    EXPECT_EQ(0, FitInRow(&label, 100, 104, link, 1, 300));
    EXPECT_EQ(100, label.right);
    EXPECT_EQ(104, link[0].left);
}

TEST(DialogFit, TheNextControlMovesToItsColumnsStartWithoutWideningTheLabel) {
    // A label whose text fits with a space to spare, in a row whose field must
    // keep in line with one moved further right in the row below.
    Span label = {10, 50};
    Span field[] = {{60, 100}};
    EXPECT_EQ(0, FitInRow(&label, 45, 62, field, 1, 300));
    EXPECT_EQ(50, label.right);
    EXPECT_EQ(62, field[0].left);
    EXPECT_EQ(102, field[0].right);
}

TEST(DialogFit, ARowReachesItsLimitOrWhereItAlreadyEnds) {
    const Span label = {0, 50};
    const Span row[] = {{60, 100}, {98, 110}};
    EXPECT_EQ(120, fit::Reach(label, row, 2, 120));
    EXPECT_EQ(110, fit::Reach(label, row, 2, 110));
    EXPECT_EQ(110, fit::Reach(label, row, 2, 109));
    EXPECT_EQ(60, fit::Reach(label, nullptr, 0, 60));
    EXPECT_EQ(50, fit::Reach(label, nullptr, 0, 49));
}

TEST(DialogFit, TakesTheGapFirstThenMovesTheRowUpToTheLimit) {
    // A label with 8 pixels of gap before its field, the field 20 short of the limit.
    Span label = {10, 100};
    Span field[] = {{108, 200}};
    EXPECT_EQ(0, FitInRow(&label, 104, 108, field, 1, 220));
    EXPECT_EQ(104, label.right);
    EXPECT_EQ(108, field[0].left);  // still clear: not moved

    label = {10, 100};
    EXPECT_EQ(0, FitInRow(&label, 120, 124, field, 1, 220));
    EXPECT_EQ(120, label.right);
    EXPECT_EQ(124, field[0].left);
    EXPECT_EQ(216, field[0].right);
}

TEST(DialogFit, MovesTheNextControlOnlyWhereTheRowHasRoom) {
    Span label = {10, 100};
    Span field[] = {{100, 200}};
    EXPECT_EQ(0, FitInRow(&label, 100, 104, field, 1, 204));
    EXPECT_EQ(204, field[0].right);

    // One pixel short: the text's end is drawn back by one, and nothing passes the limit.
    label = {10, 100};
    field[0] = {100, 200};
    EXPECT_EQ(1, FitInRow(&label, 100, 104, field, 1, 203));
    EXPECT_EQ(100, label.right);
    EXPECT_EQ(103, field[0].left);
    EXPECT_EQ(203, field[0].right);

    // No room at all: nothing moves.
    label = {10, 100};
    field[0] = {104, 200};
    EXPECT_EQ(10, FitInRow(&label, 110, 114, field, 1, 200));
    EXPECT_EQ(100, label.right);
    EXPECT_EQ(104, field[0].left);
}

TEST(DialogFit, PushesEachControlOnlyAsFarAsTheOneBeforeItRunsIntoIt) {
    // A field with its spin overlapping it by rounding, then a button 10 after.
    Span label = {0, 50};
    Span row[] = {{60, 100}, {98, 110}, {120, 150}};
    EXPECT_EQ(0, FitInRow(&label, 71, 75, row, 3, 300));
    EXPECT_EQ(75, row[0].left);
    EXPECT_EQ(113, row[1].left);  // moved with its field
    EXPECT_EQ(125, row[1].right);
    EXPECT_EQ(125, row[2].left);  // its gap of 10 took up 10 of the 15
}

TEST(DialogFit, ARowAlreadyPastTheLimitGoesNoFurther) {
    Span label = {0, 50};
    Span row[] = {{60, 120}};
    EXPECT_EQ(24, FitInRow(&label, 80, 84, row, 1, 100));
    EXPECT_EQ(56, label.right);
    EXPECT_EQ(60, row[0].left);
}

TEST(DialogFit, TheRowEndsWhereItsLastControlIsPushedTo) {
    const Span label = {0, 50};
    const Span row[] = {{60, 100}, {110, 150}};
    EXPECT_EQ(150, fit::RowEnd(label, 56, 60, row, 2));
    EXPECT_EQ(150, fit::RowEnd(label, 66, 70, row, 2));
    EXPECT_EQ(151, fit::RowEnd(label, 67, 71, row, 2));
    EXPECT_EQ(90, fit::RowEnd(label, 90, 94, nullptr, 0));
    EXPECT_EQ(50, fit::RowEnd(label, 40, 44, nullptr, 0));
}

TEST(DialogFit, WhatHoldsARowGrowsByWhatItPassesTheLimitWithinItsRoom) {
    EXPECT_EQ(0, fit::Growth(200, 200, 50));
    EXPECT_EQ(1, fit::Growth(201, 200, 50));
    EXPECT_EQ(50, fit::Growth(250, 200, 50));
    EXPECT_EQ(50, fit::Growth(251, 200, 50));
    EXPECT_EQ(0, fit::Growth(251, 200, -5));
    EXPECT_EQ(0, fit::Growth(190, 200, 50));
}

}  // namespace
