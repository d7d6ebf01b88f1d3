#include "steerpad/Steering.h"

#include <limits.h>

#include "steerpad/SteerpadResource.h"

namespace steering {

namespace {

// Index = 4 + 3 * sign(x) + sign(y); y grows downwards. Only the centre differs.
const WORD kRestBothTable[kCursorTableSize] = {
    IDC_PAN_NORTH_WEST, IDC_PAN_WEST,      IDC_PAN_SOUTH_WEST,
    IDC_PAN_NORTH,      IDC_PAN_REST_BOTH, IDC_PAN_SOUTH,
    IDC_PAN_NORTH_EAST, IDC_PAN_EAST,      IDC_PAN_SOUTH_EAST,
};
const WORD kRestHorizontalTable[kCursorTableSize] = {
    IDC_PAN_NORTH_WEST, IDC_PAN_WEST,            IDC_PAN_SOUTH_WEST,
    IDC_PAN_NORTH,      IDC_PAN_REST_HORIZONTAL, IDC_PAN_SOUTH,
    IDC_PAN_NORTH_EAST, IDC_PAN_EAST,            IDC_PAN_SOUTH_EAST,
};
const WORD kRestVerticalTable[kCursorTableSize] = {
    IDC_PAN_NORTH_WEST, IDC_PAN_WEST,          IDC_PAN_SOUTH_WEST,
    IDC_PAN_NORTH,      IDC_PAN_REST_VERTICAL, IDC_PAN_SOUTH,
    IDC_PAN_NORTH_EAST, IDC_PAN_EAST,          IDC_PAN_SOUTH_EAST,
};

// Indexed by 2 * horizontal + vertical.
const WORD kMarkBitmaps[4] = {0, IDB_MARK_VERTICAL, IDB_MARK_HORIZONTAL, IDB_MARK_BOTH};

}  // namespace

DeadZone DeadZoneAround(int originX, int originY, int markWidth, int markHeight) {
    DeadZone zone;
    zone.left = originX - markWidth / 2;
    zone.top = originY - markHeight / 2;
    zone.right = originX + markWidth / 2;
    zone.bottom = originY + markHeight / 2;
    return zone;
}

int AxisOffset(bool allowed, int position, int origin, int bandLow, int bandHigh) {
    if (!allowed || (bandLow < position && position < bandHigh)) return 0;
    return position - origin;
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

const WORD* CursorTableFor(bool horizontal, bool vertical) {
    if (!horizontal) return kRestVerticalTable;
    if (!vertical) return kRestHorizontalTable;
    return kRestBothTable;
}

WORD DirectionCursorId(const WORD* table, int offsetX, int offsetY) {
    return table[4 + 3 * Sign(offsetX) + Sign(offsetY)];
}

WORD MarkBitmapFor(bool horizontal, bool vertical) {
    return kMarkBitmaps[2 * (horizontal ? 1 : 0) + (vertical ? 1 : 0)];
}

int StepFor(int offset) {
    // C++ division truncates toward zero, which is what the speed table wants.
    return offset / kStepDivisor;
}

int LargestScrollPosition(int rangeMaximum, bool pageKnown, UINT page) {
    if (!pageKnown || page < 1) return rangeMaximum;
    // A page larger than the whole range gives a negative largest position,
    // which only has to stay negative: positions never go below 0.
    long long largest = static_cast<long long>(rangeMaximum) - page + 1;
    return largest < INT_MIN ? INT_MIN : static_cast<int>(largest);
}

int NextScrollPosition(int position, int step, int largest) {
    // Wide arithmetic: a position near the ends of int plus a step must not wrap.
    long long next = static_cast<long long>(position) + step;
    if (next > largest) next = largest;
    if (next < 0) next = 0;
    return static_cast<int>(next);
}

}  // namespace steering
