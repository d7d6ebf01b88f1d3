// The one object behind the program's one top-level window: its child controls,
// the magnifier's state, and the message dispatch.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <stdint.h>

#include "common/Dpi.h"
#include "common/Handles.h"
#include "mainwindow/StatusPanes.h"
#include "mainwindow/ToolTipControl.h"
#include "mainwindow/ToolbarBand.h"
#include "text/ColourText.h"
#include "view/Magnifier.h"
#include "view/MarqueeWindow.h"
#include "view/TrackingToolTip.h"
#include "view/ViewFrame.h"

// Timers of the main window.
constexpr UINT_PTR kRefreshTimerId = 1;
constexpr UINT_PTR kTrackingTimerId = 2;
constexpr UINT kTrackingIntervalMs = 100;

// How the coordinates pane shows the mouse: on the screen, or in the client area
// of the window under it. The values are the byte that RelativeCoords stores.
enum class CoordinateMode : uint8_t { Screen = 0, WindowClient = 1 };

class MainWindow {
public:
    MainWindow();
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // --- The window and its dispatch (MainWindow.cpp)
    // Binds the window handle; the window procedure calls it before the window's first message is handled.
    void Bind(HWND window);
    HWND Window() const { return window; }
    // The DPI the window's parts are sized for; its pop-ups are made for it too.
    UINT Dpi() const { return currentDpi; }
    // Dispatch of every message of the main window; the handle is the member.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // What the window shows and holds, to read.
    const Magnifier& Magnification() const { return magnifier; }
    const ToolbarBand& Band() const { return band; }
    const StatusPanes& Status() const { return status; }
    const ToolTipControl& ControlTips() const { return controlTips; }
    const TrackingToolTip& TrackingTip() const { return trackingToolTip; }
    const MarqueeWindow& Marquee() const { return marquee; }
    const ViewFrame& Frame() const { return frame; }
    HRGN ViewRegion() const { return viewRegion; }
    HPALETTE IdentityPalette() const { return identityPalette; }
    HCURSOR ViewCursor() const { return viewCursor; }
    COLORREF SampledColour() const { return sampledColour; }
    bool ViewHidden() const { return viewHidden; }

    // --- Window construction (Construction.cpp)
    // Builds the rebar (from common controls 4.71 on) or the bare toolbar, its
    // buttons and the two sliders. The version is an input so that both paths
    // can be exercised.
    void BuildToolbarBand(DWORD commonControlsMajor, DWORD commonControlsMinor, bool versionKnown);
    void ApplyTopmost();
    // Makes the parts sized for the DPI again at another one: the toolbar band
    // with its images and sliders, the status bar's font and height. The
    // caller lays the window out.
    void RemakeForDpi(UINT newDpi);
    void ShowToolbarBand();
    void ShowStatusBar();

    // --- Layout and placement (Layout.cpp, Placement.cpp, Render.cpp)
    RECT GetViewRect() const;
    // The screen rectangle the view shows (left, top, left + source width, top + source height).
    RECT SourceRect() const;
    void Layout();
    void SizeStatusPanes();
    void KeepOnDesktop();
    // Applies Transparent and nTransparency to the window.
    void ApplyTranslucency();

    // --- Rendering (Render.cpp)
    // Paints the whole view into a DC of the main window.
    void Render(HDC target);
    // Paints the whole view at once.
    void Redraw();
    // Paints the view at once when its picture has changed since it was last
    // painted; true when it painted.
    bool RefreshView();

    // --- Zoom and tracking (Tracking.cpp)
    void SetZoom(int zoom);
    void SetUpdateSpeed(int index, bool force);
    void MoveZoomPoint(int dx, int dy);
    void UpdateZoomFrame();
    void InvertZoomFrame();
    // Highlight: the zoom frame's outline blinks four times on the screen, which
    // is left as it was.
    void FlashZoomFrame();
    void EndPicking();
    void RefreshFollowButton();
    void RefreshGridButton();
    // The colour pane's format and the coordinates pane's mode; the colour text
    // shows the new format at the next change of colour, the coordinates at the
    // next tick.
    void SetColourFormat(ColourFormat format);
    void SetCoordinateMode(CoordinateMode mode);

