// Writing a whole file so that a failure never costs the file that was there.
#pragma once

#include <windows.h>

#include <stddef.h>

struct FilePart {
    const void* data;
    DWORD size;
};

// Writes the parts one after the other into a new temporary file in the target's
// folder and only when every byte is on disk puts it in the target's place. On
// any failure the temporary file is removed and an existing target is unchanged.
bool WriteFileReplacing(const char* path, const FilePart* parts, size_t count);
