// A stand-in for the target program. It records what it was given, then
// optionally shows a folder dialog (an imitation with a chosen title, or the
// system's real one) for a while, or holds the shortcut open.
//
//   standin_target [--record PREFIX] [--dialog old|new|other MS]
//                  [--real-dialog MS] [--late-dialog DELAY_MS MS]
//                  [--hold-open MS] [--delete] SHORTCUT
//
// --record writes PREFIX.cmd (its command line, byte for byte), PREFIX.arg
// (the last argument) and PREFIX.url (the shortcut's bytes, if readable).
#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT_PTR CloseTimer = 1;
constexpr UINT_PTR LateTimer = 2;

std::string dialogTitle;
UINT dialogMs = 0;

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    ::CloseHandle(file);
    return true;
}

INT_PTR CALLBACK ImitationDialogProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        ::SetWindowTextA(dialog, dialogTitle.c_str());
        ::SetTimer(dialog, CloseTimer, dialogMs, nullptr);
        return TRUE;
    case WM_TIMER:
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// A dialog of class "#32770" with the chosen title, modal, closed by a timer.
void ShowImitationDialog()
{
    struct alignas(4) Template {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } dialogTemplate{};
    dialogTemplate.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialogTemplate.header.cx = 200;
    dialogTemplate.header.cy = 100;
    ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), &dialogTemplate.header, nullptr, ImitationDialogProc, 0);
}

void CALLBACK CancelBrowseDialog(HWND dialog, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(dialog, timer);
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM)
{
    if (message == BFFM_INITIALIZED) ::SetTimer(dialog, CloseTimer, dialogMs, CancelBrowseDialog);
    return 0;
}

// The system's own folder-browsing dialog, cancelled by a timer.
void ShowRealDialog()
{
    ::OleInitialize(nullptr);
    BROWSEINFOA info{};
    char chosen[MAX_PATH] = {};
    info.pszDisplayName = chosen;
    info.lpszTitle = "stand-in target";
    info.lpfn = BrowseCallback;
    if (LPITEMIDLIST item = ::SHBrowseForFolderA(&info)) ::CoTaskMemFree(item);
    ::OleUninitialize();
}

// Becomes idle first (a message loop with nothing to do), shows the dialog
// only after delayMs.
void ShowDialogLate(UINT delayMs)
{
    const HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                          ::GetModuleHandleA(nullptr), nullptr);
    ::SetTimer(window, LateTimer, delayMs, nullptr);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == LateTimer) {
            ::KillTimer(window, LateTimer);
            ShowImitationDialog();
            break;
        }
        ::DispatchMessageA(&message);
    }
    ::DestroyWindow(window);
}

std::string TitleOfKind(const std::string& kind)
{
    if (kind == "old") return "フォルダの参照";
    if (kind == "new") return "フォルダーの参照";
    return "フォルダを選択";
}

} // namespace

int main(int argc, char** argv)
{
    std::string record;
    std::string dialogKind;
    UINT lateDelayMs = 0;
    UINT holdOpenMs = 0;
    bool deleteShortcut = false;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--record" && i + 2 < argc) {
            record = argv[++i];
        } else if (option == "--dialog" && i + 3 < argc) {
            dialogKind = "imitation";
            dialogTitle = TitleOfKind(argv[++i]);
            dialogMs = static_cast<UINT>(std::atoi(argv[++i]));
        } else if (option == "--real-dialog" && i + 2 < argc) {
            dialogKind = "real";
            dialogMs = static_cast<UINT>(std::atoi(argv[++i]));
        } else if (option == "--late-dialog" && i + 3 < argc) {
            dialogKind = "late";
            dialogTitle = TitleOfKind("old");
            lateDelayMs = static_cast<UINT>(std::atoi(argv[++i]));
            dialogMs = static_cast<UINT>(std::atoi(argv[++i]));
        } else if (option == "--hold-open" && i + 2 < argc) {
            holdOpenMs = static_cast<UINT>(std::atoi(argv[++i]));
        } else if (option == "--delete") {
            deleteShortcut = true;
        }
    }
    const std::string shortcut = argc > 1 ? argv[argc - 1] : "";

    if (!record.empty()) {
        WriteFileBytes(record + ".cmd", ::GetCommandLineA());
        WriteFileBytes(record + ".arg", shortcut);
        std::string content;
        if (ReadFileBytes(shortcut, content)) WriteFileBytes(record + ".url", content);
    }

    HANDLE held = INVALID_HANDLE_VALUE;
    if (holdOpenMs > 0)
        held = ::CreateFileA(shortcut.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (deleteShortcut) ::DeleteFileA(shortcut.c_str());

    if (dialogKind == "imitation") ShowImitationDialog();
    if (dialogKind == "real") ShowRealDialog();
    if (dialogKind == "late") ShowDialogLate(lateDelayMs);

    if (held != INVALID_HANDLE_VALUE) {
        ::Sleep(holdOpenMs);
        ::CloseHandle(held);
    }
    return 0;
}
