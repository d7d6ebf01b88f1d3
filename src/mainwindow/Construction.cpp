// Placeholder until the window's contents are built.
#include "mainwindow/MainWindow.h"

bool MainWindow::OnCreate() {
    return true;
}

void MainWindow::BuildToolbarBand(DWORD, DWORD, bool) {}

void MainWindow::BuildStatusBar() {}

void MainWindow::AddControlTips() {}

void MainWindow::ApplyTopmost() {}

void MainWindow::ShowToolbarBand() {}

void MainWindow::ShowStatusBar() {}
