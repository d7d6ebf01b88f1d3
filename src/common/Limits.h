// The ranges of the values the user can set. The program itself only ever
// stores values inside them; a value from outside (an edited registry key) is
// brought into them when the settings are loaded.
#pragma once

constexpr int kMinZoomFactor = 1;
constexpr int kMaxZoomFactor = 32;
constexpr int kMinGridSize = 1;
constexpr int kMaxGridSize = 128;
// Auto-update speeds: 1 None (no refresh timer), 2 Slow, 3 Medium, 4 Fast.
constexpr int kMinUpdateSpeed = 1;
constexpr int kMaxUpdateSpeed = 4;
// Refresh intervals in milliseconds: 50 updates per second down to one.
constexpr int kMinUpdateInterval = 20;
constexpr int kMaxUpdateInterval = 1000;
// The window's opacity when translucent. Fainter than 10 it could no longer be
// found to make it opaque again.
constexpr int kFaintestOpacity = 10;
constexpr int kOpaque = 255;
// Arrow-key steps in screen pixels, with and without Ctrl. A step must move
// the zoom point forwards; a longer step than this is no step a user means
// (Page Up and Page Down move by the view's width), and it keeps the sums
// with screen coordinates far from overflow.
constexpr int kMinScrollRate = 1;
constexpr int kMaxScrollRate = 1024;
