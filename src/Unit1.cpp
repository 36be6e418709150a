#include "Unit1.h"

#include "ShortcutContent.h"
#include "ShortcutName.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/IniFiles.h"
#include "platform/ProcessStart.h"
#include "platform/TextOutput.h"
#include "platform/WindowQuery.h"

TForm1* Form1 = nullptr;
std::string ShortcutPath;
std::string TargetCommandLine;

namespace {

constexpr const char* BrowserWindowClass = "WTL:Donut";
constexpr unsigned IdleTimeoutMs = 10000;
constexpr unsigned DialogPollMs = 500;
constexpr const char* DialogWindowClass = "#32770";
// The folder-browsing dialog's title on Japanese Windows: the older
// spelling, and the one with the long-vowel mark used since Windows 8
// (Shift-JIS bytes).
constexpr const char* FolderDialogTitles[] = {
    "\x83\x74\x83\x48\x83\x8B\x83\x5F\x82\xCC\x8E\x51\x8F\xC6",         // フォルダの参照
    "\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B\x82\xCC\x8E\x51\x8F\xC6", // フォルダーの参照
};

} // namespace

TNotifyEvent TForm1::MethodAddress(const std::string& name)
{
    if (name == "FormCreate") return [this](TObject* sender) { FormCreate(sender); };
    return TForm::MethodAddress(name);
}

void TForm1::FormCreate(TObject*)
{
    PrepareShortcut();
    StartTarget();
    WaitAndRemoveShortcut();
    Application->Terminate();
}

std::string ConfigFileName() { return ChangeFileExt(ModuleFileName(), ".ini", SysLeadBytes()); }

void PrepareShortcut()
{
    std::string targetPath;
    std::string shortcutDirectory;
    {
        TIniFile config(ConfigFileName());
        targetPath = config.ReadString("Path", "wwwc", "");
        shortcutDirectory = CurrentDirectory() + "\\";
    }

    const std::string windowTitle = TitleOfTopLevelWindow(BrowserWindowClass);
    const std::string url = ParamStr(1);
    const std::string shortcutName = ShortcutNameFromTitle(windowTitle, url, SysLeadBytes(), SystemCaseRules());

    const std::string sectionLine(ShortcutSectionLine);
    const std::string urlLine = ShortcutUrlLine(url);
    ShortcutPath = shortcutDirectory + shortcutName + ".url";

    Win32FileSink file;
    TextOutput shortcut(file);
    shortcut.Assign(ShortcutPath);
    shortcut.Rewrite();
    CheckInOut();
    shortcut.Write(sectionLine);
    shortcut.WriteLine();
    CheckInOut();
    shortcut.Write(urlLine);
    shortcut.WriteLine();
    CheckInOut();
    shortcut.Close();
    CheckInOut();

    TargetCommandLine = targetPath + " \"" + ShortcutPath + "\"";
}

void StartTarget() { StartProgramAndWaitForIdle(TargetCommandLine, IdleTimeoutMs); }

bool FolderDialogIsOpen()
{
    for (const char* title : FolderDialogTitles)
        if (TopLevelWindowExists(DialogWindowClass, title)) return true;
    return false;
}

void WaitAndRemoveShortcut()
{
    while (FolderDialogIsOpen()) {
        Application->ProcessMessages();
        PauseMilliseconds(DialogPollMs);
    }
    DeleteFileIgnoringResult(ShortcutPath);
}
