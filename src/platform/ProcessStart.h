// Starting the target program.
#pragma once

#include <string>

// Starts a program by the system's rules for a command line without an
// application name, then waits up to idleTimeoutMs for it to become ready
// for input. A failed start is not reported. The new process's handles are
// deliberately left open until this process ends.
void StartProgramAndWaitForIdle(const std::string& commandLine, unsigned idleTimeoutMs);

// Pauses the calling thread.
void PauseMilliseconds(unsigned milliseconds);
