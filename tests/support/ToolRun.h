// Runs the real sendpage.exe (and the stand-in target) the way a browser
// would, and looks at the windows it shows.
#pragma once

#include "WinPaths.h"

#include <windows.h>

#include <optional>
#include <string>

// The built programs, as Windows paths.
std::string ToolExePath();
std::string StandInTargetPath();
std::string StandInConsoleTargetPath();

// A copy of the tool in a folder of its own, so that each test has its own
// configuration file beside the executable.
class ToolInstall {
public:
    explicit ToolInstall(const std::string& folder, const std::string& exeName = "sendpage.exe");
    const std::string& ExePath() const { return exePath_; }
    const std::string& Folder() const { return folder_; }
    std::string ConfigPath() const;
    // Writes the configuration with the given target value (Shift-JIS bytes).
    void ConfigureTarget(const std::string& wwwc) const;

private:
    std::string folder_;
    std::string exePath_;
};

class RunningProgram {
public:
    // commandLine is passed as it stands; showCommand < 0 sets no show flag.
    RunningProgram(const std::string& commandLine, const std::string& currentDirectory, int showCommand = -1);
    ~RunningProgram(); // ends the program if a failed test left it running
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool WaitForExit(DWORD timeoutMs);
    bool Running() const;
    DWORD ExitCode() const;
    DWORD ProcessId() const { return info_.dwProcessId; }
    DWORD MainThreadId() const { return info_.dwThreadId; }

private:
    PROCESS_INFORMATION info_{};
};

// The tool started like a browser starts it: "<exe>" <arguments>.
std::string ToolCommandLine(const std::string& exePath, const std::string& arguments);

// The first visible top-level window of the process with that class (and
// title, if given), waiting up to timeoutMs; nullptr if none came.
HWND WaitForWindowOf(DWORD processId, const char* className, const char* title, DWORD timeoutMs);

// What a message box shows.
struct MessageBoxView {
    std::string caption;
    std::string text;
    int visibleButtons = 0;
    bool hasOkButton = false;
    HICON icon = nullptr;
};
MessageBoxView ReadMessageBox(HWND box);
void PressOk(HWND box);

// Waits until the file is gone; returns the milliseconds that took, or
// nullopt if it was still there after timeoutMs.
std::optional<DWORD> WaitUntilGone(const std::string& path, DWORD timeoutMs);
