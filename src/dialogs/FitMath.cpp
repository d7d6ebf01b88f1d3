#include "dialogs/FitMath.h"

namespace fit {

namespace {

// Where the row ends when the grown control's right edge is at `edge`, moving
// nothing: the right edge of the last control, after each is pushed clear of
// the one before it.
int RowEnd(int edge, const Span* following, int count) {
    for (int i = 0; i < count; ++i) {
        const int shift = edge > following[i].left ? edge - following[i].left : 0;
        edge = following[i].right + shift;
    }
    return edge;
}

}  // namespace

int WidenInRow(Span* grown, int lacking, Span* following, int count, int limit) {
    // A row that already passes the limit may not pass it further.
    const int end = RowEnd(grown->right, following, count);
    const int reach = end > limit ? end : limit;
    int granted = lacking;
    while (granted > 0 && RowEnd(grown->right + granted, following, count) > reach) --granted;
    if (granted <= 0) return 0;
    int edge = grown->right + granted;
    grown->right = edge;
    for (int i = 0; i < count; ++i) {
        const int shift = edge > following[i].left ? edge - following[i].left : 0;
        following[i].left += shift;
        following[i].right += shift;
        edge = following[i].right;
    }
    return granted;
}

}  // namespace fit
