// Helper program of the panning tests: from another process, sends or posts a
// registered message with a made-up lParam to a window of the test process.
//   steerpad_sender <window handle, decimal> <send|post> <message name> <lParam, decimal>
// Exit code: the message's result for send (3 on a time-out), 0 when posted,
// 4 for bad arguments or a failed post.
#include <windows.h>

#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
    if (argc != 5) return 4;
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(_strtoi64(argv[1], nullptr, 10)));
    UINT message = RegisterWindowMessageA(argv[3]);
    LPARAM lParam = static_cast<LPARAM>(_strtoi64(argv[4], nullptr, 10));
    if (!message) return 4;
    if (strcmp(argv[2], "post") == 0) return PostMessageA(window, message, 0, lParam) ? 0 : 4;
    if (strcmp(argv[2], "send") != 0) return 4;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, 0, lParam, SMTO_ABORTIFHUNG, 10000, &result)) return 3;
    return static_cast<int>(result);
}
