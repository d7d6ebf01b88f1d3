// Fixed names that are not user text: window classes, registered messages, and
// the panning library's file and export. The program and the library both use
// these, so each name is written once.
#pragma once

#include <windows.h>

namespace names {

// Window classes.
constexpr char kMainWindowClass[] = "OcularixMainWnd";
constexpr char kMarqueeClass[] = "wyn_Marquee";
constexpr char kTrackingToolTipClass[] = "wyn_TrackingToolTip";
constexpr char kOriginWindowClass[] = "qf_Steerpad10";

// Registered window messages.
constexpr char kLegacyWheelMessage[] = "MSWHEEL_ROLLMSG";
constexpr char kOriginUpdateMessage[] = "qf_OriginWindowUpdate";
constexpr char kOriginEndMessage[] = "qf_OriginWindowEnd";

// The panning library, loaded by name at every middle-button press, and its one export.
constexpr char kPanningLibrary[] = "STEERPAD";
constexpr char kStartPanningExport[] = "StartPanning";
// StartPanning(owner, horizontal, vertical, x, y): always 0.
typedef int(WINAPI* StartPanningFunction)(HWND owner, BOOL horizontal, BOOL vertical, int x, int y);

}  // namespace names
