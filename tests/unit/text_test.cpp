// Texts the program builds without windows: the colour text.
#include <gtest/gtest.h>
#include <windows.h>

#include "view/ColourText.h"

namespace {

TEST(ColourText, TheTemplateTakesRedGreenBlue) {
    char text[kColourTextSize];
    FormatColourText(RGB(255, 0, 0), "Colour (rgb): %03d,%03d,%03d ", text);
    EXPECT_STREQ(text, "Colour (rgb): 255,000,000 ");
    FormatColourText(RGB(255, 0, 0), "Colour: #%02x%02x%02x", text);
    EXPECT_STREQ(text, "Colour: #ff0000");
    FormatColourText(RGB(1, 0xab, 0x0c), "Colour: #%02x%02x%02x", text);
    EXPECT_STREQ(text, "Colour: #01ab0c");
    FormatColourText(CLR_INVALID, "Colour (rgb): %03d,%03d,%03d ", text);
    EXPECT_STREQ(text, "Colour (rgb): 255,255,255 ");
    FormatColourText(RGB(1, 2, 3), nullptr, text);
    EXPECT_STREQ(text, "");
}

}  // namespace
