#include "mainwindow/ToolbarBand.h"

#include <stddef.h>

#include "app/Application.h"
#include "common/Format.h"
#include "common/Limits.h"
#include "mainwindow/WindowUtil.h"
#include "resources/resource.h"
#include "text/CommandText.h"
#include "text/ResString.h"
#include "text/Strings.h"
#include "view/TrackingMath.h"

#ifndef _WIN64
static_assert(sizeof(TBBUTTON) == 20, "TBBUTTON keeps its 32-bit size");
// The band record as common controls 4.71 know it, up to its header width.
static_assert(offsetof(REBARBANDINFOA, cxHeader) + sizeof(REBARBANDINFOA::cxHeader) == 80,
              "REBARBANDINFOA_V6_SIZE keeps its 32-bit size");
#endif

namespace {

constexpr DWORD kRebarStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | CCS_NODIVIDER | CCS_TOP;
constexpr DWORD kToolbarInRebarStyle =
    WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;
constexpr DWORD kToolbarAloneStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_TOP;
constexpr DWORD kSliderStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | TBS_FIXEDLENGTH | TBS_NOTICKS;

// The toolbar strip holds eight images; the About image (4) is not on the toolbar.
constexpr int kToolbarImageCount = 6;
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;
constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
constexpr int kToolbarIndent = 4;

constexpr int kBandMinChildHeight = 21;
constexpr int kBandWidth = 100;
// The band window's bottom border lies under the view's top edge.
constexpr int kBandOverlap = 2;

constexpr int kSliderGap = 2;
constexpr int kZoomSliderButtons = 3;
// Without a rebar the toolbar is flatter and the thumbs would touch its edges.
constexpr int kBareThumbReduction = 2;

constexpr int kToolTipTextLength = 128;

TBBUTTON Button(int image, int command, BYTE kind) {
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = kind;
    return button;
}

TBBUTTON Separator() {
    return Button(0, 0, TBSTYLE_SEP);
}

// The groups {always on top}, {save}, {copy zoomed, copy screen}, {follow},
// {grid}, {options}, each followed by a separator; the sliders sit right of the last.
constexpr int kToolbarButtonCount = 13;
void ToolbarButtons(TBBUTTON (&buttons)[kToolbarButtonCount]) {
    int i = 0;
    buttons[i++] = Button(0, IDM_ALWAYS_ON_TOP, TBSTYLE_CHECK);
    buttons[i++] = Separator();
    buttons[i++] = Button(1, IDM_SAVE_IMAGE_AS, TBSTYLE_BUTTON);
    buttons[i++] = Separator();
    buttons[i++] = Button(2, IDM_COPY_ZOOMED, TBSTYLE_BUTTON);
    buttons[i++] = Button(3, IDM_COPY_SCREEN, TBSTYLE_BUTTON);
    buttons[i++] = Separator();
    buttons[i++] = Button(5, IDM_FOLLOW_MOUSE, TBSTYLE_CHECK);
    buttons[i++] = Separator();
    buttons[i++] = Button(6, IDM_TOGGLE_GRID, TBSTYLE_CHECK);
    buttons[i++] = Separator();
    buttons[i++] = Button(7, IDM_OPTIONS, TBSTYLE_BUTTON);
    buttons[i++] = Separator();
}

// The zoom slider is three Options buttons wide and starts just right of that button.
RECT ZoomSliderRect(const RECT& optionsButton) {
    int left = optionsButton.right + kSliderGap;
    int width = kZoomSliderButtons * (optionsButton.right - optionsButton.left);
    return RECT{left, optionsButton.top, left + width, optionsButton.bottom};
}

// The update slider follows the zoom slider at half its width.
RECT UpdateSliderRect(const RECT& zoomSlider) {
    int left = zoomSlider.right + kSliderGap;
    int width = (zoomSlider.right - zoomSlider.left) / 2;
    return RECT{left, zoomSlider.top, left + width, zoomSlider.bottom};
}

// A slider's tip: "Zoom Level x%d" with the zoom factor, "Auto Update - %s" with the speed's name.
void SliderTip(ToolbarBand::Slider slider, int value, char (&text)[kToolTipTextLength]) {
    if (slider == ToolbarBand::Slider::Zoom) {
        FormatText(text, g_strings.zoomLevelTip.Text(), value);
    } else {
        FormatText(text, g_strings.autoUpdateTip.Text(), UpdateSpeedName(value));
    }
}

}  // namespace

