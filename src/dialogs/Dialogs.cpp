#include "dialogs/Dialogs.h"

void RunAboutDialog(HWND) {}
