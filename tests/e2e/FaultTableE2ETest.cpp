// Faults from outside the tool, each in one real run: odd browser titles,
// a browser that misbehaves, huge URLs, a configuration file of junk and a
// working folder that is read-only. Every run must end by itself within a
// bound, with exit code 0 (after the expected error box, where there is
// one), show the expected result, and touch no file but its own shortcut:
// the working folder and the tool's folder are compared byte for byte with
// what they held before the run.
#include "ToolFixture.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <vector>

namespace {

// A folder's files by name, with their bytes; subfolders by name only.
using FolderSnapshot = std::map<std::string, std::optional<std::string>>;

FolderSnapshot Snapshot(const std::string& folder)
{
    FolderSnapshot snapshot;
    WIN32_FIND_DATAA entry;
    const HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return snapshot;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            snapshot[name] = std::nullopt;
        } else {
            std::string content;
            ReadWholeFile(folder + "\\" + name, content);
            snapshot[name] = content;
        }
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
    return snapshot;
}

// "added X", "removed X", "changed X", one a line; empty when equal.
std::string Differences(const FolderSnapshot& before, const FolderSnapshot& after)
{
    std::string report;
    for (const auto& [name, content] : after) {
        const auto old = before.find(name);
        if (old == before.end())
            report += "added " + name + "\n";
        else if (old->second != content)
            report += "changed " + name + "\n";
    }
    for (const auto& [name, content] : before)
        if (after.find(name) == after.end()) report += "removed " + name + "\n";
    return report;
}

// Random bytes: NULs, CR and LF, brackets and '=' in no order.
// std::mt19937's sequence is fixed by the standard, so the bytes are the
// same on every run and with every compiler.
std::string RandomBytes(std::uint32_t seed, std::size_t count)
{
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        ::Sleep(20);
    }
    return true;
}

// A browser window whose thread is busy for busyMs each time it is asked
// for its title, and only then answers with the whole title.
class BusyBrowser {
public:
    BusyBrowser(std::string title, DWORD busyMs)
        : title_(std::move(title)), busyMs_(busyMs), window_([this] {
              WNDCLASSA windowClass{};
              windowClass.lpfnWndProc = ::DefWindowProcA;
              windowClass.hInstance = ::GetModuleHandleA(nullptr);
              windowClass.lpszClassName = "WTL:Donut";
              ::RegisterClassA(&windowClass); // fails harmlessly when already registered
              const HWND window = ::CreateWindowExA(0, "WTL:Donut", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                                    nullptr, ::GetModuleHandleA(nullptr), nullptr);
              if (window != nullptr) {
                  ::SetPropA(window, "busy", this);
                  ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BusyBrowser::Proc));
              }
              return window;
          })
    {
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        const auto* self = static_cast<const BusyBrowser*>(::GetPropA(window, "busy"));
        if (self == nullptr || (message != WM_GETTEXTLENGTH && message != WM_GETTEXT))
            return ::DefWindowProcA(window, message, wParam, lParam);
        ::Sleep(self->busyMs_);
        if (message == WM_GETTEXTLENGTH) return LRESULT(self->title_.size());
        if (wParam == 0) return 0;
        const std::size_t n = std::min<std::size_t>(wParam - 1, self->title_.size());
        std::copy_n(self->title_.data(), n, reinterpret_cast<char*>(lParam));
        reinterpret_cast<char*>(lParam)[n] = '\0';
        return LRESULT(n);
    }

    const std::string title_;
    const DWORD busyMs_;
    WindowThread window_;
};

// A working folder with a neighbour file and an older shortcut of another
// name, which no run may touch.
void FillWorkFolder(const std::string& folder)
{
    ::CreateDirectoryA(folder.c_str(), nullptr);
    WriteWholeFile(folder + "\\notes.txt", "neighbour\r\n\x83\x5C\x95\x5C\r\n");
    WriteWholeFile(folder + "\\older page.url", ShortcutBytes("http://older.example/"));
}

enum class Browser { Answers, AbsurdLength, Busy };

enum class Outcome {
    ErrorBox,     // the box with `expected`, then the empty form; nothing created
    HandedOff,    // the target received the shortcut `expected`.url
    WrittenAlone, // no target starts; the shortcut `expected`.url is written
};