void ToolbarBand::Build(HWND parent, ToolTipControl& tips, DWORD commonControlsMajor, DWORD commonControlsMinor,
                        bool versionKnown, int zoom, int updateSpeed) {
    tips_ = &tips;
    rebarUsed_ = false;
    band_ = nullptr;
    if (CommonControlsHaveRebar(commonControlsMajor, commonControlsMinor, versionKnown)) {
        HWND rebar = CreateWindowExA(0, REBARCLASSNAMEA, nullptr, kRebarStyle, 0, 0, 0, 0, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_REBAR)), g_instance, nullptr);
        if (rebar) {
            rebarUsed_ = true;
            band_ = rebar;
        }
    }

    toolbar_ = CreateToolbarEx(rebarUsed_ ? band_ : parent, rebarUsed_ ? kToolbarInRebarStyle : kToolbarAloneStyle,
                               IDC_TOOLBAR, kToolbarImageCount, g_instance, IDB_TOOLBAR_STRIP, nullptr, 0,
                               kButtonWidth, kButtonHeight, kImageWidth, kImageHeight, sizeof(TBBUTTON));
    if (!rebarUsed_) band_ = toolbar_;

    SendMessageA(toolbar_, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips.Window()), 0);
    TBBUTTON buttons[kToolbarButtonCount];
    ToolbarButtons(buttons);
    SendMessageA(toolbar_, TB_ADDBUTTONSA, kToolbarButtonCount, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(toolbar_, TB_SETINDENT, kToolbarIndent, 0);

    if (rebarUsed_) {
        REBARBANDINFOA band = {};
        band.cbSize = REBARBANDINFOA_V6_SIZE;
        band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
        band.fStyle = RBBS_CHILDEDGE | RBBS_TOPALIGN;
        band.hwndChild = toolbar_;
        band.cxMinChild = 0;
        band.cyMinChild = kBandMinChildHeight;
        band.cx = kBandWidth;
        SendMessageA(band_, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
    }
    height_ = WindowHeight(band_) - kBandOverlap;

    // The sliders are made on the parent and then moved into the toolbar,
    // keeping their coordinates, so that they scroll and hide with it.
    RECT optionsButton = {0, 0, 0, 0};
    SendMessageA(toolbar_, TB_GETRECT, IDM_OPTIONS, reinterpret_cast<LPARAM>(&optionsButton));
    RECT zoomRect = ZoomSliderRect(optionsButton);
    RECT updateRect = UpdateSliderRect(zoomRect);
    struct SliderPlan {
        HWND* slider;
        const RECT* rect;
        int low;
        int high;
        int position;
    } const sliders[] = {
        {&zoomSlider_, &zoomRect, kMinZoomFactor, kMaxZoomFactor, zoom},
        {&updateSlider_, &updateRect, kMinUpdateSpeed, kMaxUpdateSpeed, updateSpeed},
    };
    for (const SliderPlan& plan : sliders) {
        const RECT& r = *plan.rect;
        HWND slider = CreateWindowExA(0, TRACKBAR_CLASSA, nullptr, kSliderStyle, r.left, r.top, r.right - r.left,
                                      r.bottom - r.top, parent, nullptr, g_instance, nullptr);
        SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(plan.low, plan.high));
        SendMessageA(slider, TBM_SETPOS, TRUE, plan.position);
        SetParent(slider, toolbar_);
        *plan.slider = slider;
    }

    if (!rebarUsed_) {
        LRESULT thumb = SendMessageA(zoomSlider_, TBM_GETTHUMBLENGTH, 0, 0);
        SendMessageA(zoomSlider_, TBM_SETTHUMBLENGTH, thumb - kBareThumbReduction, 0);
        SendMessageA(updateSlider_, TBM_SETTHUMBLENGTH, thumb - kBareThumbReduction, 0);
    }
}

