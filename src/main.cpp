// Entry point: start the framework, create the main form (the hand-off runs
// while it is created), run the message loop, end with exit code 0.
#include "Unit1.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        StartFramework();
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->Run();
    } catch (...) {
        // Only a broken build gets here (a missing resource, say); say so
        // rather than vanish.
        if (Application != nullptr) Application->HandleException(nullptr);
    }
    EndFramework();
    return 0;
}
