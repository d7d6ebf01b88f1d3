// The help's topic table and the program folder where the manual lies, without
// any window.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "commands/HelpTopics.h"
#include "support/FileSupport.h"

namespace {

// Comments, blank lines and Windows line ends; a topic without text is none.
TEST(HelpTopics, TableLines) {
    const char table[] = "# comment 7\tnot a topic\r\n7\tSeven.\r\n\r\n0x10\tSixteen.\n17\t\n";
    std::string text;
    EXPECT_TRUE(FindTopicText(table, sizeof(table) - 1, 7, &text));
    EXPECT_EQ("Seven.", text);
    EXPECT_TRUE(FindTopicText(table, sizeof(table) - 1, 16, &text));
    EXPECT_EQ("Sixteen.", text);
    EXPECT_FALSE(FindTopicText(table, sizeof(table) - 1, 17, &text));
    EXPECT_FALSE(FindTopicText(table, sizeof(table) - 1, 0, &text));
}

TEST(ProgramFolder, IsTheModulePathUpToItsLastBackslash) {
    char folder[kHelpPathLength];
    GetProgramFolder(nullptr, folder, sizeof(folder));
    EXPECT_EQ(std::string(folder), test::ProgramFolder());

    char path[] = "C:\\tools\\ocularix\\Ocularix.exe";
    CutAfterLastBackslash(path);
    EXPECT_STREQ(path, "C:\\tools\\ocularix\\");
    char root[] = "\\Ocularix.exe";
    CutAfterLastBackslash(root);
    EXPECT_STREQ(root, "\\");
    // A bare name has no folder: the manual is then looked for by its bare name.
    char bare[] = "Ocularix.exe";
    CutAfterLastBackslash(bare);
    EXPECT_STREQ(bare, "");

    // A buffer too small for the path gives no folder rather than a cut-off one.
    char small[8];
    GetProgramFolder(nullptr, small, sizeof(small));
    EXPECT_STREQ(small, "");
}

}  // namespace
