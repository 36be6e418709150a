// The main form and the hand-off: the whole run happens while Form1 is
// being created.
#pragma once

#include "platform/Forms.h"

#include <string>

class TForm1 : public TForm {
public:
    using TForm::TForm;
    void FormCreate(TObject* Sender);

protected:
    const char* ClassName() const override { return "TForm1"; }
    TNotifyEvent MethodAddress(const std::string& name) override;
};

extern TForm1* Form1;

// The shortcut file's full path; set just before the file is created.
extern std::string ShortcutPath;
// The target program's command line; set once the file is written.
extern std::string TargetCommandLine;

void PrepareShortcut();
void StartTarget();
void WaitAndRemoveShortcut();

// The configuration file's name: the executable's path with ".ini".
std::string ConfigFileName();
// True while a folder-browsing dialog is open on the desktop.
bool FolderDialogIsOpen();
