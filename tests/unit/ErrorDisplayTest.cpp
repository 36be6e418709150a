// The error display: the real message box of this process, read back by a
// second thread and dismissed with OK.
#include "ToolRun.h"
#include "platform/ErrorText.h"
#include "platform/Forms.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <thread>

namespace {

class ErrorDisplay : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartFramework(); }
    static void TearDownTestSuite() { EndFramework(); }

    // Raises the error on this thread and lets the framework show it, while
    // a watcher reads whatever box appears within waitMs and presses OK.
    static std::optional<MessageBoxView> ShowAndRead(const std::function<void()>& raise, DWORD waitMs = 5000,
                                                     HWND otherWindow = nullptr, bool* otherWasDisabled = nullptr)
    {
        std::optional<MessageBoxView> seen;
        std::thread watcher([&] {
            const HWND box = WaitForWindowOf(::GetCurrentProcessId(), "#32770", nullptr, waitMs);
            if (box == nullptr) return;
            seen = ReadMessageBox(box);
            if (otherWindow != nullptr) *otherWasDisabled = !::IsWindowEnabled(otherWindow);
            PressOk(box);
        });
        try {
            raise();
        } catch (...) {
            Application->HandleException(nullptr);
        }
        watcher.join();
        return seen;
    }
};

} // namespace

TEST_F(ErrorDisplay, FullStopRuleOnRealMessages)
{
    struct Case {
        std::string message;
        std::string shown;
    };
    const Case cases[] = {
        {"ディスクがいっぱいです", "ディスクがいっぱいです."},
        {"I/O エラー (32)", "I/O エラー (32)"},
        {"ファイルへのアクセスが拒否されました", "ファイルへのアクセスが拒否されました."},
        {"ends in a full stop.", "ends in a full stop."},
        {"ends in a colon:", "ends in a colon:."},
        {"ends in a letter", "ends in a letter."},
        {"ends in a hyphen-", "ends in a hyphen-"},
        {"ソ", "ソ."}, // the trail byte 0x5C is part of a double-byte character
    };
    for (const Case& c : cases) {
        const auto box = ShowAndRead([&] { throw EInOutError(0, c.message); });
        ASSERT_TRUE(box.has_value()) << "no box for " << c.message;
        EXPECT_EQ(box->text, c.shown);
    }
}

TEST_F(ErrorDisplay, BoxHasApplicationTitleStopIconAndOneOkButton)
{
    const auto box = ShowAndRead([] { throw EInOutError(101, InOutErrorMessage(101)); });
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "unit_tests"); // from unit_tests.exe: the first byte keeps its case
    EXPECT_EQ(box->visibleButtons, 1);
    EXPECT_TRUE(box->hasOkButton);
    EXPECT_EQ(box->icon, ::LoadIconA(nullptr, MAKEINTRESOURCEA(32513))) << "expected the stop (hand) icon";
}

TEST_F(ErrorDisplay, AbortShowsNothing)
{
    const auto box = ShowAndRead([] { throw EAbort(); }, 1500);
    EXPECT_FALSE(box.has_value());
}

TEST_F(ErrorDisplay, OtherWindowsAreDisabledWhileTheBoxIsOpen)
{
    const HWND window = ::CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                          nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    bool wasDisabled = false;
    const auto box = ShowAndRead([] { throw EInOutError(5, InOutErrorMessage(5)); }, 5000, window, &wasDisabled);
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(wasDisabled);
    EXPECT_TRUE(::IsWindowEnabled(window)) << "enabled again after the box";
    ::DestroyWindow(window);
}
