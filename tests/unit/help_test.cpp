// The help's topic table in the program's resources, the help lists that lead
// to it, and the program folder where the manual lies.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>

#include "commands/Help.h"
#include "resources/resource.h"
#include "support/TestSupport.h"

namespace {

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The ids of the Options dialog's controls; when the dialog template is there,
// every control it has with an id as well.
std::set<DWORD> OptionsControlIds() {
    std::set<DWORD> ids = {1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1013,
                           1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025, 1,    2};
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, InertDialogProc, 0);
    for (HWND child = dialog ? GetWindow(dialog, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
        WORD id = static_cast<WORD>(GetDlgCtrlID(child));
        if (id != 0xFFFF) ids.insert(id);
    }
    if (dialog) DestroyWindow(dialog);
    return ids;
}

TEST(HelpTopics, EveryTopicTheProgramAsksForHasAText) {
    std::set<DWORD> topics = {HELP_TOPIC_SAVE_ZOOMED, 113, 114, 115, 116, 118, 119, 120, 121, 122,
                              112, 32774, 32771, 32772, 4009, 4027, 4017};
    for (DWORD id : OptionsControlIds()) topics.insert(HELP_TOPIC_OPTIONS_BASE + id);
    for (DWORD topic : topics) {
        std::string text;
        EXPECT_TRUE(LoadTopicText(topic, &text)) << "topic " << std::hex << topic;
        EXPECT_GT(text.size(), 20u) << "topic " << std::hex << topic;
    }
    std::string none;
    EXPECT_FALSE(LoadTopicText(117, &none));
}

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
