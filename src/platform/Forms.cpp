#include "Forms.h"

#include "CodePage.h"
#include "ErrorText.h"
#include "FormDescription.h"

#include <exception>

TApplication* Application = nullptr;

namespace {

int startupShowCommand = SW_SHOWDEFAULT;

// Disables the thread's visible, enabled top-level windows while a modal
// box is open, and enables them again afterwards.
class TaskWindowsDisabled {
public:
    TaskWindowsDisabled() { ::EnumThreadWindows(::GetCurrentThreadId(), &Disable, reinterpret_cast<LPARAM>(this)); }
    ~TaskWindowsDisabled()
    {
        for (HWND window : disabled_)
            if (::IsWindow(window)) ::EnableWindow(window, TRUE);
    }
    TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
    TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK Disable(HWND window, LPARAM self)
    {
        if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
            ::EnableWindow(window, FALSE);
            reinterpret_cast<TaskWindowsDisabled*>(self)->disabled_.push_back(window);
        }
        return TRUE;
    }
    std::vector<HWND> disabled_;
};

std::string ToAnsi(const std::u16string& text)
{
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int wideLength = static_cast<int>(text.size());
    const int length = ::WideCharToMultiByte(CP_ACP, 0, wide, wideLength, nullptr, 0, nullptr, nullptr);
    std::string ansi(length > 0 ? length : 0, '\0');
    if (length > 0) ::WideCharToMultiByte(CP_ACP, 0, wide, wideLength, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

std::string ResourceText(const char* name)
{
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC found = ::FindResourceA(module, name, MAKEINTRESOURCEA(10)); // RT_RCDATA
    const HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (data == nullptr) throw Exception(std::string("Resource ") + name + " not found");
    return std::string(static_cast<const char*>(data), ::SizeofResource(module, found));
}

struct NamedValue {
    const char* name;
    int value;
};

int ValueOf(const std::string& identifier, std::initializer_list<NamedValue> table)
{
    for (const NamedValue& entry : table)
        if (identifier == entry.name) return entry.value;
    throw Exception("Invalid property value " + identifier);
}

bool BooleanOf(const FormProperty& p) { return ValueOf(p.identifier, {{"False", 0}, {"True", 1}}) != 0; }

// A colour is either an RGB number or one of the system colours by name;
// returns the system colour index or -1 with rgb set.
int ColourOf(const FormProperty& p, COLORREF& rgb)
{
    if (p.kind == FormProperty::Kind::Integer) {
        rgb = static_cast<COLORREF>(p.integer);
        return -1;
    }
    return ValueOf(p.identifier, {{"clBtnFace", COLOR_BTNFACE}, {"clWindow", COLOR_WINDOW},
                                  {"clWindowText", COLOR_WINDOWTEXT}, {"clBtnText", COLOR_BTNTEXT}});
}

} // namespace

// ---- components ----

TComponent::TComponent(TComponent* owner)
{
    if (owner != nullptr) owner->components_.emplace_back(this);
}

TComponent::~TComponent() { DestroyComponents(); }

void TComponent::DestroyComponents()
{
    while (!components_.empty()) components_.pop_back();
}

// ---- windows ----

LRESULT CALLBACK WindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* target = reinterpret_cast<TWindowTarget*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        target = static_cast<TWindowTarget*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
        target->handle_ = window;
    }
    if (target == nullptr) return ::DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        target->handle_ = nullptr;
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    // No C++ error may cross the system's stack frames: show it here.
    try {
        return target->WndProc(message, wParam, lParam);
    } catch (...) {
        if (Application != nullptr) Application->HandleException(nullptr);
        return 0;
    }
}

void TWindowTarget::CreateWindowOfClass(const char* className, DWORD style, const char* caption, int left, int top,
                                        int width, int height, HWND owner, HBRUSH background)
{
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    if (!::GetClassInfoA(instance, className, &existing)) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = WindowProcThunk;
        windowClass.hInstance = instance;
        windowClass.hIcon = ::LoadIconA(instance, "MAINICON");
        windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = className;
        ::RegisterClassA(&windowClass);
    }
    if (::CreateWindowExA(0, className, caption, style, left, top, width, height, owner, nullptr, instance, this) ==
        nullptr)
        throw Exception(std::string("Cannot create window of class ") + className);
}

