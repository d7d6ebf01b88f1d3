// The toolbar band, in one place: the rebar (or the bare toolbar where the
// common controls have no rebar), the toolbar's buttons and their checked
// states, the zoom and update sliders with their positions and tips, and what
// lies under a point of the band.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "common/Handles.h"
#include "mainwindow/ToolTipControl.h"

class ToolbarBand {
public:
    enum class Slider { None, Zoom, UpdateSpeed };

    ToolbarBand() = default;
    ToolbarBand(const ToolbarBand&) = delete;
    ToolbarBand& operator=(const ToolbarBand&) = delete;

    // Builds the rebar (from common controls 4.71 on) or the bare toolbar on the
    // parent, the buttons, and the two sliders at the given zoom factor and
    // update speed, all sized for a DPI, and takes the band's height. The
    // toolbar's tooltips and the sliders' tips go through the shared control.
    // The version is an input so that both forms can be built. The windows are
    // children of the parent and go with it.
    void Build(HWND parent, ToolTipControl& tips, DWORD commonControlsMajor, DWORD commonControlsMinor,
               bool versionKnown, int zoom, int updateSpeed, UINT dpi);
    // Takes the band down and builds it again, for the same parent and common
    // controls, sized for another DPI. The caller adds the sliders' tips, sets
    // the check buttons and shows or hides it again.
    void Rebuild(int zoom, int updateSpeed, UINT dpi);
    // The band's window: the rebar, or the toolbar itself when there is none.
    HWND Window() const { return band_; }
    HWND Toolbar() const { return toolbar_; }
    HWND ZoomSlider() const { return zoomSlider_; }
    HWND UpdateSlider() const { return updateSlider_; }
    bool RebarUsed() const { return rebarUsed_; }
    // The band's height less the border that lies under the view's top edge.
    int Height() const { return height_; }

    void Show(bool shown);
    // Makes the band as wide as the view; it keeps its height and place.
    void Resize(int width);

    // Shows a check button pressed or released.
    void SetChecked(UINT command, bool checked);
    // Adds a slider's tip, telling its value ("Zoom Level x4", "Auto Update - Slow").
    void AddSliderTip(Slider slider, int value);
    // Moves a slider to its new value and updates its tip.
    void ShowZoom(int zoom);
    void ShowUpdateSpeed(int index);
    Slider SliderOf(HWND window) const;

    // The help id of the slider under a screen point; HELP_ID_NONE elsewhere.
    int SliderHelpIdAt(POINT screenPoint) const;
    // The command of the button under a screen point, or the band's own help id
    // away from the buttons; HELP_ID_NONE off the band.
    int HelpIdAt(POINT screenPoint) const;

    // TTN_NEEDTEXTA for a button: the part of its command's text before the line break.
    static void FillButtonTip(NMTTDISPINFOA& info);

    // The windows went with their parent: their handles are no longer ours.
    void Forget();

private:
    HWND SliderWindow(Slider slider) const;
    void UpdateSliderTip(Slider slider, int value);
    // The toolbar with the strip's images: at a whole-number enlargement of 1
    // the toolbar loads the strip itself; above it, it shows the strip
    // enlarged pixel for pixel from a list of our own, in buttons grown with it.
    void CreateToolbar(HWND parent, UINT dpi);
    // Removes the band's windows, their tooltip tools and the images.
    void Destroy();

    HWND parent_ = nullptr;
    ToolTipControl* tips_ = nullptr;
    DWORD commonControlsMajor_ = 0;
    DWORD commonControlsMinor_ = 0;
    bool versionKnown_ = false;
    // The enlarged strip the toolbar shows above a factor of 1; it outlives the toolbar.
    ImageList images_;
    bool rebarUsed_ = false;
    int height_ = 0;
    HWND toolbar_ = nullptr;
    HWND band_ = nullptr;
    HWND zoomSlider_ = nullptr;
    HWND updateSlider_ = nullptr;
};
