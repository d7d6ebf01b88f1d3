// Texts of the string table, fetched on first use into exactly sized memory on
// the process heap.
#pragma once

#include <windows.h>

class ResString {
public:
    explicit ResString(UINT id);
    virtual ~ResString();
    ResString(const ResString&) = delete;
    ResString& operator=(const ResString&) = delete;

    // The text, loaded on first use; null when the string table has no such id.
    const char* Load();
    const char* Text() { return Load(); }
    // Characters without the terminator; 0 when the string does not exist.
    int Length();
    // Frees the text; a later Text() loads it again.
    void Free();
    UINT Id() const { return id_; }

private:
    UINT id_;
    char* text_;
    int length_;
};

// The module whose string table ResString reads and the heap it allocates from.
// Both are set before any ResString is used (see Globals.cpp).
extern HMODULE g_stringModule;
extern HANDLE g_stringHeap;