void TWindowTarget::DestroyOwnWindow()
{
    if (handle_ == nullptr) return;
    const HWND window = handle_;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    handle_ = nullptr;
    ::DestroyWindow(window);
}

LRESULT TWindowTarget::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TWindowTarget::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(handle_, message, wParam, lParam);
}

// ---- forms ----

HFONT TFont::Handle()
{
    if (!handle_.Valid()) {
        handle_.Reset(::CreateFontA(Height, 0, 0, 0, Bold ? FW_BOLD : FW_NORMAL, Italic, Underline, StrikeOut,
                                    static_cast<DWORD>(Charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH, Name.c_str()));
    }
    return handle_.Get();
}

TCustomForm::TCustomForm(TComponent* owner) : TComponent(owner) {}

TCustomForm::~TCustomForm() { DestroyOwnWindow(); }

TNotifyEvent TCustomForm::MethodAddress(const std::string&) { return {}; }

void TCustomForm::ReadDescription()
{
    const FormDescription description = ParseFormDescription(ResourceText(ClassName()));
    for (const FormProperty& p : description.properties) {
        const std::string& name = p.name;
        if (name == "Left") Left = static_cast<int>(p.integer);
        else if (name == "Top") Top = static_cast<int>(p.integer);
        else if (name == "Width") Width = static_cast<int>(p.integer);
        else if (name == "Height") Height = static_cast<int>(p.integer);
        else if (name == "Caption") Caption = ToAnsi(p.text);
        else if (name == "Color") ColorSysIndex = ColourOf(p, Color);
        else if (name == "Font.Charset")
            Font.Charset = ValueOf(p.identifier, {{"DEFAULT_CHARSET", DEFAULT_CHARSET},
                                                  {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
                                                  {"ANSI_CHARSET", ANSI_CHARSET}});
        else if (name == "Font.Color") {
            const int index = ColourOf(p, Font.Color);
            if (index >= 0) Font.Color = ::GetSysColor(index);
        } else if (name == "Font.Height") Font.Height = static_cast<int>(p.integer);
        else if (name == "Font.Name") Font.Name = ToAnsi(p.text);
        else if (name == "Font.Style") {
            Font.Bold = p.identifier.find("fsBold") != std::string::npos;
            Font.Italic = p.identifier.find("fsItalic") != std::string::npos;
            Font.Underline = p.identifier.find("fsUnderline") != std::string::npos;
            Font.StrikeOut = p.identifier.find("fsStrikeOut") != std::string::npos;
        } else if (name == "OldCreateOrder") {
            if (BooleanOf(p)) throw Exception("OldCreateOrder True is not supported");
        } else if (name == "OnCreate") {
            OnCreate = MethodAddress(p.identifier);
            if (!OnCreate) throw Exception("Method " + p.identifier + " not found");
        } else if (name == "PixelsPerInch" || name == "TextHeight") {
            // The resolution the form was laid out at; the form is not rescaled.
        } else
            throw Exception("Property " + name + " does not exist");
    }
}

void TCustomForm::FinishConstruction()
{
    ReadDescription();
    if (OnCreate) {
        try {
            OnCreate(this);
        } catch (...) {
            Application->HandleException(this);
        }
    }
    HandleNeeded();
}

void TCustomForm::HandleNeeded()
{
    if (Handle() != nullptr) return;
    const HBRUSH background = ColorSysIndex >= 0 ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(ColorSysIndex + 1))
                                                 : nullptr;
    CreateWindowOfClass(ClassName(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, Caption.c_str(), Left, Top, Width, Height,
                        Application != nullptr ? Application->Handle() : nullptr, background);
    ::SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font.Handle()), FALSE);
}

