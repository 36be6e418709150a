// A scratch world for one run of the real tool: its own copy of the tool
// with a configuration beside it, a working folder it is started in, and a
// record prefix for the stand-in target.
#pragma once

#include "StandInWindows.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class ToolFixture : public ::testing::Test {
protected:
    void SetUp() override { ::CreateDirectoryA(workDir.c_str(), nullptr); }

    // The stand-in target, recording into `record`, with extra options. The
    // window program is the one to record with: the tool's idle wait ends
    // only when it has recorded and ended, while a console target may still
    // be starting when the shortcut is removed.
    std::string StandInTarget(const std::string& options = "", bool console = false) const
    {
        return (console ? StandInConsoleTargetPath() : StandInTargetPath()) + " --record " + record +
               (options.empty() ? "" : " " + options);
    }
    void UseStandInTarget(const std::string& options = "", bool console = false) const
    {
        tool.ConfigureTarget(StandInTarget(options, console));
    }

    std::unique_ptr<RunningProgram> StartTool(const std::string& arguments, int showCommand = -1) const
    {
        return std::make_unique<RunningProgram>(ToolCommandLine(tool.ExePath(), arguments), workDir, showCommand);
    }
    // Runs the tool to its end; fails the test if it does not end in time.
    DWORD RunTool(const std::string& arguments, DWORD timeoutMs = 30000) const
    {
        const auto run = StartTool(arguments);
        EXPECT_TRUE(run->WaitForExit(timeoutMs)) << "the tool did not end within " << timeoutMs << " ms";
        return run->ExitCode();
    }

    // Runs the tool while another program's folder dialog holds it until the
    // target has recorded, so that even a console target (whose start the
    // idle wait does not follow) reads the shortcut before it goes.
    DWORD RunHeldUntilTargetRan(const std::string& arguments) const
    {
        StandInDialog dialog(FolderDialogTitleOld);
        const auto run = StartTool(arguments);
        const DWORD start = ::GetTickCount();
        while (!TargetRan() && ::GetTickCount() - start < 15000) ::Sleep(20);
        EXPECT_TRUE(TargetRan()) << "the target did not run";
        ::Sleep(300);
        dialog.Close();
        EXPECT_TRUE(run->WaitForExit(5000));
        return run->ExitCode();
    }

    std::string Recorded(const std::string& extension) const
    {
        std::string content;
        ReadWholeFile(record + extension, content);
        return content;
    }
    bool TargetRan() const { return FileExists(record + ".cmd"); }
    std::string ShortcutIn(const std::string& name) const { return workDir + "\\" + name + ".url"; }

    ScratchFolder scratch;
    const std::string workDir = scratch / "work";
    const ToolInstall tool{scratch / "tool"};
    const std::string record = scratch / "rec";
};

// The bytes of a shortcut file for a URL.
inline std::string ShortcutBytes(const std::string& url) { return "[InternetShortcut]\r\nURL=" + url + "\r\n"; }
