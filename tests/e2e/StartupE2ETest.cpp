// Start-up and end: the run's exit code, the show command, what is left.
#include "ToolFixture.h"

namespace {

class StartupE2E : public ToolFixture {};

BOOL CALLBACK FindAnyWindowOf(HWND window, LPARAM param)
{
    auto* found = reinterpret_cast<std::pair<DWORD, bool>*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == found->first) found->second = true;
    return TRUE;
}

} // namespace

TEST_F(StartupE2E, SuccessfulRunEndsWithExitCodeZeroAndLeavesNothing)
{
    UseStandInTarget();
    StandInBrowser browser("done - unDonut");
    const auto run = StartTool("http://a/");
    ASSERT_TRUE(run->WaitForExit(30000));
    EXPECT_EQ(run->ExitCode(), 0u);
    std::pair<DWORD, bool> found{run->ProcessId(), false};
    ::EnumWindows(FindAnyWindowOf, reinterpret_cast<LPARAM>(&found));
    EXPECT_FALSE(found.second) << "a window of the ended tool is still there";
    WIN32_FIND_DATAA entry;
    const HANDLE search = ::FindFirstFileA((workDir + "\\*").c_str(), &entry);
    int files = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (std::string(entry.cFileName) != "." && std::string(entry.cFileName) != "..") ++files;
        } while (::FindNextFileA(search, &entry));
        ::FindClose(search);
    }
    EXPECT_EQ(files, 0) << "the working folder is left as it was";
}

// After a failure the form waits for the user; the start-up show command
// decides how: minimised (the application's window iconic, the form hidden
// until restored) or maximised.
TEST_F(StartupE2E, ShowCommandAfterFailure)
{
    ::CreateDirectoryA(ShortcutIn("").c_str(), nullptr); // makes the write fail
    {
        SCOPED_TRACE("SW_SHOWMINNOACTIVE");
        const auto run = StartTool("http://a/", SW_SHOWMINNOACTIVE);
        const HWND box = WaitForWindowOf(run->ProcessId(), "#32770", nullptr, 20000);
        ASSERT_NE(box, nullptr);
        PressOk(box);
        const HWND application = WaitForWindowOf(run->ProcessId(), "TApplication", nullptr, 5000);
        ASSERT_NE(application, nullptr);
        ::Sleep(300);
        EXPECT_TRUE(::IsIconic(application));
        const HWND form = ::FindWindowA("TForm1", "Form1");
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(::IsWindowVisible(form));
        ::SendMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_TRUE(::IsWindowVisible(form)) << "restoring the application shows the form";
        ::PostMessageA(form, WM_CLOSE, 0, 0);
        EXPECT_TRUE(run->WaitForExit(10000));
        EXPECT_EQ(run->ExitCode(), 0u);
    }
    {
        SCOPED_TRACE("SW_SHOWMAXIMIZED");
        const auto run = StartTool("http://a/", SW_SHOWMAXIMIZED);
        const HWND box = WaitForWindowOf(run->ProcessId(), "#32770", nullptr, 20000);
        ASSERT_NE(box, nullptr);
        PressOk(box);
        const HWND form = WaitForWindowOf(run->ProcessId(), "TForm1", "Form1", 5000);
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(::IsZoomed(form));
        ::PostMessageA(form, WM_CLOSE, 0, 0);
        EXPECT_TRUE(run->WaitForExit(10000));
        EXPECT_EQ(run->ExitCode(), 0u);
    }
}

// The system's end-of-session notice to the application's window ends the
// message loop, like closing the form.
TEST_F(StartupE2E, EndSessionEndsTheWaitingTool)
{
    ::CreateDirectoryA(ShortcutIn("").c_str(), nullptr);
    const auto run = StartTool("http://a/");
    const HWND box = WaitForWindowOf(run->ProcessId(), "#32770", nullptr, 20000);
    ASSERT_NE(box, nullptr);
    PressOk(box);
    const HWND application = WaitForWindowOf(run->ProcessId(), "TApplication", nullptr, 5000);
    ASSERT_NE(application, nullptr);
    ::PostMessageA(application, WM_ENDSESSION, TRUE, 0);
    ::PostMessageA(application, WM_NULL, 0, 0); // one more turn of the loop
    EXPECT_TRUE(run->WaitForExit(10000));
    EXPECT_EQ(run->ExitCode(), 0u);
}
