// Placeholder until placement is built.
#include "mainwindow/Placement.h"

#include "mainwindow/MainWindow.h"

DesktopRect g_desktop = {0, 0, 0, 0};

void RefreshDesktopRect() {}

void ApplyTransparency(HWND, bool, int) {}

void MainWindow::KeepOnDesktop() {}
