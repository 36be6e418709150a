// Windows that other processes look for, each run by a thread of its own
// that pumps its messages: a stand-in browser main window and a stand-in
// folder dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

// A window created and served by its own thread until Close() or the end
// of the object.
class WindowThread {
public:
    explicit WindowThread(std::function<HWND()> create);
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    HWND Window() const { return window_; }
    // Destroys the window and waits until it is gone.
    void Close();

private:
    void Serve(std::function<HWND()> create);

    HANDLE ready_ = nullptr;
    HANDLE release_ = nullptr;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
    std::thread thread_;
};

enum class BrowserBehaviour {
    Answers,      // reports its title's length and gives the title
    AbsurdLength, // reports a length of about 2 GB, then gives the title
    Hung,         // never answers until the stand-in is closed
};

// A top-level window of class "WTL:Donut" whose title is exactly the given
// bytes; it answers WM_GETTEXT itself, so no conversion touches them.
class StandInBrowser {
public:
    explicit StandInBrowser(std::string titleBytes, BrowserBehaviour behaviour = BrowserBehaviour::Answers);
    HWND Window() const { return window_.Window(); }
    void Close() { window_.Close(); }

    // Used by the window procedure.
    const std::string title;
    const BrowserBehaviour behaviour;

private:
    WindowThread window_;
};

// A top-level dialog window (class "#32770") with the given title bytes.
class StandInDialog {
public:
    explicit StandInDialog(const std::string& titleBytes);
    HWND Window() const { return window_.Window(); }
    void Close() { window_.Close(); }

private:
    WindowThread window_;
};

// The two titles of the system's folder-browsing dialog on Japanese Windows.
inline const std::string FolderDialogTitleOld = "フォルダの参照";
inline const std::string FolderDialogTitleNew = "フォルダーの参照";
