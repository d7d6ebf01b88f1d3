// The About box under Wine: its texts, the links' colours read back from the
// screen before and after they were used, and what a refused link does. The
// shell and the beep are recorded, so no browser or mail program starts.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Application.h"
#include "dialogs/AboutDialog.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/DialogSupport.h"
#include "support/MenuSupport.h"
#include "support/TestSupport.h"

namespace {

using test::ItemText;

std::vector<std::string> g_opened;
INT_PTR g_shellAnswer = 0;
std::vector<UINT> g_beeps;

HINSTANCE WINAPI RecordOpen(HWND, LPCSTR verb, LPCSTR target, LPCSTR, LPCSTR, INT) {
    g_opened.push_back(std::string(verb) + " " + target);
    return reinterpret_cast<HINSTANCE>(g_shellAnswer);
}

BOOL WINAPI RecordBeep(UINT type) {
    g_beeps.push_back(type);
    return TRUE;
}

// How many pixels of a control show a colour, and its longest horizontal run.
struct Ink {
    int pixels = 0;
    int longestRun = 0;
};
Ink InkOf(HWND control, COLORREF colour) {
    Ink ink;
    RECT rect;
    GetClientRect(control, &rect);
    HDC dc = GetDC(control);
    for (int y = 0; y < rect.bottom; ++y) {
        for (int x = 0, run = 0; x < rect.right; ++x) {
            run = GetPixel(dc, x, y) == colour ? run + 1 : 0;
            ink.pixels += run ? 1 : 0;
            if (run > ink.longestRun) ink.longestRun = run;
        }
    }
    ReleaseDC(control, dc);
    return ink;
}

// Repaints the link and waits until it shows the colour and no pixel of the other.
bool ShowsOnly(HWND link, COLORREF colour, COLORREF other) {
    InvalidateRect(link, nullptr, TRUE);
    UpdateWindow(link);
    return test::PumpUntil([&] { return InkOf(link, colour).pixels > 0 && InkOf(link, other).pixels == 0; }, 3000);
}

void ClickLink(HWND link) {
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

class AboutDialogTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        g_opened.clear();
        g_beeps.clear();
        g_linkShellOpen = &RecordOpen;
        g_linkBeep = &RecordBeep;
    }
    void TearDown() override {
        g_linkShellOpen = &ShellExecuteA;
        g_linkBeep = &MessageBeep;
        MainWindowTest::TearDown();
    }
    // Opens the box from a carrier of the main window; the action runs inside it.
    void Run(UINT message, WPARAM carrier, std::function<void(HWND)> action) {
        test::DialogProbe probe(Window(), std::move(action));
        SendMessageA(Window(), message, carrier, 0);
        EXPECT_TRUE(probe.Ran());
        EXPECT_FALSE(probe.LeftOpen());
    }
};

TEST_F(AboutDialogTest, ShowsItsTextsAndTheWebLinkStaysPurpleOnceOpenedAlsoAfterARestart) {
    g_shellAnswer = 42;
    HFONT linkFont = nullptr;
    Run(WM_SYSCOMMAND, IDM_SYS_ABOUT, [&](HWND dialog) {
        HWND email = GetDlgItem(dialog, IDC_ABOUT_EMAIL_LINK);
        HWND web = GetDlgItem(dialog, IDC_ABOUT_WEB_LINK);
        EXPECT_EQ("About", test::WindowText(dialog));
        EXPECT_EQ("Ocularix Version 1.8", ItemText(dialog, IDC_ABOUT_VERSION));
        EXPECT_EQ("ocularix@quillfern.com", ItemText(dialog, IDC_ABOUT_EMAIL_LINK));
        EXPECT_EQ("www.quillfern.com", ItemText(dialog, IDC_ABOUT_WEB_LINK));
        EXPECT_NE(0, SendDlgItemMessageA(dialog, IDC_ABOUT_ICON, STM_GETICON, 0, 0));
        EXPECT_TRUE(ShowsOnly(email, kLinkColour, kVisitedLinkColour));
        EXPECT_TRUE(ShowsOnly(web, kLinkColour, kVisitedLinkColour));
        // The underline is one run of the link colour under the whole text.
        EXPECT_GT(InkOf(web, kLinkColour).longestRun, 60);
        linkFont = reinterpret_cast<HFONT>(SendMessageA(web, WM_GETFONT, 0, 0));
        EXPECT_EQ(TRUE, SendMessageA(web, WM_SETCURSOR, reinterpret_cast<WPARAM>(web), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(g_handCursor, GetCursor());

        ClickLink(web);
        EXPECT_TRUE(ShowsOnly(web, kVisitedLinkColour, kLinkColour));
        EXPECT_TRUE(ShowsOnly(email, kLinkColour, kVisitedLinkColour));
        test::Click(dialog, IDOK);
    });
    EXPECT_EQ(std::vector<std::string>{"open https://www.quillfern.com/"}, g_opened);
    EXPECT_EQ(0u, g_settings.Emailed);
    EXPECT_EQ(0, GetObjectType(linkFont));  // the link font went with the dialog

    // A restart reads the used link back from the registry.
    g_settings.SaveSettings();
    test::ReloadSettings();
    Run(WM_COMMAND, IDM_ABOUT, [](HWND dialog) {
        EXPECT_TRUE(ShowsOnly(GetDlgItem(dialog, IDC_ABOUT_WEB_LINK), kVisitedLinkColour, kLinkColour));
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    });
}

TEST_F(AboutDialogTest, ALinkTheShellRefusesBeepsAndKeepsItsColour) {
    Run(WM_COMMAND, IDM_ABOUT, [](HWND dialog) {
        HWND email = GetDlgItem(dialog, IDC_ABOUT_EMAIL_LINK);
        g_shellAnswer = SE_ERR_NOASSOC;
        ClickLink(email);
        EXPECT_EQ(std::vector<UINT>{0}, g_beeps);
        EXPECT_TRUE(ShowsOnly(email, kLinkColour, kVisitedLinkColour));

        g_shellAnswer = 33;
        ClickLink(email);
        EXPECT_TRUE(ShowsOnly(email, kVisitedLinkColour, kLinkColour));
        test::Click(dialog, IDOK);
    });
    const std::string mail = "open mailto:ocularix@quillfern.com?subject=Ocularix";
    EXPECT_EQ((std::vector<std::string>{mail, mail}), g_opened);
    EXPECT_EQ(1u, g_beeps.size());
    EXPECT_EQ(1u, g_settings.Emailed);
    EXPECT_EQ(0, g_settings.Visited);
}

}  // namespace
