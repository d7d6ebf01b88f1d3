#include "mainwindow/Switches.h"

#include "mainwindow/MainWindow.h"

const Switch kSwitches[] = {
    {IDM_ALWAYS_ON_TOP, &Settings::AlwaysOnTop, true, &MainWindow::ApplyTopmost},
    {IDM_FOLLOW_MOUSE, &Settings::MouseTracking, true, &MainWindow::RefreshFollowButton},
    {IDM_TOGGLE_TOOLBAR, &Settings::DisplayToolbar, false, &MainWindow::ShowToolbarBand},
    {IDM_TOGGLE_TRANSPARENT, &Settings::Transparent, false, &MainWindow::ApplyTranslucency},
    {IDM_TOGGLE_STATUS_BAR, &Settings::DisplayStatusbar, false, &MainWindow::ShowStatusBar},
    {IDM_TOGGLE_GRID, &Settings::ShowGrid, true, &MainWindow::RefreshGridButton},
};
const size_t kSwitchCount = sizeof(kSwitches) / sizeof(kSwitches[0]);

const Switch* FindSwitch(WORD command) {
    for (const Switch& row : kSwitches) {
        if (row.command == command) return &row;
    }
    return nullptr;
}

void ShowSwitchButton(ToolbarBand& band, WORD command) {
    const Switch* row = FindSwitch(command);
    if (row && row->toolbarButton) band.SetChecked(command, row->setting.On(g_settings));
}

void ShowSwitchButtons(ToolbarBand& band) {
    for (const Switch& row : kSwitches) {
        if (row.toolbarButton) band.SetChecked(row.command, row.setting.On(g_settings));
    }
}
