// Comparing rectangles in the tests, the unit tests too: no window code.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

namespace test {

// Passes when the rectangles are equal, and says both when they are not.
::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected);

}  // namespace test
