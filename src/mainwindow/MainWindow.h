// The one object behind the program's one top-level window: its child controls,
// the magnifier's state, and the message dispatch.
#pragma once

#include <windows.h>

#include "mainwindow/ToolTipControl.h"
#include "view/MarqueeWindow.h"
#include "view/TrackingToolTip.h"

// Timers of the main window.
constexpr UINT_PTR kRefreshTimerId = 1;
constexpr UINT_PTR kTrackingTimerId = 2;
constexpr UINT kTrackingIntervalMs = 100;

// Status bar panes: the message, the colour text, the swatch, the coordinates, the link.
constexpr UINT kMessagePane = 0;
constexpr UINT kColourPane = 1;
constexpr UINT kSwatchPane = 2;
constexpr UINT kCoordinatesPane = 3;
constexpr UINT kLinkPane = 4;
constexpr int kStatusPaneCount = 5;

class MainWindow {
public:
    MainWindow();
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Dispatch of every message of the main window; the handle is the member.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // --- Window construction
    bool OnCreate();
    // Builds the rebar (from common controls 4.71 on) or the bare toolbar, its
    // buttons and the two sliders. The version is an input so that both paths
    // can be exercised.
    void BuildToolbarBand(DWORD commonControlsMajor, DWORD commonControlsMinor, bool versionKnown);
    void BuildStatusBar();
    void AddControlTips();
    void ApplyTopmost();
    void ShowToolbarBand();
    void ShowStatusBar();

    // --- Layout and placement
    RECT GetViewRect() const;
    // The screen rectangle the view shows (left, top, left + source width, top + source height).
    RECT SourceRect() const;
    void Layout();
    void SizeStatusPanes();
    void KeepOnDesktop();

    // --- Rendering
    void Render(HDC target);
    void Redraw();

    // --- Zoom and tracking
    void SetZoom(int zoom);
    void SetUpdateSpeed(int index, bool force);
    void MoveZoomPoint(int dx, int dy);
    void UpdateZoomFrame();
    void InvertZoomFrame();
    void EndPicking();
    void RefreshFollowButton();
    void RefreshGridButton();

    // --- Selection
    RECT SelectionRect() const;
    void UpdateSelectionFeedback();
    void CancelSelection();
    void ZoomToSelection();

    // --- Commands and context menus
    bool ExecuteCommand(WORD command);
    bool ShowContextMenu(POINT screenPoint);
    // The help id of the place under a screen point; false when it is none.
    bool HitTestHelpId(POINT screenPoint, int* helpId);

    // --- Capture, clipboard and hot keys
    // A new screen-compatible bitmap of the whole view or of the selection, at
    // screen size or zoomed; null when it cannot be made. The caller owns it.
    HBITMAP CaptureImage(bool zoomed, bool useSelection);
    void OnHotKey(WPARAM id);
    // Asks for a file name in the system's Save As dialog, then writes the view
    // or the selection there.
    void SaveImageAs(bool useSelection);

    // --- Message handlers (one per message, see HandleMessage)
    POINT ContextMenuPoint(LPARAM lParam) const;
    void OnDestroy();
    void OnKillFocus(HWND gainingFocus);
    bool OnSetCursor();
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnNotify(const NMHDR& header);
    bool OnSysCommand(WPARAM command);
    void OnMenuSelect(WORD item, WORD flags, HMENU menu);
    void OnTimer(UINT_PTR id);
    void OnRefreshTick();
    void OnTrackingTick();
    void OnHScroll(HWND slider, WORD code, WORD position);
    void OnMouseWheel(short delta, WORD keys);
    void OnKeyDown(UINT virtualKey);
    void OnLButtonDown();
    void OnLButtonUp();
    void OnPickingMouseMove();
    void OnRButtonDown(int x, int y);
    void OnSelectingMouseMove(int x, int y);
    void OnRButtonUp(int x, int y);
    void OnMButtonDown(int x, int y);
    LRESULT OnOriginUpdate(LPARAM step);
    void OnOriginEnd();

    // --- State, in the order the rest of the program relies on.
    HWND window;
    int sourceHeight;
    int sourceWidth;
    int halfHeight;
    int halfWidth;
    RECT zoomFrame;            // screen pixels
    POINT highestZoomPoint;    // screen pixels
    bool picking;
    POINT zoomPoint;           // screen pixels, stored unclamped
    TrackingToolTip trackingToolTip;
    COLORREF sampledColour;
    bool selectionActive;
    bool selecting;
    POINT selectionAnchor;     // client pixels
    POINT selectionEnd;        // client pixels
    MarqueeWindow marquee;
    ToolTipControl controlTips;
    HPALETTE identityPalette;
    HRGN viewRegion;
    HCURSOR viewCursor;
    bool rebarUsed;
    int toolbarBandHeight;
    HWND toolbar;
    HWND toolbarBand;
    HWND zoomSlider;
    HWND updateSlider;
    int statusBarHeight;
    HWND statusBar;
    bool viewHidden;
};

// Messages registered by name at start-up (see Globals.cpp).
struct RegisteredMessages {
    RegisteredMessages();
    UINT legacyWheel;   // 0 when this system does not use the legacy wheel message
    UINT originUpdate;  // a panning step from the panning library
    UINT originEnd;     // the panning session has ended
};

extern RegisteredMessages g_messages;
extern MainWindow g_mainWindow;
// The panning library loaded at the last middle-button press.
extern HMODULE g_panningLibrary;
// References to it taken by presses and not yet given back by an end message.
extern int g_panningLoads;
