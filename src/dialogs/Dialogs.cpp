#include "dialogs/Dialogs.h"

bool RunOptionsDialog(HWND) {
    return false;
}

void RunAboutDialog(HWND) {}
