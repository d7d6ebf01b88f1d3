// Giving a cut text the room it lacks in its row, without windows.
#include <gtest/gtest.h>

#include "dialogs/FitMath.h"

namespace {

using fit::Span;
using fit::WidenInRow;

TEST(DialogFit, TakesTheGapFirstThenMovesTheRowUpToTheLimit) {
    // A label with 8 pixels of gap before its field, the field 20 short of the limit.
    Span label = {10, 100};
    Span field[] = {{108, 200}};
    EXPECT_EQ(5, WidenInRow(&label, 5, field, 1, 220));
    EXPECT_EQ(105, label.right);
    EXPECT_EQ(108, field[0].left);  // still clear: not moved

    label = {10, 100};
    EXPECT_EQ(20, WidenInRow(&label, 20, field, 1, 220));
    EXPECT_EQ(120, label.right);
    EXPECT_EQ(120, field[0].left);
    EXPECT_EQ(212, field[0].right);

    // Only as far as the row stays inside the limit.
    label = {10, 100};
    field[0] = {108, 200};
    EXPECT_EQ(28, WidenInRow(&label, 40, field, 1, 220));
    EXPECT_EQ(128, label.right);
    EXPECT_EQ(220, field[0].right);
}

TEST(DialogFit, PushesEachControlOnlyAsFarAsTheOneBeforeIt) {
    // A label touching a link (one pixel over it, as rounding leaves it), then a
    // button with a gap of 10 after the link.
    Span label = {0, 50};
    Span row[] = {{49, 80}, {90, 120}};
    EXPECT_EQ(15, WidenInRow(&label, 15, row, 2, 300));
    EXPECT_EQ(65, row[0].left);
    EXPECT_EQ(96, row[0].right);
    EXPECT_EQ(96, row[1].left);
}

TEST(DialogFit, NoRoomNoChange) {
    Span label = {0, 50};
    Span row[] = {{50, 100}};
    EXPECT_EQ(0, WidenInRow(&label, 10, row, 1, 100));
    EXPECT_EQ(50, label.right);
    EXPECT_EQ(50, row[0].left);
    // Nothing lacking, nothing done; a row already past the limit goes no further.
    EXPECT_EQ(0, WidenInRow(&label, 0, row, 1, 300));
    Span far[] = {{60, 120}};
    EXPECT_EQ(10, WidenInRow(&label, 30, far, 1, 100));
    EXPECT_EQ(60, label.right);
    EXPECT_EQ(60, far[0].left);
}

}  // namespace
