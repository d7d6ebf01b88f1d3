// The dialogs as the dialog manager lays them out at 100, 150 and 200 %, in
// the dialog font of the system they run on: every control of Options, About
// and the Save dialog's box lies inside its dialog, clear of the others, and
// its text fits it, measured in the control's own font.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/Dpi.h"
#include "common/Handles.h"
#include "resources/resource.h"
#include "support/ControlSupport.h"
#include "support/DialogSupport.h"
#include "support/Fixtures.h"
#include "support/ScaleSupport.h"

namespace {

bool IsGroupBox(HWND control) {
    return test::ClassName(control) == "Button" && (GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

HWND BuddyOf(HWND control) {
    if (test::ClassName(control) != "msctls_updown32") return nullptr;
    return reinterpret_cast<HWND>(SendMessageA(control, UDM_GETBUDDY, 0, 0));
}

// Why the control's text does not fit it; empty when it does. Room is left as
// the system's controls draw: the check box or radio circle and its gap before
// a button's text, a frame around a push button's.
std::string TextMisfit(HWND control, int dpiValue) {
    const std::string text = test::WindowText(control);
    if (text.empty()) return "";
    RECT client;
    GetClientRect(control, &client);
    const LONG style = static_cast<LONG>(GetWindowLongPtrA(control, GWL_STYLE));
    const std::string kind = test::ClassName(control);
    int width = client.right;
    int height = client.bottom;
    UINT format = DT_SINGLELINE;
    if (kind == "Static") {
        const LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) return "";
        format = DT_WORDBREAK | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
    } else if (kind == "Button") {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) {
            width -= 2 * dpi::Scale(8, dpiValue);
        } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            width -= 2 * dpi::Scale(3, dpiValue);
            height -= 2 * dpi::Scale(3, dpiValue);
        } else {
            width -= dpi::Scale(13 + 3, dpiValue);
        }
        if (style & BS_MULTILINE) format = DT_WORDBREAK;
    } else if (kind == "Edit") {
        const DWORD margins = static_cast<DWORD>(SendMessageA(control, EM_GETMARGINS, 0, 0));
        width -= LOWORD(margins) + HIWORD(margins);
    } else {
        return "";
    }
    RECT needed = {0, 0, width, 0};
    WindowDC dc(control);
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    SelectionGuard selected(dc, font ? font : GetStockObject(SYSTEM_FONT));
    DrawTextA(dc, text.c_str(), -1, &needed, format | DT_CALCRECT | DT_EXPANDTABS);
    if (needed.right <= width && needed.bottom <= height) return "";
    return "\"" + text + "\" needs " + std::to_string(needed.right) + "x" + std::to_string(needed.bottom) +
           ", has " + std::to_string(width) + "x" + std::to_string(height);
}

