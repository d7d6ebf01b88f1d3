// Texts the program builds without windows: the colour text and the two parts
// of a command's string.
#include <gtest/gtest.h>
#include <windows.h>

#include "text/CommandText.h"
#include "text/ColourText.h"

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

TEST(CommandText, TheTipComesBeforeTheLineBreakAndThePromptAfterIt) {
    char text[16] = "untouched";
    EXPECT_TRUE(CommandTextPart("Tip\nPrompt", CommandPart::Tip, text));
    EXPECT_STREQ(text, "Tip");
    EXPECT_TRUE(CommandTextPart("Tip\nPrompt", CommandPart::Prompt, text));
    EXPECT_STREQ(text, "Prompt");
    // No line break: all of it is the tip, and there is no prompt.
    EXPECT_TRUE(CommandTextPart("Only a tip", CommandPart::Tip, text));
    EXPECT_STREQ(text, "Only a tip");
    EXPECT_FALSE(CommandTextPart("Only a tip", CommandPart::Prompt, text));
    EXPECT_STREQ(text, "Only a tip");
    EXPECT_FALSE(CommandTextPart(nullptr, CommandPart::Tip, text));

    // 15 characters fit a buffer of 16; the 16th is cut.
    EXPECT_TRUE(CommandTextPart("\n123456789012345", CommandPart::Prompt, text));
    EXPECT_STREQ(text, "123456789012345");
    EXPECT_TRUE(CommandTextPart("1234567890123456\nx", CommandPart::Tip, text));
    EXPECT_STREQ(text, "123456789012345");
}

}  // namespace