    // --- Selection (Selection.cpp)
    RECT SelectionRect() const;
    void CancelSelection();
    void ZoomToSelection();

    // --- Commands and context menus (Commands.cpp, ContextMenu.cpp)
    bool ExecuteCommand(WORD command);
    bool ShowContextMenu(POINT screenPoint);
    // The help id of the place under a screen point; false when it is none.
    bool HitTestHelpId(POINT screenPoint, int* helpId);

    // --- Capture, clipboard and saving (CaptureCommands.cpp, SaveCommands.cpp)
    // A new screen-compatible bitmap of the whole view or of the selection, at
    // screen size or zoomed; empty when it cannot be made.
    Bitmap CaptureImage(bool zoomed, bool useSelection);
    // Asks for a file name in the system's Save As dialog, then writes the view
    // or the selection there.
    void SaveImageAs(bool useSelection);
    // The hot keys' work: the whole view at zoomed size, and the text of the
    // colour under the mouse now, onto the clipboard.
    void CopyZoomedView();
    void CopyColourUnderMouse();

private:
    // --- Message handlers (MainWindow.cpp)
    void OnDestroy();
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT kind, int width, int height);
    void OnPaint();
    void OnSettingChange();
    // The window has come onto a monitor of another scale, or that monitor's
    // scale has changed: it takes the rectangle the system suggests and its
    // parts are made again at the new DPI.
    void OnDpiChanged(UINT newDpi, const RECT* suggested);
    void OnKillFocus(HWND gainingFocus);
    bool OnContextMenu(LPARAM lParam);
    void OnSysKeyDown();
    bool OnSysCommand(WPARAM command);
    void OnMenuSelect(WORD item, WORD flags, HMENU menu);
    // The hand over the status bar's link.
    bool OnSetCursor();
    // The toolbar's tooltip texts and the status bar's link click.
    void OnNotify(NMHDR* header);
    void OnTimer(UINT_PTR id);
    void OnMouseMove(int x, int y);
    void OnMButtonDown(int x, int y);
    LRESULT OnOriginUpdate(LPARAM step);
    void OnOriginEnd();
    // Where the view's top-left corner is on the screen: the keyboard's menus open there.
    POINT ViewCornerOnScreen() const;

    // --- Window construction (Construction.cpp)
    bool OnCreate();
    void AddControlTips();

    // --- Rendering (Render.cpp)
    FrameLook CurrentLook() const;
    bool CanPaint() const;
    // Puts the picture of the last capture on the target.
    void ShowFrame(HDC target);

    // --- Zoom and tracking (Tracking.cpp)
    void OnRefreshTick();
    void OnTrackingTick();
    void OnHScroll(HWND slider, WORD code, WORD position);
    void OnMouseWheel(short delta, WORD keys);
    void OnKeyDown(UINT virtualKey);
    void OnLButtonDown();
    void OnLButtonUp();
    void OnPickingMouseMove();

    // --- Selection (Selection.cpp)
    void OnRButtonDown(int x, int y);
    void OnSelectingMouseMove(int x, int y);
    void OnRButtonUp(int x, int y);
    void UpdateSelectionFeedback();

    // --- Commands (Commands.cpp)
    // The Options dialog; after OK the settings are saved and applied.
    void RunOptions();

    // --- Hot keys (MainWindow.cpp)
    // Runs the operation of the hot key with that id.
    void OnHotKey(WPARAM id);

    HWND window = nullptr;
    // The zoom point, the view geometry, the zoom frame and the drag under way.
    Magnifier magnifier;
    TrackingToolTip trackingToolTip;
    COLORREF sampledColour = 0;
    MarqueeWindow marquee;
    ToolTipControl controlTips;
    Palette identityPalette;
    Region viewRegion;
    HCURSOR viewCursor = nullptr;  // a resource cursor: shared, never destroyed
    ToolbarBand band;
    StatusPanes status;
    bool viewHidden = false;
    // The DPI of the window's monitor, which its own parts are sized for: taken
    // from the monitor when the window is made, and from WM_DPICHANGED after.
    UINT currentDpi = dpi::kBase;
    // The picture's memory, kept while the view keeps its size.
    ViewFrame frame;
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
// References to it taken by presses whose session started, not yet given back by an end message.
extern int g_panningLoads;
