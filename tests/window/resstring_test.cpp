#include <gtest/gtest.h>

#include "resources/resource.h"
#include "text/ResString.h"
#include "text/Strings.h"

TEST(ResString, LoadsTextAndLengthOnceAndKeepsThePointer) {
    ResString text(IDS_PRESS_F1);
    const char* first = text.Text();
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first, "Press F1 for help");
    EXPECT_EQ(text.Length(), 17);
    EXPECT_EQ(text.Text(), first);
    EXPECT_EQ(text.Load(), first);
}

TEST(ResString, MissingIdGivesNoTextAndZeroLength) {
    ResString missing(4100);
    EXPECT_EQ(missing.Text(), nullptr);
    EXPECT_EQ(missing.Length(), 0);
    // Each later call tries again and still finds nothing.
    EXPECT_EQ(missing.Text(), nullptr);
}

TEST(ResString, FreeThenTextLoadsAgain) {
    ResString text(IDS_APP_TITLE);
    ASSERT_STREQ(text.Text(), "Ocularix");
    text.Free();
    EXPECT_EQ(text.Id(), static_cast<UINT>(IDS_APP_TITLE));
    const char* again = text.Text();
    ASSERT_NE(again, nullptr);
    EXPECT_STREQ(again, "Ocularix");
}

TEST(ResString, IdsOfOneBlockShareTheirResourceAndTheNextBlockIsSeparate) {
    // Sixteen strings per block: 4000..4015 live in block 251, 4016 in block 252.
    HRSRC block251 = FindResourceA(nullptr, MAKEINTRESOURCEA(4000 / 16 + 1), MAKEINTRESOURCEA(6));
    HRSRC block252 = FindResourceA(nullptr, MAKEINTRESOURCEA(4016 / 16 + 1), MAKEINTRESOURCEA(6));
    ASSERT_NE(block251, nullptr);
    ASSERT_NE(block252, nullptr);
    EXPECT_NE(block251, block252);
    EXPECT_EQ(4015 / 16 + 1, 251);
    ResString first(IDS_FILE_FILTER);
    ResString last(IDM_ZOOM_4X);
    ResString next(IDM_TOGGLE_STATUS_BAR);
    EXPECT_STREQ(first.Text(), "Bitmap Files (*.bmp)|*.bmp||");
    EXPECT_STREQ(last.Text(), "\nSet the zoom factor to 4 times");
    EXPECT_STREQ(next.Text(), "\nToggle the status bar on and off");
}

TEST(ResString, TextIsExactlySizedOnTheProcessHeap) {
    ResString text(IDS_SELECTED_SIZE);
    const char* loaded = text.Text();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, loaded), static_cast<SIZE_T>(text.Length() + 1));
}

TEST(ResString, ProcessWideStringsHoldTheirTexts) {
    EXPECT_STREQ(g_strings.zoomLevelTip.Text(), "Zoom Level x%d");
    EXPECT_STREQ(g_strings.autoUpdateTip.Text(), "Auto Update - %s");
    EXPECT_STREQ(g_strings.colourSample.Text(), "Colour (rgb): 000,000,000 ");
    EXPECT_STREQ(g_strings.coordinatesSample.Text(), " 99999,99999 ");
    EXPECT_STREQ(g_strings.colourRgbFormat.Text(), "Colour (rgb): %03d,%03d,%03d ");
    EXPECT_STREQ(g_strings.colourHexFormat.Text(), "Colour: #%02x%02x%02x");
    EXPECT_STREQ(g_strings.coordinatesFormat.Text(), " %d, %d ");
    EXPECT_STREQ(g_strings.dragHint.Text(), "Drag the highlight to select the area of screen you wish to highlight");
    EXPECT_STREQ(g_strings.appTitle.Text(), "Ocularix");
}
