#include "commands/HelpTopics.h"

#include <stdlib.h>
#include <string.h>

bool FindTopicInHelpList(const DWORD* list, DWORD controlId, DWORD* topic) {
    for (; list[0] != 0; list += 2) {
        if (list[0] == controlId) {
            *topic = list[1];
            return true;
        }
    }
    return false;
}

bool FindTopicText(const char* table, size_t size, DWORD topic, std::string* text) {
    const char* end = table + size;
    for (const char* line = table; line < end;) {
        const char* lineEnd = static_cast<const char*>(memchr(line, '\n', end - line));
        if (!lineEnd) lineEnd = end;
        std::string entry(line, lineEnd);
        line = lineEnd + 1;
        if (!entry.empty() && entry.back() == '\r') entry.pop_back();
        size_t tab = entry.find('\t');
        if (entry.empty() || entry[0] == '#' || tab == std::string::npos) continue;
        char* numberEnd = nullptr;
        unsigned long number = strtoul(entry.c_str(), &numberEnd, 0);
        if (numberEnd != entry.c_str() + tab || number != topic) continue;
        *text = entry.substr(tab + 1);
        return !text->empty();
    }
    return false;
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
