// Every process-wide object lives in this one file: C++ constructs the objects of
// one file in the order they are defined and destroys them in reverse, while the
// order between files is unspecified. Each object below reads the ones above it.
#include "app/Application.h"
#include "commands/HelpPopup.h"
#include "mainwindow/MainWindow.h"
#include "settings/Settings.h"
#include "text/Strings.h"

HMODULE g_stringModule = GetModuleHandleA(nullptr);
HANDLE g_stringHeap = GetProcessHeap();
HINSTANCE g_instance = g_stringModule;
HCURSOR g_handCursor = nullptr;
ProcessStrings g_strings;
RegisteredMessages g_messages;
Settings g_settings(HKEY_CURRENT_USER, kSettingsKeyPath);
MainWindow g_mainWindow;
HelpPopup g_helpPopup;
HMODULE g_panningLibrary = nullptr;
int g_panningLoads = 0;
