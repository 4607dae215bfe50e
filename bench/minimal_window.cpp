// The floor for the start-up benchmark: a program that shows one empty window of
// quornel's size and nothing else, built the same way (static, GUI subsystem).
#include <windows.h>

#include "floor_trace.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    floor_trace(false);
    HWND hwnd = floor_window(instance, L"MinimalWindow", L"minimal", 0, 0);
    floor_phase("window");
    ShowWindow(hwnd, SW_SHOW);
    floor_phase("show");
    UpdateWindow(hwnd);
    floor_trace(true);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
