// The small application framework the tool runs on: an application object
// with a hidden window and a message loop, and forms built from a stored
// description (an RCDATA resource named after the form's class).
#pragma once

#include "Exceptions.h"
#include "UniqueHandle.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A component owns the components created with it as their owner and
// destroys them with itself.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

protected:
    // Destroys the owned components now, newest first.
    void DestroyComponents();

private:
    std::vector<std::unique_ptr<TComponent>> components_;
};

// Something with a window of its own whose messages come to WndProc.
class TWindowTarget {
public:
    virtual ~TWindowTarget() = default;
    HWND Handle() const { return handle_; }

protected:
    // Registers the class on first use and creates the window.
    void CreateWindowOfClass(const char* className, DWORD style, const char* caption, int left, int top, int width,
                             int height, HWND owner, HBRUSH background);
    void DestroyOwnWindow();
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend LRESULT CALLBACK WindowProcThunk(HWND, UINT, WPARAM, LPARAM);
    HWND handle_ = nullptr;
};

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

struct TFont {
    int Charset = DEFAULT_CHARSET;
    COLORREF Color = 0;
    int Height = -12;
    std::string Name; // ANSI code page
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;

    HFONT Handle();

private:
    UniqueFont handle_;
};

class TCustomForm : public TComponent, public TWindowTarget {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // The last steps of construction: the stored description, then OnCreate
    // (an error in it is shown and construction goes on), then the window.
    void FinishConstruction();

    void Show();
    void Close();
    bool Visible() const { return visible_; }

    int Left = 0, Top = 0, Width = 320, Height = 240;
    std::string Caption;
    COLORREF Color = 0;
    int ColorSysIndex = COLOR_BTNFACE; // a system colour, or -1 for Color
    TFont Font;
    TWindowState WindowState = TWindowState::wsNormal;
    TNotifyEvent OnCreate;

protected:
    virtual const char* ClassName() const = 0;
    // The published handler of that name, for binding events.
    virtual TNotifyEvent MethodAddress(const std::string& name);
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ReadDescription();
    void HandleNeeded();
    bool visible_ = false;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

class TApplication : public TComponent, public TWindowTarget {
public:
    TApplication();
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    TCustomForm* MainForm() const { return mainForm_; }
    bool Terminated() const { return terminated_; }
    bool ShowMainForm = true;

    void Initialize();
    template <typename Form>
    void CreateForm(Form*& reference)
    {
        Form* form = new Form(this);
        reference = form;
        form->FinishConstruction();
        if (mainForm_ == nullptr) mainForm_ = form;
    }
    void Run();
    // Handles every message waiting in the queue; never waits for one.
    void ProcessMessages();
    void Terminate();
    void Minimize();
    void Restore();

    // Shows the error being handled (call inside a catch block).
    void HandleException(TObject* sender);
    void ShowException(const std::string& message);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool ProcessMessage(MSG& message);
    void HandleMessage();

    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

// The application object; exists between StartFramework and EndFramework.
extern TApplication* Application;

// Framework start-up: lead bytes, start-up show command, application object.
void StartFramework();
// Destroys the application object and with it every form.
void EndFramework();
