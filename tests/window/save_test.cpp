// Saving through the real Save As dialog: the name, the check box and what is
// remembered, the files written, and failures that must cost nothing.
#include <gtest/gtest.h>

#include <windows.h>
#include <wincodec.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "commands/SaveImage.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/PictureSupport.h"
#include "support/TestSupport.h"

namespace {

constexpr int kFileNameEdit = 1152;  // of the system's dialog
constexpr int kFileTypeCombo = 1136;

// Works the Save As dialog from inside its modal loop, as the user would: moves
// it off the picture, sets the check box and the file type, types the name and
// confirms or cancels; then answers each message box, keeping its caption and text.
class SaveDialogDriver {
public:
    SaveDialogDriver(const char* name, UINT box, bool cancel = false, int fileType = 0)
        : name_(name), box_(box), cancel_(cancel), fileType_(fileType) {
        active_ = this;
        timer_ = SetTimer(nullptr, 0, 30, OnTick);
    }
    ~SaveDialogDriver() {
        KillTimer(nullptr, timer_);
        active_ = nullptr;
    }
    POINT dialogAt = {700, 0};  // where the dialog is moved to, off the picture unless a test wants it over it
    // Confirms only once this holds (as a user reads the dialog before clicking).
    std::function<bool()> readyToConfirm = [] { return true; };
    UINT boxOnOpening = 0xFFFF;
    char boxText[64] = "";
    LONG_PTR boxStyle = 0;
    std::vector<std::string> messages;

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) { active_->Step(); }
    static BOOL CALLBACK CollectDialog(HWND window, LPARAM list) {
        char name[16] = "";
        if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof(name)) && !lstrcmpA(name, "#32770")) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        }
        return TRUE;
    }
    void Step() {
        std::vector<HWND> dialogs;
        EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
        for (HWND window : dialogs) {
            if (GetDlgItem(window, kFileNameEdit)) {
                if (boxOnOpening == 0xFFFF) FillIn(window);
                if (!confirmed_ && readyToConfirm()) {
                    confirmed_ = true;
                    PostMessageA(window, WM_COMMAND, cancel_ ? IDCANCEL : IDOK, 0);
                }
            } else if (answered_.insert(window).second) {
                // A message box's text is control 0xFFFF on Windows and 100 in Wine.
                char caption[64] = "", text[256] = "";
                GetWindowTextA(window, caption, sizeof(caption));
                GetDlgItemTextA(window, 0xFFFF, text, sizeof(text)) || GetDlgItemTextA(window, 100, text, sizeof(text));
                messages.push_back(std::string(caption) + ": " + text);
                PostMessageA(window, WM_COMMAND, GetDlgItem(window, IDYES) ? IDYES : IDOK, 0);
            }
        }
    }
    void FillIn(HWND dialog) {
        SetWindowPos(dialog, nullptr, dialogAt.x, dialogAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        HWND box = nullptr;
        for (HWND child = GetWindow(dialog, GW_CHILD); child && !box; child = GetWindow(child, GW_HWNDNEXT)) {
            box = GetDlgItem(child, IDC_SAVE_ZOOMED_IMAGE);
        }
        boxOnOpening = static_cast<UINT>(SendMessageA(box, BM_GETCHECK, 0, 0));
        GetWindowTextA(box, boxText, sizeof(boxText));
        boxStyle = GetWindowLongPtrA(box, GWL_STYLE);
        if (boxOnOpening != box_) SendMessageA(box, BM_CLICK, 0, 0);
        if (fileType_) {
            HWND types = GetDlgItem(dialog, kFileTypeCombo);
            SendMessageA(types, CB_SETCURSEL, fileType_ - 1, 0);
            for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK}) {
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeCombo, code), reinterpret_cast<LPARAM>(types));
            }
        }
        SetDlgItemTextA(dialog, kFileNameEdit, name_);
    }

    static SaveDialogDriver* active_;
    const char* name_;
    UINT box_;
    bool cancel_;
    int fileType_;
    bool confirmed_ = false;
    UINT_PTR timer_;
    std::set<HWND> answered_;
};
SaveDialogDriver* SaveDialogDriver::active_ = nullptr;

// Another program's window in one colour, on a thread of its own that, like a
// busy program, gets to its messages (and so to repainting) only a moment after
// they arrive: still well within the wait a save gives other windows.
class BusyProgramWindow {
public:
    static constexpr COLORREF kColour = RGB(40, 160, 90);

    explicit BusyProgramWindow(RECT place) : place_(place), ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = CreateThread(nullptr, 0, Run, this, 0, &threadId_);
        WaitForSingleObject(ready_, 10000);
    }
    ~BusyProgramWindow() {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
        CloseHandle(ready_);
    }