// A text as a control shows it: "&&" as "&", any other ampersand only marks the
// access key under the next letter and takes no width.
std::string Shown(const std::string& text, bool prefixes) {
    if (!prefixes) return text;
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

// A label's, check box's or radio button's text as it is shown, measured in
// the control's own font.
struct ShownText {
    std::string text;
    RECT place;  // the control, in the dialog's client pixels
    int start;   // where the text starts, from the control's left edge
    int width;   // the text's width (its widest line where it wraps on purpose)
    int room;    // the width the control gives it
    bool whole;  // all of it fits the control
    int space;   // a space's width in the font
};

// False for other controls. The text of a one-line control must fit on its
// line; a control several lines high may wrap it. A check box or radio button
// draws its box first, then half a digit's width of gap, as the system's
// buttons do; its box is 13 pixels at 100 %.
bool MeasureShown(HWND control, HWND dialog, int dpiValue, ShownText* shown) {
    const LONG style = static_cast<LONG>(GetWindowLongPtrA(control, GWL_STYLE));
    const std::string kind = test::ClassName(control);
    bool boxed = false;
    if (kind == "Static") {
        const LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_LEFTNOWORDWRAP) return false;
    } else if (kind == "Button") {
        const LONG type = style & BS_TYPEMASK;
        if (type != BS_CHECKBOX && type != BS_AUTOCHECKBOX && type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON &&
            type != BS_3STATE && type != BS_AUTO3STATE) {
            return false;
        }
        boxed = true;
    } else {
        return false;
    }
    const bool prefixes = boxed || !(style & SS_NOPREFIX);
    shown->text = Shown(test::WindowText(control), prefixes);
    if (shown->text.empty()) return false;
    shown->place = test::RectIn(control, dialog);

    WindowDC dc(control);
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    SelectionGuard selected(dc, font ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    INT digit = 0;
    GetCharWidth32A(dc, '0', '0', &digit);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, " ", 1, &extent);
    shown->space = extent.cx;
    shown->start = boxed ? dpi::Scale(13, dpiValue) + digit / 2 : 0;
    RECT client;
    GetClientRect(control, &client);
    shown->room = client.right - shown->start;
    GetTextExtentPoint32A(dc, shown->text.c_str(), static_cast<int>(shown->text.size()), &extent);
    shown->width = extent.cx;
    shown->whole = shown->width <= shown->room;
    if (!shown->whole && client.bottom >= 2 * metrics.tmHeight) {
        RECT wrapped = {0, 0, shown->room, 0};
        DrawTextA(dc, shown->text.c_str(), -1, &wrapped, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        shown->width = wrapped.right;
        shown->whole = wrapped.right <= shown->room && wrapped.bottom <= client.bottom;
    }
    return true;
}

std::string Named(HWND control) {
    return test::ClassName(control) + " " + std::to_string(GetDlgCtrlID(control)) + " \"" +
           test::WindowText(control) + "\"";
}

// Checks every label, check box and radio button of a dialog: its whole text
// fits it, the text ends at least a space's width before any control right of
// it in its row, and the control stays inside the group box it starts in.
// Gives the number of texts checked.
int ExpectTextsWholeAndApart(HWND dialog) {
    const int dpiValue = static_cast<int>(dpi::ForWindow(dialog));
    int checked = 0;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        ShownText shown;
        if (!IsWindowVisible(control) || !MeasureShown(control, dialog, dpiValue, &shown)) continue;
        ++checked;
        EXPECT_TRUE(shown.whole) << Named(control) << " shows \"" << shown.text << "\" " << shown.width
                                 << " wide in " << shown.room;
        const int textEnd = shown.place.left + shown.start + shown.width;
        for (HWND other = GetWindow(dialog, GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
            if (other == control || !IsWindowVisible(other)) continue;
            const RECT place = test::RectIn(other, dialog);
            const POINT corner = {shown.place.left, shown.place.top};
            if (IsGroupBox(other) && PtInRect(&place, corner)) {
                RECT common;
                IntersectRect(&common, &place, &shown.place);
                EXPECT_TRUE(EqualRect(&common, &shown.place)) << Named(control) << " leaves its group box";
                continue;
            }
            const bool sameRow = place.top < shown.place.bottom && shown.place.top < place.bottom;
            if (!sameRow || place.left <= shown.place.left) continue;
            EXPECT_LE(textEnd + shown.space, place.left)
                << Named(control) << ": its text ends at " << textEnd << ", a space (" << shown.space
                << ") short of or past " << Named(other) << " at " << place.left;
        }
    }
    return checked;
}

// True when a window lies wholly inside another's client area.
bool LiesInside(HWND window, HWND parent) {
    RECT client, placed = test::RectIn(window, parent);
    GetClientRect(parent, &client);
    return placed.left >= 0 && placed.top >= 0 && placed.right <= client.right && placed.bottom <= client.bottom;
}

// Every visible control of the dialog (and of the dialogs inside it) that leaves
// its parent's client area or whose text is cut, with the reason.
std::vector<std::string> Misfits(HWND dialog) {
    std::vector<std::string> found;
    const int dpiValue = static_cast<int>(dpi::ForWindow(dialog));
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsWindowVisible(control)) continue;
        const std::string name = test::ClassName(control) + " " + std::to_string(GetDlgCtrlID(control));
        if (!LiesInside(control, dialog)) found.push_back(name + " leaves its dialog");
        const std::string misfit = TextMisfit(control, dpiValue);
        if (!misfit.empty()) found.push_back(name + ": " + misfit);
        // Nothing lies over another control but a group box around it.
        for (HWND other = GetWindow(control, GW_HWNDNEXT); other; other = GetWindow(other, GW_HWNDNEXT)) {
            if (!IsWindowVisible(other) || IsGroupBox(control) || IsGroupBox(other)) continue;
            // An up-down sits on its buddy's border, as the system places it.
            if (BuddyOf(control) == other || BuddyOf(other) == control) continue;
            RECT common;
            const RECT placed = test::RectIn(control, dialog), otherPlaced = test::RectIn(other, dialog);
            if (IntersectRect(&common, &placed, &otherPlaced)) {
                found.push_back(name + " overlaps " + test::ClassName(other) + " " +
                                std::to_string(GetDlgCtrlID(other)));
            }
        }
        if (test::ClassName(control) == "#32770") {
            for (const std::string& inner : Misfits(control)) found.push_back(inner);
        }
    }
    return found;
}

