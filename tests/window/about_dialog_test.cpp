// The About box under Wine: its texts, the links' colours read back from the
// screen before and after use, and a link the shell refuses. The shell and the
// beep are recorded, so no browser or mail program starts.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "common/LinkStyle.h"
#include "dialogs/AboutDialog.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/DialogSupport.h"
#include "support/Fixtures.h"

namespace {

using test::ItemText;

std::vector<std::string> g_opened;
INT_PTR g_shellAnswer = 0;
int g_beeps = 0;

HINSTANCE WINAPI RecordOpen(HWND, LPCSTR verb, LPCSTR target, LPCSTR, LPCSTR, INT) {
    g_opened.push_back(std::string(verb) + " " + target);
    return reinterpret_cast<HINSTANCE>(g_shellAnswer);
}

BOOL WINAPI RecordBeep(UINT type) {
    g_beeps += type == 0 ? 1 : 100;  // the default beep
    return TRUE;
}

// Pixels of a colour in a control, and their longest horizontal run.
test::Ink InkOf(HWND control, COLORREF colour) {
    RECT rect;
    GetClientRect(control, &rect);
    HDC dc = GetDC(control);
    const test::Ink ink = test::FindInk(dc, rect, colour);
    ReleaseDC(control, dc);
    return ink;
}

// Repaints a link; true when it shows the colour and no pixel of the other.
bool ShowsOnly(HWND dialog, int link, COLORREF colour, COLORREF other) {
    InvalidateRect(GetDlgItem(dialog, link), nullptr, TRUE);
    UpdateWindow(GetDlgItem(dialog, link));
    return InkOf(GetDlgItem(dialog, link), colour).count > 0 && InkOf(GetDlgItem(dialog, link), other).count == 0;
}

void ClickLink(HWND dialog, int link) {
    SendDlgItemMessageA(dialog, link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendDlgItemMessageA(dialog, link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

class AboutDialogTest : public test::PlacedMainWindow {
protected:
    void SetUp() override {
        PlacedMainWindow::SetUp();
        g_opened.clear();
        g_beeps = 0;
        g_linkShellOpen = &RecordOpen;
        g_linkBeep = &RecordBeep;
    }
    void TearDown() override {
        g_linkShellOpen = &ShellExecuteA;
        g_linkBeep = &MessageBeep;
        PlacedMainWindow::TearDown();
    }
};

TEST_F(AboutDialogTest, ShowsItsTextsAndUsedLinksTurnPurpleAlsoAfterARestartButNotWhenTheShellRefuses) {
    HFONT linkFont = nullptr;
    test::RunDialogFrom(Window(), WM_SYSCOMMAND, IDM_SYS_ABOUT, [&](HWND dialog) {
        HWND web = GetDlgItem(dialog, IDC_ABOUT_WEB_LINK);
        EXPECT_EQ("About: Ocularix Version 1.8, ocularix@quillfern.com, www.quillfern.com",
                  test::WindowText(dialog) + ": " + ItemText(dialog, IDC_ABOUT_VERSION) + ", " +
                      ItemText(dialog, IDC_ABOUT_EMAIL_LINK) + ", " + ItemText(dialog, IDC_ABOUT_WEB_LINK));
        EXPECT_NE(0, SendDlgItemMessageA(dialog, IDC_ABOUT_ICON, STM_GETICON, 0, 0));
        EXPECT_TRUE(ShowsOnly(dialog, IDC_ABOUT_EMAIL_LINK, kLinkColour, kVisitedLinkColour));
        EXPECT_TRUE(ShowsOnly(dialog, IDC_ABOUT_WEB_LINK, kLinkColour, kVisitedLinkColour));
        EXPECT_GT(InkOf(web, kLinkColour).longestRow, 60);  // the underline
        linkFont = reinterpret_cast<HFONT>(SendMessageA(web, WM_GETFONT, 0, 0));
        EXPECT_EQ(TRUE, SendMessageA(web, WM_SETCURSOR, reinterpret_cast<WPARAM>(web), HTCLIENT));
        EXPECT_EQ(g_handCursor, GetCursor());

        g_shellAnswer = SE_ERR_NOASSOC;
        ClickLink(dialog, IDC_ABOUT_EMAIL_LINK);
        EXPECT_EQ(1, g_beeps);
        EXPECT_TRUE(ShowsOnly(dialog, IDC_ABOUT_EMAIL_LINK, kLinkColour, kVisitedLinkColour));
        g_shellAnswer = 42;
        ClickLink(dialog, IDC_ABOUT_WEB_LINK);
        EXPECT_TRUE(ShowsOnly(dialog, IDC_ABOUT_WEB_LINK, kVisitedLinkColour, kLinkColour));
        EXPECT_TRUE(ShowsOnly(dialog, IDC_ABOUT_EMAIL_LINK, kLinkColour, kVisitedLinkColour));
        test::Click(dialog, IDOK);
    });
    EXPECT_EQ((std::vector<std::string>{"open mailto:ocularix@quillfern.com?subject=Ocularix",
                                        "open https://www.quillfern.com/"}),
              g_opened);
    EXPECT_EQ(0, GetObjectType(linkFont));  // the link font went with the dialog

    g_settings.SaveSettings();  // as at exit; the next run reads it back
    test::ReloadSettings();
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_ABOUT, [](HWND dialog) {
        EXPECT_TRUE(ShowsOnly(dialog, IDC_ABOUT_WEB_LINK, kVisitedLinkColour, kLinkColour));
        ClickLink(dialog, IDC_ABOUT_EMAIL_LINK);
        EXPECT_TRUE(ShowsOnly(dialog, IDC_ABOUT_EMAIL_LINK, kVisitedLinkColour, kLinkColour));
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(1, g_beeps);
    EXPECT_EQ(1u, g_settings.Emailed);
}

}  // namespace
