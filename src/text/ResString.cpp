#include "text/ResString.h"

ResString::ResString(UINT id) : id_(id), text_(nullptr), length_(0) {}

ResString::~ResString() {
    Free();
}

const char* ResString::Load() {
    if (text_) return text_;

    // A string table resource holds sixteen strings per block.
    HRSRC block = FindResourceA(g_stringModule, MAKEINTRESOURCEA(static_cast<WORD>(id_ / 16 + 1)),
                                RT_STRING);
    if (!block) return nullptr;

    // The block stores its strings as UTF-16 with a length word each, so its size
    // in bytes is enough for any one of them as an 8-bit text with terminator.
    DWORD size = SizeofResource(g_stringModule, block);
    if (size == 0) return nullptr;
    char* buffer = static_cast<char*>(HeapAlloc(g_stringHeap, HEAP_ZERO_MEMORY, size));
    if (!buffer) return nullptr;

    if (LoadStringA(g_stringModule, id_, buffer, static_cast<int>(size)) == 0) {
        HeapFree(g_stringHeap, HEAP_NO_SERIALIZE, buffer);
        return nullptr;
    }
    length_ = lstrlenA(buffer);
    void* shrunk = HeapReAlloc(g_stringHeap, HEAP_ZERO_MEMORY, buffer, static_cast<SIZE_T>(length_) + 1);
    text_ = shrunk ? static_cast<char*>(shrunk) : buffer;
    return text_;
}

int ResString::Length() {
    return Load() ? length_ : 0;
}

void ResString::Free() {
    if (text_) {
        HeapFree(g_stringHeap, HEAP_NO_SERIALIZE, text_);
        text_ = nullptr;
    }
}
