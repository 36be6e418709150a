#include "WindowQuery.h"

#include "CodePage.h"
#include "MultiByteText.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr UINT AnswerTimeoutMs = 3000;

// SendMessageA that gives up on a window that is hung or slow to answer.
bool AskWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& answer)
{
    answer = 0;
    return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &answer) != 0;
}

} // namespace

std::string TitleOfTopLevelWindow(const char* className)
{
    char title[256] = {};
    const HWND window = ::FindWindowA(className, nullptr);
    DWORD_PTR length = 0;
    if (window != nullptr && AskWindow(window, WM_GETTEXTLENGTH, 0, 0, length)) {
        // The reported length plus the terminating zero, but never more than
        // the buffer holds; a negative answer reads nothing.
        const LRESULT reported = static_cast<LRESULT>(length);
        const WPARAM size = reported < 0 ? 1 : reported >= LRESULT(sizeof title) ? sizeof title : WPARAM(reported) + 1;
        DWORD_PTR ignored = 0;
        if (!AskWindow(window, WM_GETTEXT, size, reinterpret_cast<LPARAM>(title), ignored))
            title[0] = '\0';
    }
    const std::size_t read = ::strnlen(title, sizeof title);
    return std::string(WithoutLoneLeadByteAtEnd(std::string_view(title, read), SysLeadBytes()));
}

bool TopLevelWindowExists(const char* className, const char* title)
{
    return ::FindWindowA(className, title) != nullptr;
}
