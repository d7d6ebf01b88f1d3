// Placeholder until command dispatch and the context menus are built.
#include "mainwindow/MainWindow.h"

bool MainWindow::ExecuteCommand(WORD command) {
    if (command == 105) {
        DestroyWindow(window);
        return true;
    }
    return false;
}

bool MainWindow::ShowContextMenu(POINT) {
    return false;
}

bool MainWindow::HitTestHelpId(POINT, int* helpId) {
    *helpId = 0;
    return false;
}
