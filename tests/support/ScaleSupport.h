// Helpers of the tests at other display scales (tests/scaled): the scale a test
// was started for.
#pragma once

#include <windows.h>

namespace test {

// The display scale the test was started for: OCULARIX_DPI, which ctest and
// scripts/run-test.sh set along with the prefix of that scale; 96 without it.
UINT RequestedDpi();

}  // namespace test
