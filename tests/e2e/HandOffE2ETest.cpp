// How the target program is configured and started.
#include "ToolFixture.h"

namespace {
class HandOffE2E : public ToolFixture {};
}

// The configured value goes first, verbatim (its own arguments included),
// then a blank and the quoted shortcut path.
TEST_F(HandOffE2E, TargetReceivesConfiguredValueAndQuotedPath)
{
    for (bool console : {false, true}) {
        SCOPED_TRACE(console ? "console target" : "window target");
        ::DeleteFileA((record + ".cmd").c_str());
        UseStandInTarget("--extra  two\tblanks", console);
        StandInBrowser browser("ページ - unDonut");
        EXPECT_EQ(RunHeldUntilTargetRan("http://a.jp/"), 0u);
        EXPECT_EQ(Recorded(".cmd"), StandInTarget("--extra  two\tblanks", console) + " \"" + ShortcutIn("ページ") + "\"");
        EXPECT_EQ(Recorded(".url"), ShortcutBytes("http://a.jp/"));
        EXPECT_FALSE(FileExists(ShortcutIn("ページ")));
    }
}

// A bare program name, without extension, is found in the tool's own folder.
TEST_F(HandOffE2E, BareProgramNameFoundBesideTheTool)
{
    ASSERT_TRUE(::CopyFileA(StandInConsoleTargetPath().c_str(), (tool.Folder() + "\\helper.exe").c_str(), FALSE));
    tool.ConfigureTarget("helper --record " + record);
    EXPECT_EQ(RunHeldUntilTargetRan("http://a/"), 0u);
    EXPECT_EQ(Recorded(".cmd"), "helper --record " + record + " \"" + ShortcutIn("") + "\"");
}

// Without a configured target the start fails silently: the shortcut is
// still written, held while a folder dialog (of any program) is open, then
// removed, and the run ends normally.
TEST_F(HandOffE2E, NoTargetConfigured)
{
    struct Case {
        const char* what;
        const char* config; // nullptr: no file at all
    };
    const Case cases[] = {{"no configuration file", nullptr},
                          {"empty value", "[Path]\r\nwwwc=\r\n"},
                          {"other section", "[Other]\r\nwwwc=x.exe\r\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::DeleteFileA(tool.ConfigPath().c_str());
        if (c.config != nullptr) WriteWholeFile(tool.ConfigPath(), c.config);
        StandInDialog dialog(FolderDialogTitleOld);
        const auto run = StartTool("http://a/");
        ::Sleep(1500);
        std::string content;
        EXPECT_TRUE(ReadWholeFile(ShortcutIn(""), content)) << "the shortcut is written";
        EXPECT_EQ(content, ShortcutBytes("http://a/"));
        EXPECT_TRUE(run->Running());
        dialog.Close();
        EXPECT_TRUE(run->WaitForExit(5000));
        EXPECT_EQ(run->ExitCode(), 0u);
        EXPECT_FALSE(FileExists(ShortcutIn("")));
        EXPECT_FALSE(FileExists(tool.ConfigPath()) && c.config == nullptr) << "the tool never creates its configuration";
    }
}

// A configured value longer than the 2047 bytes the reader takes is cut.
TEST_F(HandOffE2E, LongConfiguredValueIsCut)
{
    const std::string prefix = StandInTarget() + " --pad ";
    const std::string value = prefix + std::string(3000 - prefix.size(), 'p');
    tool.ConfigureTarget(value);
    EXPECT_EQ(RunTool("http://a/"), 0u);
    EXPECT_EQ(Recorded(".cmd"), value.substr(0, 2047) + " \"" + ShortcutIn("") + "\"");
}

// The target removing the shortcut itself, or holding it open without
// delete sharing, makes the removal fail silently. A folder dialog of
// another program holds the tool until the target has done so.
TEST_F(HandOffE2E, RemovalFailuresAreSilent)
{
    struct Case {
        const char* option;
        bool leftBehind;
    };
    for (const Case& c : {Case{"--delete", false}, Case{"--hold-open 4000", true}}) {
        SCOPED_TRACE(c.option);
        ::DeleteFileA((record + ".cmd").c_str());
        UseStandInTarget(c.option, true);
        StandInDialog dialog(FolderDialogTitleOld);
        const auto run = StartTool("http://a/");
        const DWORD start = ::GetTickCount();
        while (!TargetRan() && ::GetTickCount() - start < 10000) ::Sleep(20);
        ASSERT_TRUE(TargetRan());
        ::Sleep(500);
        dialog.Close();
        EXPECT_TRUE(run->WaitForExit(5000));
        EXPECT_EQ(run->ExitCode(), 0u);
        EXPECT_EQ(WaitForWindowOf(run->ProcessId(), "#32770", nullptr, 0), nullptr) << "no message";
        EXPECT_EQ(FileExists(ShortcutIn("")), c.leftBehind);
        ::Sleep(c.leftBehind ? 4000 : 0); // until the holder lets go
        ::DeleteFileA(ShortcutIn("").c_str());
    }
}

// A console target has no message queue: the idle wait returns at once.
TEST_F(HandOffE2E, ConsoleTargetCausesNoIdleDelay)
{
    UseStandInTarget("", true);
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(RunTool("http://a/"), 0u);
    const DWORD elapsed = ::GetTickCount() - start;
    std::printf("hand-off with a console target took %lu ms\n", static_cast<unsigned long>(elapsed));
    EXPECT_LT(elapsed, 9000u) << "a console target must not cost the 10 s idle limit";
}
