// Times the tool from the Windows side, under the same desktop as a
// stand-in browser and a stand-in folder dialog. Each mode prints lines
// "row NAME MEDIAN MAX COUNT" (milliseconds) for scripts/bench.sh.
//
//   bench_driver handoff TOOL BASELINE BASELINE_USER32 TARGET WORKDIR REPETITIONS
//       whole runs of the tool (browser present, console target, no
//       dialog) and of the two baseline launchers starting the same target,
//       interleaved;
//   bench_driver removal TOOL WORKDIR REPETITIONS SEED
//       from the folder dialog's closing, at a random moment of the tool's
//       wait, to the shortcut's removal, polled every millisecond;
//   bench_driver hold TOOL WORKBASE COUNT SIGNALDIR
//       COUNT tools held by one folder dialog, each in a folder of its own;
//       writes SIGNALDIR\ready once all wait, and lets them go when
//       SIGNALDIR\done appears (the script measures them in between).
#include "Samples.h"
#include "StandInWindows.h"
#include "WinPaths.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr DWORD RunLimitMs = 30000;

class Process {
public:
    Process(const std::string& commandLine, const std::string& directory)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup,
                              &info_))
            throw std::runtime_error("cannot start " + commandLine);
    }
    ~Process()
    {
        if (::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(info_.hProcess, 99);
        ::CloseHandle(info_.hThread);
        ::CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Waits for the end; fails on a hang or an exit code other than 0.
    void Finish(const char* what) const
    {
        if (::WaitForSingleObject(info_.hProcess, RunLimitMs) != WAIT_OBJECT_0)
            throw std::runtime_error(std::string(what) + " did not end");
        DWORD code = 1;
        ::GetExitCodeProcess(info_.hProcess, &code);
        if (code != 0) throw std::runtime_error(std::string(what) + " ended with " + std::to_string(code));
    }
    bool Running() const { return ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

private:
    PROCESS_INFORMATION info_{};
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void WaitFor(const std::string& what, DWORD timeoutMs, bool (*condition)(const std::string&), const std::string& path)
{
    const DWORD start = ::GetTickCount();
    while (!condition(path)) {
        if (::GetTickCount() - start > timeoutMs) throw std::runtime_error("timed out waiting for " + what);
        ::Sleep(1);
    }
}

bool Exists(const std::string& path) { return FileExists(path); }
bool Gone(const std::string& path) { return !FileExists(path); }

// The milliseconds from the start of the program to its end.
double TimedRun(const Stopwatch& clock, const std::string& commandLine, const std::string& directory,
                const char* what)
{
    const double start = clock.NowMs();
    Process run(commandLine, directory);
    run.Finish(what);
    return clock.NowMs() - start;
}

const char* const PageTitle = "bench page - unDonut";
const char* const PageUrl = "http://bench.example/page";

int HandOff(const std::string& tool, const std::string& baseline, const std::string& baselineUser32,
            const std::string& target, const std::string& workDir, int repetitions)
{
    const Stopwatch clock;
    StandInBrowser browser(PageTitle);
    const std::string shortcut = workDir + "\\bench page.url";
    struct Subject {
        const char* row;
        std::string commandLine;
        Samples ms;
    };
    Subject subjects[] = {
        {"handoff_tool", Quoted(tool) + " " + PageUrl, {}},
        {"handoff_baseline", Quoted(baseline) + " " + target + " " + Quoted(shortcut), {}},
        {"handoff_baseline_user32", Quoted(baselineUser32) + " " + target + " " + Quoted(shortcut), {}},
    };
    auto run = [&](Subject& subject, bool counted) {
        const double ms = TimedRun(clock, subject.commandLine, workDir, subject.row);
        if (FileExists(shortcut)) throw std::runtime_error("the tool left its shortcut behind");
        if (counted) subject.ms.values.push_back(ms);
    };
    for (int i = 0; i < 3; ++i) // warm-up, not counted
        for (Subject& subject : subjects) run(subject, false);
    // Each round starts with another of the three, so that none always
    // follows the same one.
    for (int i = 0; i < repetitions; ++i)
        for (int k = 0; k < 3; ++k) run(subjects[(i + k) % 3], true);
    for (const Subject& subject : subjects) PrintRow(subject.row, subject.ms);
    return 0;
}

int Removal(const std::string& tool, const std::string& workDir, int repetitions, unsigned seed)
{
    const Stopwatch clock;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> settle(600, 1599); // over two of the tool's 500 ms pauses
    const std::string shortcut = workDir + "\\.url";      // no browser: the name is empty
    Samples delays;
    for (int i = 0; i < repetitions; ++i) {
        StandInDialog dialog(FolderDialogTitleOld);
        Process run(Quoted(tool) + " " + PageUrl, workDir);
        WaitFor("the shortcut", RunLimitMs, Exists, shortcut);
        ::Sleep(static_cast<DWORD>(settle(random)));
        if (!run.Running()) throw std::runtime_error("the tool did not wait for the dialog");
        const double closed = clock.NowMs();
        dialog.Close();
        WaitFor("the removal", RunLimitMs, Gone, shortcut);
        delays.values.push_back(clock.NowMs() - closed);
        run.Finish("the tool");
    }
    PrintRow("removal_delay", delays);
    return 0;
}

int Hold(const std::string& tool, const std::string& workBase, int count, const std::string& signalDir)
{
    StandInDialog dialog(FolderDialogTitleOld);
    std::vector<std::unique_ptr<Process>> runs;
    std::vector<std::string> shortcuts;
    for (int i = 0; i < count; ++i) {
        const std::string folder = workBase + "\\held" + std::to_string(i);
        ::CreateDirectoryA(folder.c_str(), nullptr);
        shortcuts.push_back(folder + "\\.url");
        runs.push_back(std::make_unique<Process>(Quoted(tool) + " " + PageUrl, folder));
    }
    for (const std::string& shortcut : shortcuts) WaitFor("a held tool's shortcut", RunLimitMs, Exists, shortcut);
    // Twenty tools and their targets starting at once take a while on a
    // small machine: let every tool settle into its wait.
    ::Sleep(3000);
    for (const auto& run : runs)
        if (!run->Running()) throw std::runtime_error("a tool did not wait for the dialog");
    WriteWholeFile(signalDir + "\\ready", "");
    WaitFor("the measurement", 120000, Exists, signalDir + "\\done");
    dialog.Close();
    for (const auto& run : runs) run->Finish("a held tool");
    for (const std::string& shortcut : shortcuts)
        if (FileExists(shortcut)) throw std::runtime_error("a held tool left its shortcut behind");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 7 && args[0] == "handoff")
            return HandOff(args[1], args[2], args[3], args[4], args[5], std::atoi(args[6].c_str()));
        if (args.size() == 5 && args[0] == "removal")
            return Removal(args[1], args[2], std::atoi(args[3].c_str()),
                           static_cast<unsigned>(std::strtoul(args[4].c_str(), nullptr, 10)));
        if (args.size() == 5 && args[0] == "hold") return Hold(args[1], args[2], std::atoi(args[3].c_str()), args[4]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_driver: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: see the top of BenchDriver.cpp\n");
    return 2;
}
