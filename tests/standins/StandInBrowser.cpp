// A stand-in for the browser: a top-level window of class "WTL:Donut" whose
// title is given as hex bytes (so any Shift-JIS bytes arrive exactly), kept
// open for the given number of milliseconds.
//
//   standin_browser TITLE_HEX MS
#include <windows.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    std::string title;
    for (const char* p = argv[1]; p[0] != '\0' && p[1] != '\0'; p += 2)
        title += static_cast<char>(std::strtoul(std::string(p, 2).c_str(), nullptr, 16));

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "WTL:Donut";
    ::RegisterClassA(&windowClass);
    const HWND window = ::CreateWindowExA(0, "WTL:Donut", title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                          nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) return 1;
    ::SetTimer(window, 1, static_cast<UINT>(std::atoi(argv[2])), nullptr);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) break;
        ::DispatchMessageA(&message);
    }
    ::DestroyWindow(window);
    return 0;
}
