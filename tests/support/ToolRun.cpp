#include "ToolRun.h"

#include <stdexcept>
#include <vector>

std::string ToolExePath() { return WindowsPathOf(SENDPAGE_EXE); }
std::string StandInTargetPath() { return WindowsPathOf(STANDIN_TARGET_EXE); }
std::string StandInConsoleTargetPath() { return WindowsPathOf(STANDIN_TARGET_CONSOLE_EXE); }

ToolInstall::ToolInstall(const std::string& folder, const std::string& exeName)
    : folder_(folder), exePath_(folder + "\\" + exeName)
{
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    if (!::CopyFileA(ToolExePath().c_str(), exePath_.c_str(), FALSE))
        throw std::runtime_error("cannot copy the tool to " + exePath_);
}

std::string ToolInstall::ConfigPath() const
{
    const std::size_t dot = exePath_.rfind('.');
    return exePath_.substr(0, dot) + ".ini";
}

void ToolInstall::ConfigureTarget(const std::string& wwwc) const
{
    WriteWholeFile(ConfigPath(), "[Path]\r\nwwwc=" + wwwc + "\r\n");
}

RunningProgram::RunningProgram(const std::string& commandLine, const std::string& currentDirectory, int showCommand)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (showCommand >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showCommand);
    }
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, currentDirectory.c_str(),
                          &startup, &info_))
        throw std::runtime_error("cannot start " + commandLine + " (error " + std::to_string(::GetLastError()) + ")");
}

RunningProgram::~RunningProgram()
{
    if (Running()) {
        ::TerminateProcess(info_.hProcess, 99);
        ::WaitForSingleObject(info_.hProcess, 5000);
    }
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

bool RunningProgram::WaitForExit(DWORD timeoutMs) { return ::WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0; }

bool RunningProgram::Running() const { return ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD RunningProgram::ExitCode() const
{
    DWORD code = 0;
    ::GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::string ToolCommandLine(const std::string& exePath, const std::string& arguments)
{
    return "\"" + exePath + "\"" + (arguments.empty() ? "" : " " + arguments);
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !::IsWindowVisible(window)) return TRUE;
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) != search->className) return TRUE;
    if (search->title != nullptr) {
        char title[256] = {};
        ::GetWindowTextA(window, title, sizeof title);
        if (std::string(title) != search->title) return TRUE;
    }
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CountButton(HWND child, LPARAM param)
{
    char className[32] = {};
    ::GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Button") == 0 && ::IsWindowVisible(child)) ++*reinterpret_cast<int*>(param);
    return TRUE;
}

} // namespace

HWND WaitForWindowOf(DWORD processId, const char* className, const char* title, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        WindowSearch search{processId, className, title, nullptr};
        ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        ::Sleep(20);
    }
}

MessageBoxView ReadMessageBox(HWND box)
{
    MessageBoxView view;
    char text[1024] = {};
    ::GetWindowTextA(box, text, sizeof text);
    view.caption = text;
    // The system's message box keeps its text in the static control 0xFFFF
    // and its icon in control 0x0440.
    text[0] = '\0';
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    view.text = text;
    ::EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&view.visibleButtons));
    const HWND ok = ::GetDlgItem(box, IDOK);
    view.hasOkButton = ok != nullptr && ::IsWindowVisible(ok);
    view.icon = reinterpret_cast<HICON>(::SendDlgItemMessageA(box, 0x0440, STM_GETICON, 0, 0));
    return view;
}

void PressOk(HWND box)
{
    const HWND ok = ::GetDlgItem(box, IDOK);
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
}

std::optional<DWORD> WaitUntilGone(const std::string& path, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD elapsed = ::GetTickCount() - start;
        if (!FileExists(path)) return elapsed;
        if (elapsed > timeoutMs) return std::nullopt;
        ::Sleep(5);
    }
}
