// Bitmap files written from bitmaps of each depth and read back byte by byte;
// a write that fails midway; the folder the Save dialog remembers.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "commands/DibFile.h"
#include "commands/SafeFile.h"
#include "commands/SaveImage.h"
#include "common/Handles.h"
#include "support/PictureSupport.h"

namespace {

std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

template <typename T>
T Field(const std::string& bytes, size_t offset) {
    T value = 0;
    memcpy(&value, bytes.data() + offset, sizeof(value));
    return value;
}

TEST(BitmapFile, HeadersTablesAndBottomUpRowsForEachDepth) {
    struct Case {
        WORD bitCount;
        int width;
        DWORD offBits;
        DWORD rowSize;
    } cases[] = {{32, 5, 54, 20}, {24, 3, 54, 12}, {8, 3, 1078, 4}};
    for (const Case& c : cases) {
        // A bottom-up bitmap of counting bytes, with zero padding; colour i of its table is (i, 255 - i, i / 2).
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colours[256];
        } info = {{sizeof(BITMAPINFOHEADER), c.width, 2, 1, c.bitCount, BI_RGB, 0, 0, 0, 0, 0}, {}};
        for (int i = 0; i < 256; ++i) info.colours[i] = RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
        std::string rows(2 * c.rowSize, '\0');
        for (DWORD i = 0; i < rows.size(); ++i) {
            if (i % c.rowSize < c.width * c.bitCount / 8u) rows[i] = static_cast<char>(i * 7 + 1);
        }
        void* bits = nullptr;
        Bitmap bitmap(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
        memcpy(bits, rows.data(), rows.size());
        GlobalMemory packed(BitmapToPackedDib(bitmap, nullptr));
        const std::string path = TempPath("ocularix_dib_test.bmp");
        ASSERT_TRUE(WritePackedDibFile(path.c_str(), packed.get()));
        const std::string file = test::FileBytes(path);
        DeleteFileA(path.c_str());

        ASSERT_EQ(c.offBits + rows.size(), file.size()) << c.bitCount << " bits";
        EXPECT_EQ("BM", file.substr(0, 2));
        EXPECT_EQ(file.size(), Field<DWORD>(file, 2));
        EXPECT_EQ(0u, Field<DWORD>(file, 6)) << "reserved";
        EXPECT_EQ(c.offBits, Field<DWORD>(file, 10));
        EXPECT_EQ(40u, Field<DWORD>(file, 14));
        EXPECT_EQ(c.width, Field<LONG>(file, 18));
        EXPECT_EQ(2, Field<LONG>(file, 22)) << "positive: bottom row first";
        EXPECT_EQ(c.bitCount, Field<WORD>(file, 28));
        EXPECT_EQ(rows.size(), Field<DWORD>(file, 34));
        EXPECT_EQ(rows, file.substr(c.offBits)) << "the rows as the bitmap holds them";
        const DWORD colour129 = c.bitCount == 8 ? Field<DWORD>(file, 54 + 4 * 129) : 0x00407E81u;
        EXPECT_EQ(0x00407E81u, colour129) << "the colour table as the bitmap has it";
    }
}

TEST(BitmapFile, AWriteThatFailsMidwayLeavesTheOldFileAndNoTemporaryOne) {
    const std::string folder = TempPath("ocularix_midway\\");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "old.bmp";
    const FilePart old = {"old picture", 11};
    ASSERT_TRUE(WriteFileReplacing(path.c_str(), &old, 1));
    // The second part cannot be read: the write stops after the first.
    const FilePart parts[] = {{"new", 3}, {nullptr, 4096}};
    EXPECT_FALSE(WriteFileReplacing(path.c_str(), parts, 2));
    EXPECT_EQ("old picture", test::FileBytes(path));
    DeleteFileA(path.c_str());
    EXPECT_TRUE(RemoveDirectoryA(folder.c_str())) << "the temporary file is gone too";
}

TEST(SaveFolder, AFolderTooLongForTheSettingKeepsThePreviousOne) {
    char folder[16] = "";
    EXPECT_TRUE(CopyFolderPart("C:\\a/b\\name.bmp", folder, sizeof(folder)));
    EXPECT_STREQ("C:\\a/b\\", folder);
    EXPECT_FALSE(CopyFolderPart("C:\\a folder too long\\x.bmp", folder, sizeof(folder)));
    EXPECT_STREQ("C:\\a/b\\", folder);
}

}  // namespace
