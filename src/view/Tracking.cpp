// Placeholder until zoom and tracking are built.
#include "mainwindow/MainWindow.h"

void MainWindow::SetZoom(int) {}
void MainWindow::SetUpdateSpeed(int, bool) {}
void MainWindow::MoveZoomPoint(int, int) {}
void MainWindow::UpdateZoomFrame() {}
void MainWindow::InvertZoomFrame() {}
void MainWindow::EndPicking() {}
void MainWindow::RefreshFollowButton() {}
void MainWindow::RefreshGridButton() {}
void MainWindow::OnRefreshTick() {}
void MainWindow::OnTrackingTick() {}
void MainWindow::OnHScroll(HWND, WORD, WORD) {}
void MainWindow::OnMouseWheel(short, WORD) {}
void MainWindow::OnKeyDown(UINT) {}
void MainWindow::OnLButtonDown() {}
void MainWindow::OnLButtonUp() {}
void MainWindow::OnPickingMouseMove() {}
