// The shortcut file's bytes as the target program reads them.
#include "ToolFixture.h"

namespace {
class ShortcutFileE2E : public ToolFixture {};
}

TEST_F(ShortcutFileE2E, ContentByteForByte)
{
    UseStandInTarget();
    struct Case {
        const char* what;
        std::string arguments;
        std::string url;
    };
    const Case cases[] = {
        {"plain URL", "http://example.jp/index.html", "http://example.jp/index.html"},
        {"no URL: 26 bytes", "", ""},
        {"Shift-JIS URL", "\"http://例え.jp/ページ?q=検索\"", "http://例え.jp/ページ?q=検索"},
        {"101-byte URL: 127 bytes", "http://a/" + std::string(92, 'x'), "http://a/" + std::string(92, 'x')},
        {"102-byte URL: 128 bytes", "http://a/" + std::string(93, 'y'), "http://a/" + std::string(93, 'y')},
        {"300-byte URL", "http://a/" + std::string(291, 'z'), "http://a/" + std::string(291, 'z')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::DeleteFileA((record + ".url").c_str());
        EXPECT_EQ(RunTool(c.arguments), 0u);
        const std::string content = Recorded(".url");
        EXPECT_EQ(content, ShortcutBytes(c.url));
        EXPECT_EQ(content.size(), 26 + c.url.size());
    }
}

// Raw CR and LF inside a quoted argument would add lines (and keys) to the
// file; they are written as %0D and %0A, and the file stays two lines.
TEST_F(ShortcutFileE2E, UrlCannotAddLines)
{
    UseStandInTarget();
    EXPECT_EQ(RunTool("\"http://a.jp/x\r\nIconFile=\\\\host\\share\\i.ico\rY\nZ\""), 0u);
    EXPECT_EQ(Recorded(".url"), ShortcutBytes("http://a.jp/x%0D%0AIconFile=\\\\host\\share\\i.ico%0DY%0AZ"));
}

TEST_F(ShortcutFileE2E, ExistingFileOfTheSameNameIsReplaced)
{
    UseStandInTarget();
    WriteWholeFile(ShortcutIn("page"), std::string(500, 'o')); // older and longer
    StandInBrowser browser("page - unDonut");
    EXPECT_EQ(RunTool("http://new/"), 0u);
    EXPECT_EQ(Recorded(".arg"), ShortcutIn("page"));
    EXPECT_EQ(Recorded(".url"), ShortcutBytes("http://new/"));
    EXPECT_FALSE(FileExists(ShortcutIn("page")));
}

TEST_F(ShortcutFileE2E, NameEndingInUrlGetsTheExtensionAgain)
{
    UseStandInTarget();
    StandInBrowser browser("list.url - unDonut");
    EXPECT_EQ(RunTool("http://a/"), 0u);
    EXPECT_EQ(Recorded(".arg"), ShortcutIn("list.url"));
}

// In a drive root the directory already ends in a backslash; the path then
// holds two in a row, and the same path is written, handed on and deleted.
TEST_F(ShortcutFileE2E, DriveRoot)
{
    UseStandInTarget();
    const std::string name = "sendpage-root-test-" + std::to_string(::GetCurrentProcessId());
    StandInBrowser browser(name + " - unDonut");
    RunningProgram run(ToolCommandLine(tool.ExePath(), "http://root/"), "C:\\");
    ASSERT_TRUE(run.WaitForExit(30000));
    EXPECT_EQ(run.ExitCode(), 0u);
    EXPECT_EQ(Recorded(".arg"), "C:\\\\" + name + ".url");
    EXPECT_EQ(Recorded(".url"), ShortcutBytes("http://root/"));
    EXPECT_FALSE(FileExists("C:\\" + name + ".url"));
}
