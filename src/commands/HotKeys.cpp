#include "commands/HotKeys.h"

void RegisterHotKeys(HWND) {}

void UnregisterHotKeys(HWND) {}
