// Helpers of the tests at other display scales (tests/scaled) and of the
// window's moves between scales: the scale a test was started for, the
// toolbar's art read back from the screen, and how a slider shows its thumb.
#pragma once

#include <windows.h>

namespace test {

// The display scale the test was started for: OCULARIX_DPI, which ctest and
// scripts/run-test.sh set along with the prefix of that scale; 96 without it.
UINT RequestedDpi();

// The toolbar's buttons (of the strip's images, all but About's) whose image on
// the screen is not the strip's art enlarged factor times, pixel for pixel:
// each opaque pixel of the art as a factor x factor block, somewhere in the
// button (a pressed button shows its image shifted).
int ButtonsWithoutArt(HWND toolbar, int factor);

// The rows of a slider's thumb that lie inside the slider, and the thumb's length.
struct ThumbRows {
    int shown;
    int length;
};
ThumbRows ThumbShown(HWND slider);

}  // namespace test