void TCustomForm::Show()
{
    HandleNeeded();
    visible_ = true;
    if (WindowState == TWindowState::wsMinimized) WindowState = TWindowState::wsNormal;
    // The application's window carries the taskbar entry while a form is shown.
    if (Application != nullptr && !::IsWindowVisible(Application->Handle()))
        ::ShowWindow(Application->Handle(), SW_SHOWNOACTIVATE);
    ::ShowWindow(Handle(), WindowState == TWindowState::wsMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

void TCustomForm::Close()
{
    visible_ = false;
    if (Handle() != nullptr) ::ShowWindow(Handle(), SW_HIDE);
    if (Application != nullptr && Application->MainForm() == this) Application->Terminate();
}

LRESULT TCustomForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && Application != nullptr && Application->MainForm() == this) {
            Application->Minimize();
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (ColorSysIndex < 0) {
            RECT area;
            ::GetClientRect(Handle(), &area);
            const HBRUSH brush = ::CreateSolidBrush(Color);
            ::FillRect(reinterpret_cast<HDC>(wParam), &area, brush);
            ::DeleteObject(brush);
            return 1;
        }
        break;
    }
    return DefaultHandler(message, wParam, lParam);
}

// ---- the application ----

TApplication::TApplication() : TComponent(nullptr), title_(ApplicationTitleOfModule())
{
    // A window with no area of its own, centred on the screen; shown only to
    // give the tool its taskbar entry while a form is visible.
    const int x = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = ::GetSystemMetrics(SM_CYSCREEN) / 2;
    CreateWindowOfClass("TApplication", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                        title_.c_str(), x, y, 0, 0, nullptr, nullptr);
}

TApplication::~TApplication()
{
    DestroyComponents();
    DestroyOwnWindow();
}

void TApplication::Initialize() {}

void TApplication::Terminate() { ::PostQuitMessage(0); }

void TApplication::Run()
{
    if (mainForm_ == nullptr) return;
    if (startupShowCommand == SW_SHOWMAXIMIZED)
        mainForm_->WindowState = TWindowState::wsMaximized;
    else if (startupShowCommand == SW_SHOWMINNOACTIVE)
        mainForm_->WindowState = TWindowState::wsMinimized;

    if (ShowMainForm) {
        if (mainForm_->WindowState == TWindowState::wsMinimized)
            Minimize();
        else
            mainForm_->Show();
    }
    do {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    } while (!terminated_);
}

bool TApplication::ProcessMessage(MSG& message)
{
    if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) {
        terminated_ = true;
    } else {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

void TApplication::HandleMessage()
{
    MSG message;
    if (!ProcessMessage(message)) ::WaitMessage();
}

void TApplication::ProcessMessages()
{
    MSG message;
    while (ProcessMessage(message)) {
    }
}

void TApplication::Minimize()
{
    if (mainForm_ != nullptr && mainForm_->Handle() != nullptr) ::ShowWindow(mainForm_->Handle(), SW_HIDE);
    ::ShowWindow(Handle(), SW_SHOWMINNOACTIVE);
}

void TApplication::Restore()
{
    ::ShowWindow(Handle(), SW_RESTORE);
    if (mainForm_ != nullptr && ShowMainForm) mainForm_->Show();
}

LRESULT TApplication::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ENDSESSION:
        if (wParam != 0) terminated_ = true;
        return 0;
    case WM_CLOSE:
        // Closing the application closes its main form; before there is
        // one, there is nothing to close.
        if (mainForm_ != nullptr) mainForm_->Close();
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            Minimize();
            return 0;
        case SC_RESTORE:
            Restore();
            return 0;
        }
        break;
    }
    return DefaultHandler(message, wParam, lParam);
}

void TApplication::HandleException(TObject*)
{
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& error) {
        ShowException(error.Message());
    } catch (const std::exception& error) {
        ShowException(error.what());
    } catch (...) {
        ShowException("Unknown error");
    }
}

void TApplication::ShowException(const std::string& message)
{
    const std::string text = WithFullStop(message, SysLeadBytes());
    char caption[256] = {};
    ::GetWindowTextA(Handle(), caption, sizeof caption);
    TaskWindowsDisabled disabled;
    ::MessageBoxA(Handle(), text.c_str(), caption, MB_OK | MB_ICONERROR);
}

// ---- start and end ----

void StartFramework()
{
    InitLeadBytes();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    startupShowCommand = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    Application = new TApplication;
}

void EndFramework()
{
    delete Application;
    Application = nullptr;
}
