#include "commands/SafeFile.h"

#include "commands/SaveImage.h"

namespace {

// The target's folder, "." for a bare name; false when it does not fit.
bool FolderOf(const char* path, char (&folder)[MAX_PATH]) {
    if (!CopyFolderPart(path, folder, sizeof(folder))) return false;
    if (folder[0] == '\0') lstrcpyA(folder, ".");
    return true;
}

bool WriteParts(HANDLE file, const FilePart* parts, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        DWORD written = 0;
        if (!WriteFile(file, parts[i].data, parts[i].size, &written, nullptr) || written != parts[i].size) return false;
    }
    return FlushFileBuffers(file) != FALSE;
}

}  // namespace

bool WriteFileReplacing(const char* path, const FilePart* parts, size_t count) {
    // Made empty by the system in the target's folder, so that the final move
    // stays on one volume; a folder that refuses it refuses the save.
    char folder[MAX_PATH];
    char temporary[MAX_PATH];
    if (!FolderOf(path, folder) || !GetTempFileNameA(folder, "ocx", 0, temporary)) return false;

    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    bool written = file != INVALID_HANDLE_VALUE && WriteParts(file, parts, count);
    if (file != INVALID_HANDLE_VALUE && !CloseHandle(file)) written = false;
    if (written && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileA(temporary);
    return false;
}
