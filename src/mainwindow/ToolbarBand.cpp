#include "mainwindow/ToolbarBand.h"

#include <stddef.h>

#include "common/Dpi.h"
#include "common/Format.h"
#include "common/Limits.h"
#include "common/PixelArt.h"
#include "common/Process.h"
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
constexpr int kStripImageCount = 8;
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;
constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
constexpr int kToolbarIndent = 4;
// Around each image in its button, at 100 %: the toolbar's own padding.
constexpr int kButtonPaddingX = 7;
constexpr int kButtonPaddingY = 6;

constexpr int kBandMinChildHeight = 21;
constexpr int kBandWidth = 100;
// The band window's bottom border lies under the view's top edge.
constexpr int kBandOverlap = 2;

constexpr int kSliderGap = 2;
constexpr int kZoomSliderButtons = 3;
// Without a rebar the toolbar is flatter and the thumbs would touch its edges.
constexpr int kBareThumbReduction = 2;
// At 100 % a slider's thumb of 21 rows reaches 2 rows below the slider; at
// other scales no greater share of it may, so that as much of it shows.
constexpr int kThumbRows = 21;
constexpr int kThumbRowsShown = 19;

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
RECT ZoomSliderRect(const RECT& optionsButton, int gap) {
    int left = optionsButton.right + gap;
    int width = kZoomSliderButtons * (optionsButton.right - optionsButton.left);
    return RECT{left, optionsButton.top, left + width, optionsButton.bottom};
}

// The update slider follows the zoom slider at half its width.
RECT UpdateSliderRect(const RECT& zoomSlider, int gap) {
    int left = zoomSlider.right + gap;
    int width = (zoomSlider.right - zoomSlider.left) / 2;
    return RECT{left, zoomSlider.top, left + width, zoomSlider.bottom};
}

// The toolbar strip enlarged by a whole factor, pixel for pixel, as the
// toolbar makes its own list from the strip at a factor of 1: the strip's
// greys mapped to the button colours, the button face showing through.
HIMAGELIST CreateEnlargedStrip(int factor) {
    Bitmap strip(CreateMappedBitmap(g_instance, IDB_TOOLBAR_STRIP, 0, nullptr, 0));
    Bitmap enlarged(pixelart::Enlarge(strip, factor));
    if (!enlarged) return nullptr;
    HIMAGELIST list =
        ImageList_Create(kImageWidth * factor, kImageHeight * factor, ILC_COLOR24 | ILC_MASK, kStripImageCount, 0);
    if (list) ImageList_AddMasked(list, enlarged, GetSysColor(COLOR_BTNFACE));
    return list;
}

// The thumb as long as the slider makes it at the system's scale, brought to
// the band's (less the bare toolbar's reduction), and short enough that no
// greater share of it hangs below the slider than at 100 % (its top staying
// where the slider puts it). At 100 % on a 100 % system the slider keeps the
// thumb it chose, less the bare toolbar's reduction.
void FitThumb(HWND slider, bool rebarUsed, UINT dpiValue, UINT systemDpi) {
    int length = static_cast<int>(SendMessageA(slider, TBM_GETTHUMBLENGTH, 0, 0));
    const int reduction = rebarUsed ? 0 : dpi::Scale(kBareThumbReduction, dpiValue);
    if (dpiValue == static_cast<UINT>(dpi::kBase) && systemDpi == static_cast<UINT>(dpi::kBase)) {
        if (reduction) SendMessageA(slider, TBM_SETTHUMBLENGTH, length - reduction, 0);
        return;
    }
    length = dpi::Convert(length, systemDpi, dpiValue) - reduction;
    SendMessageA(slider, TBM_SETTHUMBLENGTH, length, 0);
    RECT thumb = {0, 0, 0, 0};
    RECT client = {0, 0, 0, 0};
    SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    GetClientRect(slider, &client);
    const int overhang = thumb.bottom - client.bottom;
    const int room = client.bottom - thumb.top;
    if (room > 0 && overhang * kThumbRows > (thumb.bottom - thumb.top) * (kThumbRows - kThumbRowsShown)) {
        SendMessageA(slider, TBM_SETTHUMBLENGTH, room * kThumbRows / kThumbRowsShown, 0);
    }
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

void ToolbarBand::CreateToolbar(HWND parent, UINT dpiValue) {
    const DWORD style = rebarUsed_ ? kToolbarInRebarStyle : kToolbarAloneStyle;
    const int factor = dpi::WholeFactor(static_cast<int>(dpiValue));
    if (factor == 1) {
        toolbar_ = CreateToolbarEx(parent, style, IDC_TOOLBAR, kToolbarImageCount, g_instance, IDB_TOOLBAR_STRIP,
                                   nullptr, 0, kButtonWidth, kButtonHeight, kImageWidth, kImageHeight,
                                   sizeof(TBBUTTON));
        return;
    }
    toolbar_ = CreateToolbarEx(parent, style, IDC_TOOLBAR, 0, nullptr, 0, nullptr, 0, kButtonWidth * factor,
                               kButtonHeight * factor, kImageWidth * factor, kImageHeight * factor,
                               sizeof(TBBUTTON));
    images_.reset(CreateEnlargedStrip(factor));
    SendMessageA(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));
    // The padding around the images grows with the scale.
    SendMessageA(toolbar_, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(kImageWidth * factor + dpi::Scale(kButtonPaddingX, static_cast<int>(dpiValue)),
                            kImageHeight * factor + dpi::Scale(kButtonPaddingY, static_cast<int>(dpiValue))));
}

