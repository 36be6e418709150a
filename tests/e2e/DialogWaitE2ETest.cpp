// The wait while a folder dialog is open.
#include "ToolFixture.h"

namespace {

class DialogWaitE2E : public ToolFixture {
protected:
    // Watches a dialog and the shortcut together: the shortcut must exist
    // whenever the dialog does; returns the ms from the dialog's end to the
    // shortcut's removal.
    DWORD RemovalDelayAfterDialog(const std::string& shortcut, const std::string& dialogTitle, DWORD timeoutMs)
    {
        const DWORD start = ::GetTickCount();
        HWND dialog = nullptr;
        while (dialog == nullptr && ::GetTickCount() - start < timeoutMs) {
            dialog = ::FindWindowA("#32770", dialogTitle.c_str());
            ::Sleep(5);
        }
        EXPECT_NE(dialog, nullptr) << "the dialog never appeared";
        while (::IsWindow(dialog)) {
            EXPECT_TRUE(FileExists(shortcut)) << "removed while the dialog was open";
            if (!FileExists(shortcut)) break;
            ::Sleep(5);
        }
        const DWORD closed = ::GetTickCount();
        const auto gone = WaitUntilGone(shortcut, 5000);
        EXPECT_TRUE(gone.has_value()) << "not removed after the dialog closed";
        return ::GetTickCount() - closed;
    }
};

} // namespace

TEST_F(DialogWaitE2E, TargetsDialogHoldsTheRemovalEitherTitle)
{
    struct Case {
        const char* kind;
        std::string title;
    };
    const Case cases[] = {{"old", FolderDialogTitleOld}, {"new", FolderDialogTitleNew}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        UseStandInTarget(std::string("--dialog ") + c.kind + " 2500");
        const auto run = StartTool("http://a/");
        const DWORD delay = RemovalDelayAfterDialog(ShortcutIn(""), c.title, 15000);
        std::printf("%s title: removed %lu ms after the dialog closed\n", c.kind, static_cast<unsigned long>(delay));
        EXPECT_LT(delay, 1500u);
        EXPECT_TRUE(run->WaitForExit(5000));
        EXPECT_EQ(run->ExitCode(), 0u);
        EXPECT_EQ(Recorded(".url"), ShortcutBytes("http://a/"));
    }
}

// The system's own folder-browsing dialog, as the target really shows it.
TEST_F(DialogWaitE2E, RealSystemFolderDialogHoldsTheRemoval)
{
    UseStandInTarget("--real-dialog 3000");
    const auto run = StartTool("http://a/");
    const DWORD start = ::GetTickCount();
    std::string title;
    while (title.empty() && ::GetTickCount() - start < 15000) {
        for (const std::string& candidate : {FolderDialogTitleOld, FolderDialogTitleNew})
            if (::FindWindowA("#32770", candidate.c_str()) != nullptr) title = candidate;
        ::Sleep(5);
    }
    ASSERT_FALSE(title.empty()) << "the system's folder dialog did not appear with a known title";
    std::printf("the system's folder dialog is titled %s\n", title == FolderDialogTitleNew ? "new style" : "old style");
    const DWORD delay = RemovalDelayAfterDialog(ShortcutIn(""), title, 1000);
    std::printf("real dialog: removed %lu ms after it closed\n", static_cast<unsigned long>(delay));
    EXPECT_LT(delay, 1500u);
    EXPECT_TRUE(run->WaitForExit(5000));
}

TEST_F(DialogWaitE2E, DialogOfAnyOtherProgramHoldsTheRemoval)
{
    UseStandInTarget("", true);
    StandInDialog dialog(FolderDialogTitleNew);
    const auto run = StartTool("http://a/");
    ::Sleep(2000);
    EXPECT_TRUE(TargetRan());
    EXPECT_TRUE(FileExists(ShortcutIn("")));
    EXPECT_TRUE(run->Running());
    dialog.Close();
    const DWORD closed = ::GetTickCount();
    const auto gone = WaitUntilGone(ShortcutIn(""), 5000);
    ASSERT_TRUE(gone.has_value());
    const DWORD delay = ::GetTickCount() - closed;
    std::printf("other program's dialog: removed %lu ms after it closed\n", static_cast<unsigned long>(delay));
    EXPECT_LT(delay, 1500u);
    EXPECT_TRUE(run->WaitForExit(5000));
    EXPECT_EQ(run->ExitCode(), 0u);
}

TEST_F(DialogWaitE2E, DialogWithAnotherTitleDoesNotHold)
{
    UseStandInTarget("", true);
    StandInDialog dialog("フォルダを選択");
    const auto run = StartTool("http://a/");
    EXPECT_TRUE(run->WaitForExit(10000));
    EXPECT_FALSE(FileExists(ShortcutIn("")));
}

// The target becomes idle first and opens its dialog only later: the tool
// has looked once, found none, and removed the shortcut already.
TEST_F(DialogWaitE2E, DialogOpenedAfterTheFirstTestIsNotWaitedFor)
{
    UseStandInTarget("--late-dialog 2000 1000");
    const auto run = StartTool("http://a/");
    EXPECT_TRUE(run->WaitForExit(1800)) << "the tool waited for a dialog that was not open yet";
    EXPECT_FALSE(FileExists(ShortcutIn("")));
    EXPECT_EQ(::FindWindowA("#32770", FolderDialogTitleOld.c_str()), nullptr);
}

// A WM_QUIT posted to the tool during the wait does not end the wait.
TEST_F(DialogWaitE2E, QuitMessageDuringTheWaitDoesNotEndIt)
{
    UseStandInTarget("", true);
    StandInDialog dialog(FolderDialogTitleOld);
    const auto run = StartTool("http://a/");
    ::Sleep(1500);
    ASSERT_TRUE(TargetRan());
    EXPECT_TRUE(::PostThreadMessageA(run->MainThreadId(), WM_QUIT, 0, 0));
    ::Sleep(1500);
    EXPECT_TRUE(run->Running()) << "the quit message ended the wait";
    EXPECT_TRUE(FileExists(ShortcutIn("")));
    dialog.Close();
    EXPECT_TRUE(run->WaitForExit(5000));
    EXPECT_EQ(run->ExitCode(), 0u);
    EXPECT_FALSE(FileExists(ShortcutIn("")));
}
