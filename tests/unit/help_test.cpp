// The help file's folder and the date check that opens the main topic once per
// newer help file, against real files.
#include <gtest/gtest.h>

#include <string>

#include "commands/Help.h"
#include "support/TestSupport.h"

namespace {

FILETIME Time(DWORD high, DWORD low) {
    FILETIME time = {low, high};
    return time;
}

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return CompareFileTime(&a, &b) == 0;
}

class HelpFileCheck : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        folder_ = std::string(temp) + "ocularix_help_test";
        CreateDirectoryA(folder_.c_str(), nullptr);
        file_ = folder_ + "\\Ocularix.hlp";
        DeleteFileA(file_.c_str());
    }
    void TearDown() override {
        DeleteFileA(file_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    void WriteFile(const FILETIME& written) {
        HANDLE file = CreateFileA(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
        CloseHandle(file);
    }
    std::string folder_;
    std::string file_;
};

TEST_F(HelpFileCheck, OpensOncePerNewerFile) {
    FILETIME stored = Time(0, 0);
    EXPECT_FALSE(TakeNewerFileTime(file_.c_str(), &stored));
    EXPECT_TRUE(SameTime(stored, Time(0, 0)));

    const FILETIME first = Time(0x01D00000, 1000);
    WriteFile(first);
    EXPECT_TRUE(TakeNewerFileTime(file_.c_str(), &stored));
    EXPECT_TRUE(SameTime(stored, first));
    // The same file again: already seen.
    EXPECT_FALSE(TakeNewerFileTime(file_.c_str(), &stored));

    // An older file does not count, a newer one does, once.
    WriteFile(Time(0x01C00000, 0));
    EXPECT_FALSE(TakeNewerFileTime(file_.c_str(), &stored));
    EXPECT_TRUE(SameTime(stored, first));
    const FILETIME newer = Time(0x01D00000, 1001);
    WriteFile(newer);
    EXPECT_TRUE(TakeNewerFileTime(file_.c_str(), &stored));
    EXPECT_TRUE(SameTime(stored, newer));
    EXPECT_FALSE(TakeNewerFileTime(file_.c_str(), &stored));
}

TEST_F(HelpFileCheck, TheBareNameIsLookedUpInTheCurrentDirectory) {
    WriteFile(Time(0x01D00000, 5));
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    FILETIME found = Time(0, 0);
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
    bool inHelpFolder = GetFileLastWriteTime(kHelpFileName, &found);
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(inHelpFolder);
    EXPECT_TRUE(SameTime(found, Time(0x01D00000, 5)));
    // The test program's folder has no help file.
    EXPECT_FALSE(GetFileLastWriteTime(kHelpFileName, &found));
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
    // A bare name has no folder: the help file is then looked for by its bare name.
    char bare[] = "Ocularix.exe";
    CutAfterLastBackslash(bare);
    EXPECT_STREQ(bare, "");

    // A buffer too small for the path gives no folder rather than a cut-off one.
    char small[8];
    GetProgramFolder(nullptr, small, sizeof(small));
    EXPECT_STREQ(small, "");
}

}  // namespace
