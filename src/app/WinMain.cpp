#include <windows.h>

#include "app/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return Entry(instance, showCommand);
}
