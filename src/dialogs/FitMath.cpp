#include "dialogs/FitMath.h"

namespace fit {

namespace {

int AtLeastZero(int value) {
    return value > 0 ? value : 0;
}

// How far each control after the grown one moves: the first as far as it
// starts short of the next start, each next one as far as the move before it
// exceeds the free space between them. Controls that touch or overlap by
// rounding move together.
template <typename Visit>
void Shifts(int nextStart, const Span* following, int count, Visit visit) {
    int shift = count > 0 ? AtLeastZero(nextStart - following[0].left) : 0;
    int previousRight = 0;  // as it was: the visit may move it
    for (int i = 0; i < count; ++i) {
        if (i > 0) shift = AtLeastZero(shift - AtLeastZero(following[i].left - previousRight));
        previousRight = following[i].right;
        visit(i, shift);
    }
}

}  // namespace

int Lacking(int needed, int width) {
    return AtLeastZero(needed - width);
}

int RowEnd(const Span& grown, int textEnd, int nextStart, const Span* following, int count) {
    int end = grown.right > textEnd ? grown.right : textEnd;
    Shifts(nextStart, following, count, [&](int i, int shift) {
        if (following[i].right + shift > end) end = following[i].right + shift;
    });
    return end;
}

int Reach(const Span& grown, const Span* following, int count, int limit) {
    const int end = RowEnd(grown, grown.left, grown.left, following, count);
    return end > limit ? end : limit;
}

int FitInRow(Span* grown, int textEnd, int nextStart, Span* following, int count, int limit) {
    const int reach = Reach(*grown, following, count, limit);
    int drawnBack = 0;
    // Ends once neither the text nor the next start reaches past the control's
    // left edge, where the row is as it was, within its reach.
    while (RowEnd(*grown, textEnd - drawnBack, nextStart - drawnBack, following, count) > reach) ++drawnBack;
    if (textEnd - drawnBack > grown->right) grown->right = textEnd - drawnBack;
    Shifts(nextStart - drawnBack, following, count, [&](int i, int shift) {
        following[i].left += shift;
        following[i].right += shift;
    });
    return drawnBack;
}

int Growth(int end, int limit, int room) {
    const int wanted = AtLeastZero(end - limit);
    return wanted < room ? wanted : AtLeastZero(room);
}

}  // namespace fit