struct FaultCase {
    const char* what;
    Browser browser;
    std::string title;
    std::string url;
    std::optional<std::string> config; // nullopt: the stand-in target is configured
    Outcome outcome;
    std::string expected; // the box's text, or the shortcut's name
    // When not 0: the title is a name that makes the shortcut's path exactly
    // this many bytes long in the case's folder, and the name is expected.
    std::size_t pathBytes = 0;
};

const std::string Url2000 = "http://a.jp/" + std::string(2000 - 12, 'u');

// Longer than the tool waits for an answer (3 s).
constexpr DWORD BusyMs = 4000;

// Not in the table: a title ending in a lone lead byte. Wine passes a
// window's title to another process as Unicode and drops such a byte on the
// way, so the tool never receives it here; the title read's own test, with
// the browser in the same process, shows that the tool drops it.
const FaultCase FaultCases[] = {
    // The title read takes at most 255 bytes, and any of these makes a path
    // over 259 bytes, which is refused before anything is created.
    {"title of 255 bytes", Browser::Answers, std::string(255, 't'), "http://a/", std::nullopt, Outcome::ErrorBox,
     "I/O エラー (206)"},
    {"title of 256 bytes", Browser::Answers, std::string(256, 't'), "http://a/", std::nullopt, Outcome::ErrorBox,
     "I/O エラー (206)"},
    {"title of 300 bytes", Browser::Answers, std::string(300, 't'), "http://a/", std::nullopt, Outcome::ErrorBox,
     "I/O エラー (206)"},
    // The longest path the tool writes, and one byte more, with every name
    // within what the file system takes: the refusal is the tool's own.
    {"path of 259 bytes", Browser::Answers, "", "http://a/", std::nullopt, Outcome::HandedOff, "", 259},
    {"path of 260 bytes", Browser::Answers, "", "http://a/", std::nullopt, Outcome::ErrorBox, "I/O エラー (206)",
     260},
    // A length of about 2 GB must not become the size of the read: a short
    // title still comes through, and a long one is cut to the buffer.
    {"absurd length, short title", Browser::AbsurdLength, "absurd - unDonut", "http://a/", std::nullopt,
     Outcome::HandedOff, "absurd"},
    {"absurd length, 300-byte title", Browser::AbsurdLength, std::string(300, 'a'), "http://a/", std::nullopt,
     Outcome::ErrorBox, "I/O エラー (206)"},
    // A browser that stops answering: the tool gives up on it and goes on
    // with an empty name; had it waited, the name would be "busy". (One that
    // never answers again cannot be shown here: once the browser's thread
    // has taken the message, Wine lets another process wait for the answer
    // past its time limit, here for more than a minute. Windows gives up
    // after the limit.)
    {"browser stops answering", Browser::Busy, "busy - unDonut", "http://a/", std::nullopt, Outcome::HandedOff, ""},
    // The name comes from the URL, and the path is far over 259 bytes.
    {"2000-byte URL, title unDonut", Browser::Answers, "unDonut", Url2000, std::nullopt, Outcome::ErrorBox,
     "I/O エラー (206)"},
    // 2026 bytes of content: fifteen full 128-byte blocks on the way and
    // the rest at the close.
    {"2000-byte URL, page title", Browser::Answers, "long - unDonut", Url2000, std::nullopt, Outcome::HandedOff,
     "long"},
    {"configuration of random bytes", Browser::Answers, "junk - unDonut", "http://a/", RandomBytes(20240531, 4096),
     Outcome::WrittenAlone, "junk"},
    // Random bytes as the target's value: a command line of junk that
    // starts nothing.
    {"random target value", Browser::Answers, "junk - unDonut", "http://a/",
     "[Path]\r\nwwwc=" + RandomBytes(7, 1500), Outcome::WrittenAlone, "junk"},
};

constexpr DWORD RunLimitMs = 20000;

class FaultTableE2E : public ToolFixture {
protected:
    void ForgetTarget() const
    {
        for (const char* extension : {".cmd", ".arg", ".url"}) ::DeleteFileA((record + extension).c_str());
    }

    // Runs the tool in `folder` and checks the result the case expects.
    void RunCase(const FaultCase& c, const std::string& folder)
    {
        if (c.outcome == Outcome::WrittenAlone) return RunHeldByDialog(c, folder);
        RunningProgram run(ToolCommandLine(tool.ExePath(), "\"" + c.url + "\""), folder);
        if (c.outcome == Outcome::ErrorBox)
            ExpectErrorBox(run, c.expected);
        else
            ExpectHandedOff(run, folder, c);
    }