// Checks a dialog and counts the controls seen, so that an empty dialog cannot pass.
void ExpectWhole(HWND dialog, int* checked) {
    for (const std::string& misfit : Misfits(dialog)) ADD_FAILURE() << misfit;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) ++*checked;
}

class DialogScaleTest : public test::PlacedMainWindow {
protected:
    void SetUp() override {
        PlacedMainWindow::SetUp();
        ASSERT_EQ(test::RequestedDpi(), dpi::ForWindow(Window()));
    }
};

TEST_F(DialogScaleTest, OptionsAndAboutKeepEveryControlWholeAndInside) {
    SCOPED_TRACE("at " + std::to_string(dpi::ForWindow(Window())) + " DPI");
    int options = 0;
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_OPTIONS, [&](HWND dialog) {
        ExpectWhole(dialog, &options);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(30, options);
    int about = 0;
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_ABOUT, [&](HWND dialog) {
        ExpectWhole(dialog, &about);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(9, about);
}

TEST_F(DialogScaleTest, EveryLabelAndCheckBoxShowsItsWholeTextASpaceClearOfTheControlRightOfIt) {
    SCOPED_TRACE("at " + std::to_string(dpi::ForWindow(Window())) + " DPI");
    int options = 0;
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_OPTIONS, [&](HWND dialog) {
        options = ExpectTextsWholeAndApart(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(13, options);  // six labels, five check boxes, two radio buttons
    int about = 0;
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_ABOUT, [&](HWND dialog) {
        about = ExpectTextsWholeAndApart(dialog);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(7, about);  // the icon is no text
}

TEST_F(DialogScaleTest, TheSaveDialogsBoxIsWholeAndInside) {
    SCOPED_TRACE("at " + std::to_string(dpi::ForWindow(Window())) + " DPI");
    int checked = 0;
    test::RunDialogFrom(Window(), WM_COMMAND, IDM_SAVE_IMAGE_AS, [&](HWND dialog) {
        // Our template is a dialog of its own inside the system's: the system's
        // controls are the system's business, ours must fit and stay inside.
        HWND ours = GetWindow(dialog, GW_CHILD);
        while (ours && !GetDlgItem(ours, IDC_SAVE_ZOOMED_IMAGE)) ours = GetWindow(ours, GW_HWNDNEXT);
        ASSERT_NE(nullptr, ours);
        EXPECT_TRUE(LiesInside(ours, dialog)) << "our part leaves the Save dialog";
        ExpectWhole(ours, &checked);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(1, checked);
}

}  // namespace
