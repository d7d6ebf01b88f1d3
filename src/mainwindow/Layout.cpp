// Placeholder until the layout is built: the view is the whole client area.
#include "mainwindow/MainWindow.h"

RECT MainWindow::GetViewRect() const {
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    return client;
}

void MainWindow::Layout() {}

void MainWindow::SizeStatusPanes() {}