private:
    static DWORD WINAPI Run(void* parameter) {
        BusyProgramWindow* self = static_cast<BusyProgramWindow*>(parameter);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = CreateSolidBrush(kColour);
        windowClass.lpszClassName = "BusyProgramWindow";
        RegisterClassA(&windowClass);
        const RECT place = self->place_;
        HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName, "",
                                      WS_POPUP | WS_VISIBLE, place.left, place.top, place.right - place.left,
                                      place.bottom - place.top, nullptr, nullptr, windowClass.hInstance, nullptr);
        SetEvent(self->ready_);
        for (MSG message = {}; message.message != WM_QUIT;) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
            Sleep(kDialogRepaintWaitMs / 5);
            while (message.message != WM_QUIT && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageA(&message);
            }
        }
        DestroyWindow(window);
        UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);
        DeleteObject(windowClass.hbrBackground);
        return 0;
    }

    RECT place_;
    HANDLE ready_;
    HANDLE thread_;
    DWORD threadId_ = 0;
};

class SaveTest : public test::PatternMainWindowTest {
protected:
    void SetUp() override {
        PatternMainWindowTest::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "ocularix_save_test\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        for (const std::string& name : Files()) DeleteFileA((folder_ + name).c_str());
        lstrcpyA(g_settings.InitialDirectory, folder_.c_str());
        Show(4, POINT{100, 80});
        const RECT source = g_mainWindow.SourceRect();
        selected_ = POINT{source.left + 2, source.top + 4};
        // 8 x 12 view pixels, two blocks right of the view's corner and four down.
        Select(InView(9, 17), InView(17, 29));
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
        }
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
        return names;
    }
    void Command(WORD command) { SendMessageA(Window(), WM_COMMAND, command, 0); }
    // A right-button drag between two client points, ended with Escape instead
    // of its menu: the selection commands act on what it left stored.
    void Select(POINT from, POINT to) {
        SendMessageA(Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(from.x, from.y));
        SendMessageA(Window(), WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(to.x, to.y));
        SendMessageA(Window(), WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_EQ(DragMode::None, test::Magnification().Drag());
    }

    std::string folder_;
    POINT selected_ = {};
};

TEST_F(SaveTest, TheCheckBoxChoosesTheSizeAndOpensAsTheLastConfirmedSaveLeftIt) {
    {
        SaveDialogDriver driver("zoomed", BST_CHECKED);
        Command(IDM_SAVE_SELECTION);
        EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), driver.boxOnOpening);
        EXPECT_STREQ("Save Zoomed Image", driver.boxText);
        EXPECT_EQ(BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE, driver.boxStyle & (0xF | WS_TABSTOP | WS_VISIBLE));
    }
    // A bare name becomes a bitmap file.
    ExpectPattern(test::FilePicture(folder_ + "zoomed.bmp"), 8, 12, selected_, 4);
    EXPECT_EQ(1u, g_settings.SaveZoomedImage);
    EXPECT_EQ(folder_, g_settings.InitialDirectory);

    // Also after the settings have been stored and read again, as at the next start.
    g_settings.SaveSettings();
    test::ReloadSettings();
    {
        SaveDialogDriver driver("small.bmp", BST_UNCHECKED);
        Command(IDM_SAVE_SELECTION);
        EXPECT_EQ(static_cast<UINT>(BST_CHECKED), driver.boxOnOpening);
    }
    ExpectPattern(test::FilePicture(folder_ + "small.bmp"), 2, 3, selected_, 1);

    // Cancel writes and remembers nothing.
    lstrcpyA(g_settings.InitialDirectory, "C:\\");
    {
        SaveDialogDriver driver("cancelled", BST_CHECKED, true);
        Command(IDM_SAVE_SELECTION);
        EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), driver.boxOnOpening);
        EXPECT_TRUE(driver.messages.empty());
    }
    EXPECT_EQ(0u, g_settings.SaveZoomedImage);
    EXPECT_STREQ("C:\\", g_settings.InitialDirectory);
    EXPECT_EQ(2u, Files().size());
}

