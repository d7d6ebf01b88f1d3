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
// A check box or radio button's box, and the least gap between it and the
// text (100 % pixels).
constexpr int kBoxWidth = 13;
constexpr int kBoxGap = 4;
constexpr int kClassNameLength = 32;
constexpr int kTextLength = 512;

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

// How a control draws its text. False for a control whose text is not ours to fit.
struct TextStyle {
    UINT format;       // for DrawText
    bool boxed;        // after a check box's or radio button's box
    bool leftAligned;  // the text starts at the left and ends where its width does
};

bool StyleOf(HWND control, TextStyle* text) {
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    if (IsClass(control, "Static")) {
        const LONG_PTR type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP) return false;
        text->format = (type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK) | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        text->boxed = false;
        text->leftAligned = type == SS_LEFT || type == SS_LEFTNOWORDWRAP;
        return true;
    }
    if (IsClass(control, "Button") && IsBoxButton(style)) {
        text->format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
        text->boxed = true;
        const LONG_PTR alignment = style & (BS_LEFT | BS_RIGHT | BS_CENTER);
        text->leftAligned = !(style & BS_LEFTTEXT) && (alignment == 0 || alignment == BS_LEFT);
        return true;
    }
    return false;
}

// The width before a box button's text: the box, then half a digit's width as
// the system's buttons leave it, and never less than the gap the templates were
// laid out with.
int BoxAndGap(HDC dc, UINT dpiValue) {
    INT digit = 0;
    if (!GetCharWidth32A(dc, '0', '0', &digit)) digit = 0;
    const int dpiNumber = static_cast<int>(dpiValue);
    return dpi::Scale(kBoxWidth, dpiNumber) + std::max(dpi::Scale(kBoxGap, dpiNumber), digit / 2);
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

// A control's text measured in the control's own font.
struct Measured {
    TextStyle style;
    int before;  // drawn before the text: a box and its gap
    int width;   // the text's width once whole (it may wrap where the control has lines for it)
    int space;   // a space's width
};

// False for a control whose text is not ours to fit, or where more width
// would not show it whole (too little height even for one line).
bool Measure(HWND control, UINT dpiValue, Measured* measured) {
    if (!StyleOf(control, &measured->style)) return false;
    char text[kTextLength] = "";
    if (!GetWindowTextA(control, text, sizeof(text))) return false;
    RECT client;
    GetClientRect(control, &client);
    const int height = client.bottom;
    const UINT format = measured->style.format;

    WindowDC dc(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    SelectionGuard selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    measured->before = measured->style.boxed ? BoxAndGap(dc, dpiValue) : 0;
    SIZE space = {0, 0};
    GetTextExtentPoint32A(dc, " ", 1, &space);
    measured->space = space.cx;

    const int room = client.right - measured->before;
    if (Fits(dc, text, room, height, format)) {
        measured->width = static_cast<int>(Drawn(dc, text, room, format).right);
        return true;
    }
    // On one line it needs its whole length; a text that may wrap may need less.
    const int oneLine = Drawn(dc, text, room, (format & ~DT_WORDBREAK) | DT_SINGLELINE).right;
    if (!Fits(dc, text, oneLine, height, format)) return false;
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
    measured->width = whole;
    return true;
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

// The innermost group box around a control; null when it lies in none.
Placed* GroupOf(std::vector<Placed>& controls, const Placed& control) {
    Placed* found = nullptr;
    for (Placed& other : controls) {
        if (&other == &control || !IsGroupBox(other.window) || !Contains(other.rect, control.rect)) continue;
        if (!found || Contains(found->rect, other.rect)) found = &other;
    }
    return found;
}

// The controls after a control in its row and in the same group box, left to right.
std::vector<Placed*> Following(std::vector<Placed>& controls, const Placed& grown, const Placed* group) {
    std::vector<Placed*> row;
    for (Placed& other : controls) {
        if (&other == &grown || IsGroupBox(other.window)) continue;
        if (SameRow(other.rect, grown.rect) && After(other.rect, grown.rect) && GroupOf(controls, other) == group) {
            row.push_back(&other);
        }
    }
    std::sort(row.begin(), row.end(), [](const Placed* a, const Placed* b) { return a->rect.left < b->rect.left; });
    return row;
}

int DialogLimit(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    return client.right - DialogUnitsAcross(dialog, kMarginUnits);
}

// The right edge a row may reach: its group box's or the dialog's margin, and
// short of a group box beside it in the row.
int RowLimit(HWND dialog, const std::vector<Placed>& controls, const Placed& grown, const Placed* group) {
    int limit = group ? static_cast<int>(group->rect.right) - DialogUnitsAcross(dialog, kMarginUnits) : DialogLimit(dialog);
    for (const Placed& other : controls) {
        if (&other == group || !IsGroupBox(other.window) || Contains(other.rect, grown.rect)) continue;
        if (SameRow(other.rect, grown.rect) && After(other.rect, grown.rect)) {
            limit = std::min(limit, static_cast<int>(other.rect.left) - DialogUnitsAcross(dialog, kSpacingUnits));
        }
    }
    return limit;
}

// The right edge a group box may grow to: the dialog's margin (or that of a
// group box around it), short of whatever lies right of it beside its rows.
int GroupLimit(HWND dialog, std::vector<Placed>& controls, const Placed& group) {
    const Placed* outer = GroupOf(controls, group);
    int limit = outer ? static_cast<int>(outer->rect.right) - DialogUnitsAcross(dialog, kMarginUnits) : DialogLimit(dialog);
    for (const Placed& other : controls) {
        if (&other == &group || Contains(group.rect, other.rect) || Contains(other.rect, group.rect)) continue;
        if (SameRow(other.rect, group.rect) && After(other.rect, group.rect)) {
            limit = std::min(limit, static_cast<int>(other.rect.left) - DialogUnitsAcross(dialog, kSpacingUnits));
        }
    }
    return limit;
}

// Widens a dialog of its own (not one inside another window) by up to the
// pixels wanted, as far as its monitor's work area allows, keeping it centred
// where it was. Returns the pixels it grew by.
int GrowDialog(HWND dialog, int wanted) {
    if (wanted <= 0 || (GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CHILD)) return 0;
    RECT frame;
    GetWindowRect(dialog, &frame);
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor)) work = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int grown = fit::Growth(width + wanted, width, (work.right - work.left) - width);
    if (grown <= 0) return 0;
    const int left = std::max(static_cast<int>(work.left),
                              std::min(static_cast<int>(frame.left) - grown / 2, static_cast<int>(work.right) - width - grown));
    SetWindowPos(dialog, nullptr, left, frame.top, width + grown, frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return grown;
}

// Widens the group box (or, outside one, the dialog) so that a row ending at
// `end` fits, where the row is held by that edge (`rowLimit`, not a group box
// beside it); gives the row's new reach.
int MakeRoom(HWND dialog, std::vector<Placed>& controls, Placed* group, int end, int reach, int rowLimit) {
    const int margin = DialogUnitsAcross(dialog, kMarginUnits);
    if (!group) {
        if (rowLimit < DialogLimit(dialog)) return reach;
        return reach + GrowDialog(dialog, end - reach);
    }
    if (rowLimit < group->rect.right - margin) return reach;
    int groupLimit = GroupLimit(dialog, controls, *group);
    const int wanted = end - reach;
    const int room = groupLimit - group->rect.right;
    if (room < wanted && groupLimit == DialogLimit(dialog)) {
        GrowDialog(dialog, wanted - std::max(room, 0));
        groupLimit = GroupLimit(dialog, controls, *group);
    }
    const int growth = fit::Growth(end, reach, groupLimit - group->rect.right);
    if (growth <= 0) return reach;
    group->rect.right += growth;
    SetWindowPos(group->window, nullptr, 0, 0, group->rect.right - group->rect.left, group->rect.bottom - group->rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return reach + growth;
}

// A text control to fit: its text, and where the control after it in its row
// should start at the earliest.
struct Planned {
    Placed* control;
    Measured text;
    HWND next;        // the first control after it in its row; null when none
    LONG nextLeft;    // where that one starts as laid out
    Placed* group;    // the group box both lie in
    int nextStart;
};

int TextEnd(const Planned& plan) {
    return plan.control->rect.left + plan.text.before + plan.text.width;
}

// Gives a control the width its text needs and starts the next control in its
// row where the plan says, making room where the row needs it.
void FitRow(HWND dialog, std::vector<Placed>& controls, const Planned& plan) {
    Placed& grown = *plan.control;
    const std::vector<Placed*> row = Following(controls, grown, plan.group);
    std::vector<fit::Span> spans;
    for (const Placed* other : row) spans.push_back(fit::Span{other->rect.left, other->rect.right});
    fit::Span span = {grown.rect.left, grown.rect.right};
    const int count = static_cast<int>(spans.size());
    const int textEnd = TextEnd(plan);

    const int rowLimit = RowLimit(dialog, controls, grown, plan.group);
    const int reach = fit::Reach(span, spans.data(), count, rowLimit);
    const int end = fit::RowEnd(span, textEnd, plan.nextStart, spans.data(), count);
    const int limit = end > reach ? MakeRoom(dialog, controls, plan.group, end, reach, rowLimit) : reach;
    fit::FitInRow(&span, textEnd, plan.nextStart, spans.data(), count, limit);

    if (span.right != grown.rect.right) {
        grown.rect.right = span.right;
        SetWindowPos(grown.window, nullptr, 0, 0, grown.rect.right - grown.rect.left, grown.rect.bottom - grown.rect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (size_t i = 0; i < row.size(); ++i) {
        if (spans[i].left == row[i]->rect.left) continue;
        OffsetRect(&row[i]->rect, spans[i].left - row[i]->rect.left, 0);
        SetWindowPos(row[i]->window, nullptr, row[i]->rect.left, row[i]->rect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Each text control of the dialog with what its row needs, as laid out. A
// control after a label keeps in line with the ones laid out in a column with
// it (the same left edge in the same group box): where one of them must move
// right, all do.
std::vector<Planned> Plan(std::vector<Placed>& controls, UINT dpiValue) {
    std::vector<Planned> plans;
    for (Placed& control : controls) {
        Planned plan = {&control, {}, nullptr, 0, GroupOf(controls, control), 0};
        if (!Measure(control.window, dpiValue, &plan.text)) continue;
        const std::vector<Placed*> row = Following(controls, control, plan.group);
        if (!row.empty()) {
            plan.next = row.front()->window;
            plan.nextLeft = row.front()->rect.left;
        }
        // Only a text that ends where it starts may be told apart from its neighbour.
        plan.nextStart = TextEnd(plan) + (plan.text.style.leftAligned ? plan.text.space : 0);
        plans.push_back(plan);
    }
    for (Planned& plan : plans) {
        for (const Planned& other : plans) {
            if (plan.next && other.next && other.group == plan.group && other.nextLeft == plan.nextLeft) {
                plan.nextStart = std::max(plan.nextStart, other.nextStart);
            }
        }
    }
    return plans;
}

}  // namespace

void FitDialogTexts(HWND dialog, UINT dpiValue) {
    std::vector<Placed> controls = Controls(dialog);
    for (const Planned& plan : Plan(controls, dpiValue)) FitRow(dialog, controls, plan);
}
