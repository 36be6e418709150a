// The least a launcher can do: start the program named by the rest of its
// own command line with CreateProcessA, as the tool starts its target, and
// end. Built like the tool, it is the yardstick for the tool's whole run.
// Built with BASELINE_STARTS_USER32 it first makes one call into user32,
// which sets up the process's side of the window system, as every run of
// the tool must: the difference between the two shows what that costs.
//
//   bench_baseline TARGET [ARGUMENTS...]
#include <windows.h>

namespace {

// The command line after the program's own path (quoted or not).
char* AfterOwnPath(char* line)
{
    bool quoted = false;
    for (; *line != '\0'; ++line) {
        if (*line == '"') quoted = !quoted;
        else if ((*line == ' ' || *line == '\t') && !quoted) break;
    }
    while (*line == ' ' || *line == '\t') ++line;
    return line;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
#ifdef BASELINE_STARTS_USER32
    ::GetDesktopWindow();
#endif
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ::CreateProcessA(nullptr, AfterOwnPath(::GetCommandLineA()), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process);
    return 0;
}
