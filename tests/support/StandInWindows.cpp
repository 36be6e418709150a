#include "StandInWindows.h"

#include <stdexcept>

namespace {

constexpr UINT CloseRequest = WM_APP + 1;

LRESULT CALLBACK BrowserProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        ::SetWindowLongPtrA(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* browser = reinterpret_cast<StandInBrowser*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (browser != nullptr && (message == WM_GETTEXTLENGTH || message == WM_GETTEXT)) {
        if (browser->behaviour == BrowserBehaviour::Hung) {
            ::WaitForSingleObject(reinterpret_cast<HANDLE>(::GetPropA(window, "release")), INFINITE);
            return 0;
        }
        if (message == WM_GETTEXTLENGTH)
            return browser->behaviour == BrowserBehaviour::AbsurdLength ? LRESULT(0x7FFFFFF0)
                                                                        : LRESULT(browser->title.size());
        if (wParam == 0) return 0;
        const std::size_t n = std::min<std::size_t>(wParam - 1, browser->title.size());
        char* out = reinterpret_cast<char*>(lParam);
        std::copy_n(browser->title.data(), n, out);
        out[n] = '\0';
        return LRESULT(n);
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

WindowThread::WindowThread(std::function<HWND()> create)
    : ready_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)), release_(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    thread_ = std::thread([this, create] { Serve(create); });
    ::WaitForSingleObject(ready_, INFINITE);
    if (window_ == nullptr) {
        thread_.join();
        throw std::runtime_error("stand-in window could not be created");
    }
}

WindowThread::~WindowThread()
{
    Close();
    ::CloseHandle(ready_);
    ::CloseHandle(release_);
}

void WindowThread::Serve(std::function<HWND()> create)
{
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); // this thread now has a queue
    threadId_ = ::GetCurrentThreadId();
    window_ = create();
    if (window_ != nullptr) ::SetPropA(window_, "release", release_);
    ::SetEvent(ready_);
    if (window_ == nullptr) return;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == CloseRequest) {
            ::DestroyWindow(window_);
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

void WindowThread::Close()
{
    if (!thread_.joinable()) return;
    ::SetEvent(release_);
    ::PostThreadMessageA(threadId_, CloseRequest, 0, 0);
    thread_.join();
}

StandInBrowser::StandInBrowser(std::string titleBytes, BrowserBehaviour behaviour)
    : title(std::move(titleBytes)), behaviour(behaviour), window_([this] {
          WNDCLASSA windowClass{};
          windowClass.lpfnWndProc = BrowserProc;
          windowClass.hInstance = ::GetModuleHandleA(nullptr);
          windowClass.lpszClassName = "WTL:Donut";
          ::RegisterClassA(&windowClass); // fails harmlessly when already registered
          return ::CreateWindowExA(0, "WTL:Donut", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), this);
      })
{
}

StandInDialog::StandInDialog(const std::string& titleBytes)
    : window_([titleBytes] {
          return ::CreateWindowExA(0, "#32770", titleBytes.c_str(), WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 300,
                                   200, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
      })
{
}