    void ExpectErrorBox(RunningProgram& run, const std::string& text)
    {
        const HWND box = WaitForWindowOf(run.ProcessId(), "#32770", nullptr, RunLimitMs);
        ASSERT_NE(box, nullptr) << "no error box";
        const MessageBoxView view = ReadMessageBox(box);
        EXPECT_EQ(view.text, text);
        EXPECT_EQ(view.caption, "sendpage");
        PressOk(box);
        const HWND form = WaitForWindowOf(run.ProcessId(), "TForm1", "Form1", 10000);
        ASSERT_NE(form, nullptr) << "the empty form is not shown after the box";
        ::PostMessageA(form, WM_CLOSE, 0, 0);
        ASSERT_TRUE(run.WaitForExit(10000)) << "closing the form does not end the tool";
        EXPECT_EQ(run.ExitCode(), 0u);
        EXPECT_FALSE(TargetRan()) << "the target is started after a failure";
    }

    void ExpectHandedOff(RunningProgram& run, const std::string& folder, const FaultCase& c)
    {
        const DWORD start = ::GetTickCount();
        ASSERT_TRUE(run.WaitForExit(RunLimitMs)) << "the tool did not end within " << RunLimitMs << " ms";
        std::printf("  %s: ended after %lu ms\n", c.what, static_cast<unsigned long>(::GetTickCount() - start));
        EXPECT_EQ(run.ExitCode(), 0u);
        ASSERT_TRUE(TargetRan());
        EXPECT_EQ(Recorded(".arg"), folder + "\\" + c.expected + ".url");
        const std::string content = Recorded(".url");
        EXPECT_EQ(content, ShortcutBytes(c.url));
        EXPECT_EQ(content.size(), 26 + c.url.size());
    }

    // Without a target, a folder dialog of this process holds the tool
    // until the shortcut has been seen on disk; an error box instead would
    // keep the tool running after the dialog has closed.
    void RunHeldByDialog(const FaultCase& c, const std::string& folder)
    {
        const std::string shortcut = folder + "\\" + c.expected + ".url";
        StandInDialog dialog(FolderDialogTitleOld);
        RunningProgram run(ToolCommandLine(tool.ExePath(), "\"" + c.url + "\""), folder);
        std::string content;
        WaitUntil([&] { return (ReadWholeFile(shortcut, content) && content == ShortcutBytes(c.url)) || !run.Running(); },
                  RunLimitMs);
        EXPECT_EQ(content, ShortcutBytes(c.url)) << "the shortcut was not written";
        EXPECT_TRUE(run.Running()) << "the tool ended while the folder dialog was open";
        dialog.Close();
        ASSERT_TRUE(run.WaitForExit(RunLimitMs)) << "the tool did not end after the dialog closed";
        EXPECT_EQ(run.ExitCode(), 0u);
    }
};

} // namespace

TEST_F(FaultTableE2E, EachFaultEndsCleanlyAndTouchesNothingElse)
{
    int index = 0;
    for (FaultCase c : FaultCases) {
        SCOPED_TRACE(c.what);
        ForgetTarget();
        if (c.config)
            WriteWholeFile(tool.ConfigPath(), *c.config);
        else
            UseStandInTarget();
        const std::string folder = scratch / ("case" + std::to_string(index++));
        FillWorkFolder(folder);
        if (c.pathBytes != 0) {
            const std::string name(c.pathBytes - folder.size() - std::string("\\.url").size(), 'p');
            c.title = name + " - unDonut";
            if (c.outcome == Outcome::HandedOff) c.expected = name;
        }
        const FolderSnapshot workBefore = Snapshot(folder);
        const FolderSnapshot toolBefore = Snapshot(tool.Folder());
        {
            std::optional<StandInBrowser> browser;
            std::optional<BusyBrowser> busy;
            if (c.browser == Browser::Answers) browser.emplace(c.title, BrowserBehaviour::Answers);
            if (c.browser == Browser::AbsurdLength) browser.emplace(c.title, BrowserBehaviour::AbsurdLength);
            if (c.browser == Browser::Busy) busy.emplace(c.title, BusyMs);
            RunCase(c, folder);
        }
        EXPECT_EQ(Differences(workBefore, Snapshot(folder)), "") << "in the working folder";
        EXPECT_EQ(Differences(toolBefore, Snapshot(tool.Folder())), "") << "in the tool's folder";
    }
}

