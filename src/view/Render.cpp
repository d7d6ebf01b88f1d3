// Placeholder until rendering is built.
#include "view/Render.h"

#include "mainwindow/MainWindow.h"

HPALETTE CreateIdentityPalette() {
    return nullptr;
}

RECT MainWindow::SourceRect() const {
    return RECT{0, 0, 0, 0};
}

void MainWindow::Render(HDC) {}

void MainWindow::Redraw() {}
