// A command's string holds two texts, "tooltip\nprompt": the toolbar shows the
// part before the line break as the button's tooltip, the status bar the part
// after it while the menu item is highlighted. Plain text in and out.
#pragma once

#include <stddef.h>

enum class CommandPart { Tip, Prompt };

// Copies one part of a command's text into the buffer, cut to fit and
// terminated. The tip is the text up to its first line break, or all of it
// when there is none; the prompt is everything after that line break. False,
// and the buffer left as it was, when there is no such part (no text at all,
// or a prompt asked of a text without a line break).
bool CommandTextPart(const char* full, CommandPart part, char* buffer, size_t capacity);

template <size_t N>
bool CommandTextPart(const char* full, CommandPart part, char (&buffer)[N]) {
    return CommandTextPart(full, part, buffer, N);
}
