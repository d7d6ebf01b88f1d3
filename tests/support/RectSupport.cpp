#include "support/RectSupport.h"

namespace test {

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
    if (actual.left == expected.left && actual.top == expected.top && actual.right == expected.right &&
        actual.bottom == expected.bottom) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "(" << actual.left << ", " << actual.top << ", " << actual.right << ", "
                                         << actual.bottom << ") instead of (" << expected.left << ", " << expected.top
                                         << ", " << expected.right << ", " << expected.bottom << ")";
}

}  // namespace test
