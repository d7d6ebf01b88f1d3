#include "commands/Help.h"

#include <string.h>

const char kHelpFileName[] = "Ocularix.hlp";
const char kHelpWindowSuffix[] = ">NormWin";

BOOL ShowHelp(HWND window, UINT command, ULONG_PTR data) {
    char helpFile[kHelpPathLength];
    GetProgramFolder(nullptr, helpFile, sizeof(helpFile));
    // A folder too long to take the file name falls back on the bare name
    // rather than a cut-off path.
    size_t folderLength = strlen(helpFile);
    if (folderLength + sizeof(kHelpFileName) + sizeof(kHelpWindowSuffix) > sizeof(helpFile)) helpFile[0] = '\0';
    lstrcatA(helpFile, kHelpFileName);
    lstrcatA(helpFile, kHelpWindowSuffix);
    return WinHelpA(window, helpFile, command, data);
}

void GetProgramFolder(HMODULE module, char* buffer, DWORD size) {
    if (size == 0) return;
    DWORD length = GetModuleFileNameA(module, buffer, size);
    // A path that filled the whole buffer was cut short and names no real file.
    if (length == 0 || length >= size) {
        buffer[0] = '\0';
        return;
    }
    CutAfterLastBackslash(buffer);
}

void CutAfterLastBackslash(char* path) {
    char* lastBackslash = strrchr(path, '\\');
    if (lastBackslash) {
        lastBackslash[1] = '\0';
    } else {
        path[0] = '\0';
    }
}

bool GetFileLastWriteTime(const char* fileName, FILETIME* lastWrite) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(fileName, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    *lastWrite = found.ftLastWriteTime;
    return true;
}

bool TakeNewerFileTime(const char* fileName, FILETIME* stored) {
    FILETIME written;
    if (!GetFileLastWriteTime(fileName, &written)) return false;
    if (CompareFileTime(&written, stored) <= 0) return false;
    *stored = written;
    return true;
}