void ToolbarBand::Show(bool shown) {
    ShowWindow(band_, shown ? SW_SHOW : SW_HIDE);
}

void ToolbarBand::Resize(int width) {
    if (band_) SetWindowPos(band_, nullptr, 0, 0, width, height_, SWP_NOZORDER | SWP_NOMOVE);
}

void ToolbarBand::SetChecked(UINT command, bool checked) {
    if (!toolbar_) return;
    LPARAM state = checked ? (TBSTATE_ENABLED | TBSTATE_CHECKED) : TBSTATE_ENABLED;
    SendMessageA(toolbar_, TB_SETSTATE, command, MAKELPARAM(state, 0));
}

HWND ToolbarBand::SliderWindow(Slider slider) const {
    return slider == Slider::Zoom ? zoomSlider_ : slider == Slider::UpdateSpeed ? updateSlider_ : nullptr;
}

void ToolbarBand::AddSliderTip(Slider slider, int value) {
    char text[kToolTipTextLength];
    SliderTip(slider, value, text);
    if (tips_) tips_->AddWindowTool(SliderWindow(slider), text);
}

void ToolbarBand::UpdateSliderTip(Slider slider, int value) {
    char text[kToolTipTextLength];
    SliderTip(slider, value, text);
    if (tips_ && SliderWindow(slider)) tips_->UpdateToolText(SliderWindow(slider), text);
}

void ToolbarBand::ShowZoom(int zoom) {
    if (zoomSlider_) SendMessageA(zoomSlider_, TBM_SETPOS, TRUE, zoom);
    UpdateSliderTip(Slider::Zoom, zoom);
}

void ToolbarBand::ShowUpdateSpeed(int index) {
    UpdateSliderTip(Slider::UpdateSpeed, index);
    if (updateSlider_) SendMessageA(updateSlider_, TBM_SETPOS, TRUE, index);
}

ToolbarBand::Slider ToolbarBand::SliderOf(HWND window) const {
    // Other windows' scroll notifications are not ours.
    if (!window) return Slider::None;
    if (window == zoomSlider_) return Slider::Zoom;
    if (window == updateSlider_) return Slider::UpdateSpeed;
    return Slider::None;
}

int ToolbarBand::SliderHelpIdAt(POINT screenPoint) const {
    if (PointInWindow(updateSlider_, screenPoint)) return HELP_ID_UPDATE_SLIDER;
    if (PointInWindow(zoomSlider_, screenPoint)) return HELP_ID_ZOOM_SLIDER;
    return HELP_ID_NONE;
}

int ToolbarBand::HelpIdAt(POINT screenPoint) const {
    if (toolbar_) {
        POINT local = screenPoint;
        ScreenToClient(toolbar_, &local);
        LRESULT index = SendMessageA(toolbar_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&local));
        TBBUTTON button = {};
        // Separators have command 0 and count as the band.
        if (index >= 0 &&
            SendMessageA(toolbar_, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)) &&
            button.idCommand != 0) {
            return button.idCommand;
        }
    }
    if (PointInWindow(toolbar_, screenPoint) || PointInWindow(band_, screenPoint)) return HELP_ID_TOOLBAR;
    return HELP_ID_NONE;
}

void ToolbarBand::FillButtonTip(NMTTDISPINFOA& info) {
    info.szText[0] = '\0';
    ResString text(static_cast<UINT>(info.hdr.idFrom));
    CommandTextPart(text.Text(), CommandPart::Tip, info.szText);
}

void ToolbarBand::Forget() {
    height_ = 0;
    toolbar_ = nullptr;
    band_ = nullptr;
    zoomSlider_ = nullptr;
    updateSlider_ = nullptr;
}