void ToolbarBand::Build(HWND parent, ToolTipControl& tips, DWORD commonControlsMajor, DWORD commonControlsMinor,
                        bool versionKnown, int zoom, int updateSpeed, UINT dpiValue) {
    parent_ = parent;
    tips_ = &tips;
    commonControlsMajor_ = commonControlsMajor;
    commonControlsMinor_ = commonControlsMinor;
    versionKnown_ = versionKnown;
    const int scale = static_cast<int>(dpiValue);
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

    CreateToolbar(rebarUsed_ ? band_ : parent, dpiValue);
    if (!rebarUsed_) band_ = toolbar_;

    SendMessageA(toolbar_, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips.Window()), 0);
    TBBUTTON buttons[kToolbarButtonCount];
    ToolbarButtons(buttons);
    SendMessageA(toolbar_, TB_ADDBUTTONSA, kToolbarButtonCount, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(toolbar_, TB_SETINDENT, dpi::Scale(kToolbarIndent, scale), 0);

    if (rebarUsed_) {
        REBARBANDINFOA band = {};
        band.cbSize = REBARBANDINFOA_V6_SIZE;
        band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
        band.fStyle = RBBS_CHILDEDGE | RBBS_TOPALIGN;
        band.hwndChild = toolbar_;
        band.cxMinChild = 0;
        // As tall as the buttons: at 100 % that is 21, grown with the images above it.
        band.cyMinChild = images_ ? HIWORD(SendMessageA(toolbar_, TB_GETBUTTONSIZE, 0, 0)) : kBandMinChildHeight;
        band.cx = kBandWidth;
        SendMessageA(band_, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
    }
    height_ = WindowHeight(band_) - kBandOverlap;

    // The sliders are made on the parent and then moved into the toolbar,
    // keeping their coordinates, so that they scroll and hide with it.
    RECT optionsButton = {0, 0, 0, 0};
    SendMessageA(toolbar_, TB_GETRECT, IDM_OPTIONS, reinterpret_cast<LPARAM>(&optionsButton));
    const int gap = dpi::Scale(kSliderGap, scale);
    RECT zoomRect = ZoomSliderRect(optionsButton, gap);
    RECT updateRect = UpdateSliderRect(zoomRect, gap);
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
    const UINT systemDpi = dpi::System();
    for (const SliderPlan& plan : sliders) {
        const RECT& r = *plan.rect;
        HWND slider = CreateWindowExA(0, TRACKBAR_CLASSA, nullptr, kSliderStyle, r.left, r.top, r.right - r.left,
                                      r.bottom - r.top, parent, nullptr, g_instance, nullptr);
        SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(plan.low, plan.high));
        SendMessageA(slider, TBM_SETPOS, TRUE, plan.position);
        SetParent(slider, toolbar_);
        FitThumb(slider, rebarUsed_, dpiValue, systemDpi);
        *plan.slider = slider;
    }
}

void ToolbarBand::Rebuild(int zoom, int updateSpeed, UINT dpiValue) {
    HWND parent = parent_;
    ToolTipControl* tips = tips_;
    if (!parent || !tips) return;
    Destroy();
    Build(parent, *tips, commonControlsMajor_, commonControlsMinor_, versionKnown_, zoom, updateSpeed, dpiValue);
}

void ToolbarBand::Destroy() {
    if (tips_) {
        tips_->RemoveToolsOf(zoomSlider_);
        tips_->RemoveToolsOf(updateSlider_);
        tips_->RemoveToolsOf(toolbar_);
    }
    // A toolbar destroys the tooltip control it was given: the shared one stays.
    if (toolbar_) SendMessageA(toolbar_, TB_SETTOOLTIPS, 0, 0);
    if (band_) DestroyWindow(band_);
    Forget();
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
    // The toolbar that showed the images went before them.
    images_.reset();
    toolbar_ = nullptr;
    band_ = nullptr;
    zoomSlider_ = nullptr;
    updateSlider_ = nullptr;
}
