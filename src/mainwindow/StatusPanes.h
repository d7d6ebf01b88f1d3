// The status bar and its five panes, in one place: creating the bar, the panes'
// widths, every text written into them, the owner-drawn swatch and link, the
// panes' tooltips and what lies under a point of the bar.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "common/Dpi.h"
#include "common/GuiFont.h"
#include "common/Handles.h"
#include "mainwindow/ToolTipControl.h"
#include "text/ColourText.h"

// Status bar panes, left to right.
enum StatusPane : UINT {
    kMessagePane,      // the menu prompts and "Press F1 for help"
    kColourPane,       // the colour text
    kSwatchPane,       // the colour itself, owner-drawn
    kCoordinatesPane,  // the mouse coordinates
    kLinkPane,         // the maker's web site, owner-drawn
};
constexpr int kStatusPaneCount = kLinkPane + 1;

// Room for the text of one pane.
constexpr int kPaneTextSize = 64;

class StatusPanes {
public:
    StatusPanes() = default;
    StatusPanes(const StatusPanes&) = delete;
    StatusPanes& operator=(const StatusPanes&) = delete;

    // Creates the bar at the bottom of the parent, showing "Press F1 for help"
    // in DEFAULT_GUI_FONT's face at a DPI, and takes its height. The bar is a
    // child of the parent and goes with it.
    void Create(HWND parent, UINT dpi);
    HWND Window() const { return window_; }
    int Height() const { return height_; }
    // The bar's font: the stock DEFAULT_GUI_FONT where the DPI is the system's,
    // else its face at the DPI, owned here.
    HFONT Font() const;
    // Gives the bar its font for another DPI, releasing the one before, and
    // takes the height the bar chose for it. The widths follow at the next Size.
    void SetDpi(UINT dpi);

    // Sets the five panes' widths for a view: each text pane as wide as its
    // sample text in the bar's font and a margin, measured in the parent's DC,
    // the swatch and the margins scaled to the DPI; the message pane takes all
    // spare room, so the others stay at the right.
    void Size(HWND parent, const RECT& view);
    // Puts the bar right under the view and as wide as it.
    void Place(const RECT& view);
    void Show(bool shown);
    // Repaints the whole bar.
    void Invalidate();

    // The message pane's text, drawn without a border.
    void SetPrompt(const char* text);
    void ShowRestPrompt();
    // The prompt of a menu item: the part of its command's text after the line
    // break, or the resting prompt when it has none (or for item 0).
    void ShowCommandPrompt(UINT command);
    // The colour text in the colour pane; the swatch repaints with it.
    void ShowColour(COLORREF colour, ColourFormat format);
    // True once a colour was shown since the bar was made.
    bool ColourShown() const { return colourShown_; }
    // The coordinates; the pane is written only when its text changes.
    void ShowCoordinates(POINT shown);
    // Marks the swatch and the link owner-drawn again, so that they repaint.
    void MarkOwnerDrawn();

    // The tooltips of panes 1 to 4, added on the panes, and moved to them after
    // the panes have moved.
    void AddTips(ToolTipControl& tips) const;
    void MoveTips(ToolTipControl& tips) const;

    // WM_DRAWITEM: the swatch in the colour, the link as blue underlined text.
    // Only the bar's own items, and of those only the two owner-drawn panes.
    void Draw(UINT control, const DRAWITEMSTRUCT& item, COLORREF swatch) const;
    // True when the bar is shown and a screen point lies on the link pane.
    bool LinkAt(POINT screenPoint) const;
    // NM_CLICK: a click on the link opens the maker's web site.
    void OnClick(const NMHDR& header) const;
    // The help id of the pane under a screen point, the message pane's when
    // the point lies in the bar outside every pane; HELP_ID_NONE off the bar.
    int HelpIdAt(POINT screenPoint) const;

    // The bar went with its parent: its handle is no longer ours, and the next
    // bar starts with nothing shown.
    void Forget();

private:
    // The one sender of SB_SETTEXTA: a pane with its drawing flags, and its text.
    void Send(UINT paneAndFlags, const char* text) const;
    bool PaneRect(int pane, RECT* rect) const;

    HWND window_ = nullptr;
    int height_ = 0;
    UINT dpi_ = dpi::kBase;
    // The bar's font: the stock one at the system's DPI, one of its own at another.
    GuiFont font_;
    bool colourShown_ = false;
    char shownCoordinates_[kPaneTextSize] = "";
};