namespace {

// Starts a Unix program through Wine, which runs a Unix executable named by
// its Z: path. Wine hands back no process for it, so the caller waits for
// its effect.
void StartUnixProgram(const std::string& commandLine)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        if (process.hProcess != nullptr) ::CloseHandle(process.hProcess);
        if (process.hThread != nullptr) ::CloseHandle(process.hThread);
    }
}

bool CanCreateFileIn(const std::string& folder)
{
    const std::string probe = folder + "\\probe.tmp";
    const HANDLE file = ::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    ::DeleteFileA(probe.c_str());
    return true;
}

bool ShownReadOnly(const std::string& folder)
{
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// A working folder under /tmp, locked from the Unix side with `lock`, and
// unlocked with `unlock` and removed at the end.
class LockedFolder {
public:
    LockedFolder(const std::string& lock, const std::string& unlock)
        : linuxPath_("/tmp/sendpage-locked-" + std::to_string(::GetCurrentProcessId())),
          path_(WindowsPathOf(linuxPath_)), unlock_(unlock)
    {
        RemoveTree(path_);
        FillWorkFolder(path_);
        StartUnixProgram(lock + " " + linuxPath_);
    }
    ~LockedFolder()
    {
        StartUnixProgram(unlock_ + " " + linuxPath_);
        WaitUntil([this] { return CanCreateFileIn(path_); }, 5000);
        RemoveTree(path_);
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    const std::string linuxPath_;
    const std::string path_;
    const std::string unlock_;
};

} // namespace

// On Windows, a working folder the user may not write to (by its access
// list; the read-only attribute of a folder does not stop new files there)
// makes the open fail with ERROR_ACCESS_DENIED. Wine cannot show that as
// such: it keeps no read-only attribute on a folder set from the Windows
// side, has no access lists, and maps the Unix mode of a folder without
// write permission to the read-only attribute, which does not stop root.
// So the folder is locked from the Unix side in two ways: by its mode, and
// by the immutable flag, which stops root too (Wine reports
// ERROR_ACCESS_DENIED for it). A probe then shows whether this user can
// create files there, and the tool must match it: hand the page off
// normally, or show the access-denied box. Either way nothing else in the
// folder is touched.
TEST_F(FaultTableE2E, ReadOnlyWorkingFolder)
{
    const FaultCase handOff{"read-only folder", Browser::Answers, "locked - unDonut", "http://a/", std::nullopt,
                            Outcome::HandedOff, "locked"};
    struct Lock {
        const char* what;
        std::string lock;
        std::string unlock;
        std::function<bool(const std::string&)> inPlace;
    };
    const Lock locks[] = {
        {"mode without write permission", "Z:\\usr\\bin\\chmod a-w", "Z:\\usr\\bin\\chmod u+w", ShownReadOnly},
        {"immutable", "Z:\\usr\\bin\\chattr +i", "Z:\\usr\\bin\\chattr -i",
         [](const std::string& folder) { return !CanCreateFileIn(folder); }},
    };
    UseStandInTarget();
    for (const Lock& lock : locks) {
        SCOPED_TRACE(lock.what);
        ForgetTarget();
        const LockedFolder folder(lock.lock, lock.unlock);
        const bool locked = WaitUntil([&] { return lock.inPlace(folder.Path()); }, 5000);
        const bool writable = CanCreateFileIn(folder.Path());
        std::printf("  %s: lock %s, read-only attribute %s, this user %s create files there\n", lock.what,
                    locked ? "in place" : "NOT in place", ShownReadOnly(folder.Path()) ? "shown" : "not shown",
                    writable ? "can" : "cannot");

        const FolderSnapshot workBefore = Snapshot(folder.Path());
        const FolderSnapshot toolBefore = Snapshot(tool.Folder());
        {
            StandInBrowser browser(handOff.title);
            RunningProgram run(ToolCommandLine(tool.ExePath(), handOff.url), folder.Path());
            if (writable)
                ExpectHandedOff(run, folder.Path(), handOff);
            else
                ExpectErrorBox(run, "ファイルへのアクセスが拒否されました.");
        }
        EXPECT_EQ(Differences(workBefore, Snapshot(folder.Path())), "") << "in the working folder";
        EXPECT_EQ(Differences(toolBefore, Snapshot(tool.Folder())), "") << "in the tool's folder";
    }
}
