#include "dialogs/DialogFit.h"

#include <algorithm>
#include <vector>

#include "common/Dpi.h"
#include "common/Handles.h"
#include "dialogs/FitMath.h"

namespace {

// Dialog units from the edge of the dialog or a group box to the controls in
// it, and between a control and a group box beside it.
constexpr int kMarginUnits = 7;
constexpr int kSpacingUnits = 4;
// A check box or radio button's text starts after the box and a gap (100 % pixels).
constexpr int kBoxAndGap = 13 + 4;
constexpr int kClassNameLength = 32;

bool IsClass(HWND window, const char* name) {
    char found[kClassNameLength] = "";
    GetClassNameA(window, found, sizeof(found));
    return lstrcmpiA(found, name) == 0;
}

bool IsGroupBox(HWND window) {
    return IsClass(window, "Button") && (GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsBoxButton(LONG_PTR style) {
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON:
        return true;
    default:
        return false;
    }
}

// What a control's text has to fit in: the width before the text and the format
// it is drawn with. False for a control whose text is not ours to fit.
bool TextRoom(HWND control, UINT dpiValue, int* taken, UINT* format) {
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    if (IsClass(control, "Static")) {
        const LONG_PTR type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP) return false;
        *taken = 0;
        *format = (type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK) | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        return true;
    }
    if (IsClass(control, "Button") && IsBoxButton(style)) {
        *taken = dpi::Scale(kBoxAndGap, static_cast<int>(dpiValue));
        *format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
        return true;
    }
    return false;
}

// The text's extent when drawn in a width.
RECT Drawn(HDC dc, const char* text, int width, UINT format) {
    RECT extent = {0, 0, width, 0};
    DrawTextA(dc, text, -1, &extent, format | DT_CALCRECT | DT_EXPANDTABS);
    return extent;
}

bool Fits(HDC dc, const char* text, int width, int height, UINT format) {
    const RECT extent = Drawn(dc, text, width, format);
    return extent.right <= width && extent.bottom <= height;
}

struct Placed {
    HWND window;
    RECT rect;  // in the dialog's client pixels
};

// The dialog's visible controls with their rectangles. At WM_INITDIALOG the
// dialog itself is not shown yet, so a control's own style says whether it is.
std::vector<Placed> Controls(HWND dialog) {
    std::vector<Placed> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE)) continue;
        Placed placed = {child, {0, 0, 0, 0}};
        GetWindowRect(child, &placed.rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed.rect), 2);
        controls.push_back(placed);
    }
    return controls;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

bool SameRow(const RECT& a, const RECT& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

// Whether a control of the row lies after another one: it starts and ends
// further right. Two neighbours laid edge to edge in dialog units may overlap
// by a pixel once rounded.
bool After(const RECT& later, const RECT& earlier) {
    return later.left > earlier.left && later.right > earlier.right;
}

int DialogUnitsAcross(HWND dialog, int units) {
    RECT span = {0, 0, units, 0};
    MapDialogRect(dialog, &span);
    return span.right;
}

// The right edge a control may grow to: its group box's or the dialog's margin,
// and short of a group box beside it in its row.
int RightLimit(HWND dialog, const std::vector<Placed>& controls, const Placed& grown) {
    RECT client;
    GetClientRect(dialog, &client);
    const int margin = DialogUnitsAcross(dialog, kMarginUnits);
    int limit = client.right - margin;
    for (const Placed& other : controls) {
        if (other.window == grown.window || !IsGroupBox(other.window)) continue;
        if (Contains(other.rect, grown.rect)) {
            limit = std::min(limit, static_cast<int>(other.rect.right) - margin);
        } else if (SameRow(other.rect, grown.rect) && After(other.rect, grown.rect)) {
            limit = std::min(limit, static_cast<int>(other.rect.left) - DialogUnitsAcross(dialog, kSpacingUnits));
        }
    }
    return limit;
}

void Widen(HWND dialog, std::vector<Placed>& controls, Placed& grown, int lacking) {
    const int limit = RightLimit(dialog, controls, grown);
    std::vector<Placed*> row;
    for (Placed& other : controls) {
        if (&other == &grown || IsGroupBox(other.window)) continue;
        if (SameRow(other.rect, grown.rect) && After(other.rect, grown.rect) && other.rect.left < limit) {
            row.push_back(&other);
        }
    }
    std::sort(row.begin(), row.end(), [](const Placed* a, const Placed* b) { return a->rect.left < b->rect.left; });
    std::vector<fit::Span> spans;
    for (const Placed* other : row) spans.push_back(fit::Span{other->rect.left, other->rect.right});
    fit::Span span = {grown.rect.left, grown.rect.right};
    if (!fit::WidenInRow(&span, lacking, spans.data(), static_cast<int>(spans.size()), limit)) return;

    grown.rect.right = span.right;
    SetWindowPos(grown.window, nullptr, 0, 0, grown.rect.right - grown.rect.left, grown.rect.bottom - grown.rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (size_t i = 0; i < row.size(); ++i) {
        if (spans[i].left == row[i]->rect.left) continue;
        OffsetRect(&row[i]->rect, spans[i].left - row[i]->rect.left, 0);
        SetWindowPos(row[i]->window, nullptr, row[i]->rect.left, row[i]->rect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

int LackingTextWidth(HWND control, UINT dpiValue) {
    int taken = 0;
    UINT format = 0;
    if (!TextRoom(control, dpiValue, &taken, &format)) return 0;
    char text[512] = "";
    if (!GetWindowTextA(control, text, sizeof(text))) return 0;
    RECT client;
    GetClientRect(control, &client);
    const int room = client.right - taken;
    const int height = client.bottom;

    WindowDC dc(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    SelectionGuard selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    if (Fits(dc, text, room, height, format)) return 0;
    // On one line it needs its whole length; a text that may wrap may need less.
    const int oneLine = Drawn(dc, text, room, (format & ~DT_WORDBREAK) | DT_SINGLELINE).right;
    if (!Fits(dc, text, oneLine, height, format)) return 0;
    int cut = room;  // too narrow
    int whole = oneLine;  // wide enough
    while (whole - cut > 1) {
        const int middle = cut + (whole - cut) / 2;
        if (Fits(dc, text, middle, height, format)) {
            whole = middle;
        } else {
            cut = middle;
        }
    }
    return whole - room;
}

void FitDialogTexts(HWND dialog, UINT dpiValue) {
    if (dpiValue == dpi::kBase) return;
    std::vector<Placed> controls = Controls(dialog);
    for (Placed& control : controls) {
        const int lacking = LackingTextWidth(control.window, dpiValue);
        if (lacking > 0) Widen(dialog, controls, control, lacking);
    }
}
