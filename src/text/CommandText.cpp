#include "text/CommandText.h"

#include <string.h>

bool CommandTextPart(const char* full, CommandPart part, char* buffer, size_t capacity) {
    if (!full || capacity == 0) return false;
    const char* lineBreak = strchr(full, '\n');
    const char* start = full;
    size_t length = 0;
    if (part == CommandPart::Tip) {
        length = lineBreak ? static_cast<size_t>(lineBreak - full) : strlen(full);
    } else {
        if (!lineBreak) return false;
        start = lineBreak + 1;
        length = strlen(start);
    }
    if (length > capacity - 1) length = capacity - 1;
    memcpy(buffer, start, length);
    buffer[length] = '\0';
    return true;
}
