// Formatting into fixed buffers, with formats that come from the string table.
#pragma once

#include <stddef.h>
#include <stdio.h>

// Never writes past the buffer's end (a longer text is cut and terminated); a
// missing format, a string the table lacks, gives an empty text.
template <size_t N, typename... Args>
void FormatText(char (&buffer)[N], const char* format, Args... args) {
    buffer[0] = '\0';
    if (format) snprintf(buffer, N, format, args...);
}
