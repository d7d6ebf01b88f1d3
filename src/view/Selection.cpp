// Placeholder until the selection is built.
#include "mainwindow/MainWindow.h"

RECT MainWindow::SelectionRect() const {
    return RECT{0, 0, 0, 0};
}
void MainWindow::UpdateSelectionFeedback() {}
void MainWindow::CancelSelection() {}
void MainWindow::ZoomToSelection() {}
void MainWindow::OnRButtonDown(int, int) {}
void MainWindow::OnSelectingMouseMove(int, int) {}
void MainWindow::OnRButtonUp(int, int) {}
