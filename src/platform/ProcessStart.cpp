#include "ProcessStart.h"

#include <windows.h>

#include <vector>

// The start-up information the target gets is the plain 32-bit structure.
static_assert(sizeof(void*) != 4 || sizeof(STARTUPINFOA) == 68);

void StartProgramAndWaitForIdle(const std::string& commandLine, unsigned idleTimeoutMs)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = 0;
    PROCESS_INFORMATION process{};
    // CreateProcessA may write into the command line, so it gets its own copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        ::WaitForInputIdle(process.hProcess, idleTimeoutMs);
}

void PauseMilliseconds(unsigned milliseconds) { ::Sleep(milliseconds); }
