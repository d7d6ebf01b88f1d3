// Placeholder until the status bar's link and owner drawing are built.
#include "mainwindow/MainWindow.h"

bool MainWindow::OnSetCursor() {
    return false;
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT&) {}

void MainWindow::OnNotify(const NMHDR&) {}