TEST_F(SaveTest, PngByNameOrByTypeHoldsTheBitmapFilesPixelsWithoutAlpha) {
    // Ctrl+S saves the whole view: no selection menu is open.
    // "typed" is a bare name with the PNG type chosen. Wine's dialog appends the
    // type's extension by itself; on Windows the hook's default extension does.
    for (const char* name : {"view.bmp", "view.png", "typed"}) {
        SaveDialogDriver driver(name, BST_UNCHECKED, false, name[0] == 't' ? 2 : 0);
        Command(IDM_SAVE_IMAGE_AS);
    }
    const test::Picture bitmap = test::FilePicture(folder_ + "view.bmp");
    const RECT source = g_mainWindow.SourceRect();
    const ViewGeometry& geometry = test::Magnification().Geometry();
    ExpectPattern(bitmap, geometry.sourceWidth, geometry.sourceHeight, POINT{source.left, source.top}, 1);
    for (const char* name : {"view.png", "typed.png"}) {
        GUID format = {};
        const test::Picture png = test::FilePicture(folder_ + name, &format);
        EXPECT_EQ("\x89PNG", test::FileBytes(folder_ + name).substr(0, 4)) << name;
        EXPECT_TRUE(IsEqualGUID(GUID_WICPixelFormat24bppBGR, format)) << name << ": opaque, no alpha channel";
        EXPECT_EQ(bitmap.width, png.width);
        EXPECT_TRUE(bitmap.bits == png.bits) << name;
    }
}

// A wide, short window at zoom 8 magnifying the end of its own toolbar band and
// another program's window beside it, with the dialog over both: the file must
// show what the screen shows once the dialog has gone, not what the dialog left
// there. (Here, with Wine's unmanaged windows, our own window is repainted as the
// dialog hides; with its default managed ones it is not. Another program's
// window is repainted in its own time everywhere.)
TEST_F(SaveTest, ThePictureIsTheScreenOnceTheDialogHasGone) {
    SetWindowPos(Window(), nullptr, 300, 400, 600, 160, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame, band;
    GetWindowRect(Window(), &frame);
    GetWindowRect(g_mainWindow.Band().Window(), &band);
    Show(8, POINT{frame.right, (band.top + band.bottom) / 2});
    const RECT source = g_mainWindow.SourceRect();
    BusyProgramWindow other(RECT{frame.right, source.top - 20, frame.right + 200, source.bottom + 20});
    auto screen = [] { return test::BitmapPicture(g_mainWindow.CaptureImage(true, false).release()).bits; };
    auto settled = [&] {
        return !GetQueueStatus(QS_PAINT) && test::ScreenPixel(frame.right, source.top) == BusyProgramWindow::kColour;
    };
    ASSERT_TRUE(test::PumpUntil(settled, 5000));
    const std::vector<DWORD> before = screen();
    bool dialogShown = false;
    {
        SaveDialogDriver driver("band.bmp", BST_CHECKED);
        driver.dialogAt = POINT{source.left - 100, source.top - 60};
        const DWORD opened = GetTickCount();
        driver.readyToConfirm = [&] {
            dialogShown = screen() != before;
            return dialogShown || GetTickCount() - opened > 5000;
        };
        Command(IDM_SAVE_IMAGE_AS);
    }
    ASSERT_TRUE(dialogShown) << "the dialog showed over the source";
    const test::Picture saved = test::FilePicture(folder_ + "band.bmp");
    // A moment later, the screen as it is again.
    ASSERT_TRUE(test::PumpUntil([&] { return settled() && screen() == before; }, 5000));
    ASSERT_EQ(before.size(), saved.bits.size());
    int differing = 0;
    for (size_t i = 0; i < before.size(); ++i) differing += saved.bits[i] != before[i];
    EXPECT_EQ(0, differing) << "of " << before.size() << " pixels";
}

TEST_F(SaveTest, FailuresShowTheirMessageAndCostNoFile) {
    // A file another program holds open without sharing cannot be replaced.
    const std::string locked = folder_ + "locked.bmp";
    HANDLE file = CreateFileA(locked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "old picture", 11, &written, nullptr);
    CloseHandle(file);
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    {
        SaveDialogDriver driver("locked.bmp", BST_CHECKED);
        Command(IDM_SAVE_SELECTION);
        ASSERT_EQ(2u, driver.messages.size()) << "asked to replace it, then told that failed";
        EXPECT_EQ("Ocularix: Failed to write the image to the file specified.", driver.messages[1]);
    }
    CloseHandle(holder);
    EXPECT_EQ("old picture", test::FileBytes(locked));
    EXPECT_EQ(std::vector<std::string>{"locked.bmp"}, Files()) << "no temporary file left behind";

    // An empty selection gives no capture.
    Select(InView(9, 17), InView(9, 17));
    {
        SaveDialogDriver driver("empty", BST_CHECKED);
        Command(IDM_SAVE_SELECTION);
        EXPECT_EQ(std::vector<std::string>{"Ocularix: Failed to properly capture the screen image."}, driver.messages);
    }
    EXPECT_EQ(std::vector<std::string>{"locked.bmp"}, Files());
}

}  // namespace
