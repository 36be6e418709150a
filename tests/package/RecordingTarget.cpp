// Stand-in for the target program in the release check. It records its
// command line in target-cmdline.txt and copies the file named by its last,
// quoted, argument to target-copy.url, both in its current directory (the
// one sendpage ran in), and exits.
//
// It is a window program on purpose: sendpage waits for it to become idle
// before it looks for a folder dialog and deletes the shortcut, so the copy
// is made while the shortcut still exists. (A console program has no input
// idle state, and the shortcut could be gone before the copy.)
#include <windows.h>

#include <string>

namespace {

bool WriteWholeFile(const char* name, const std::string& bytes)
{
    const HANDLE file = ::CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
                    && written == bytes.size();
    return ::CloseHandle(file) && ok;
}

std::string LastQuotedArgument(const std::string& commandLine)
{
    const std::size_t close = commandLine.find_last_of('"');
    if (close == std::string::npos || close == 0) return {};
    const std::size_t open = commandLine.find_last_of('"', close - 1);
    if (open == std::string::npos) return {};
    return commandLine.substr(open + 1, close - open - 1);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string commandLine = ::GetCommandLineA();
    if (!WriteWholeFile("target-cmdline.txt", commandLine)) return 2;
    const std::string shortcut = LastQuotedArgument(commandLine);
    if (shortcut.empty() || !::CopyFileA(shortcut.c_str(), "target-copy.url", FALSE)) return 3;
    // Only now wait for input: this is the idle state sendpage waits for.
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    return 0;
}
