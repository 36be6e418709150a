// The shortcut's name, from a real stand-in browser window, as the target
// program receives it.
#include "ToolFixture.h"

namespace {

struct NameCase {
    const char* what;
    std::string title;
    std::string url;
    std::string name;
};

const NameCase NameCases[] = {
    {"Japanese title with suffix", "日本語のページ - unDonut", "http://a.jp/", "日本語のページ"},
    {"suffix in capitals, nine characters", "a\\b/c:d*e?f\"g<h>i|j - UNDONUT", "http://a.jp/",
     "a\x81\x8F" "b\x81\x5E" "c\x81\x46" "d\x81\x96" "e\x81\x48" "f\x81\x68" "g\x81\x83" "h\x81\x84" "i\x81\x62" "j"},
    {"title unDonut gives the URL", "unDonut", "http://a.jp/x?y", "http\x81\x46\x81\x5E\x81\x5E" "a.jp\x81\x5E" "x\x81\x48" "y"},
    {"trail bytes 0x5C and 0x7C", "ソ表ポ\\ - unDonut", "http://a.jp/", "ソ表ポ\x81\x8F"},
    {"only the suffix", " - unDonut", "http://a.jp/", ""},
    {"name already ending in .url", "page.url - unDonut", "http://a.jp/", "page.url"},
};

class ShortcutNameE2E : public ToolFixture {};

} // namespace

TEST_F(ShortcutNameE2E, NamesFromBrowserTitle)
{
    UseStandInTarget();
    for (const NameCase& c : NameCases) {
        SCOPED_TRACE(c.what);
        ::DeleteFileA((record + ".arg").c_str());
        StandInBrowser browser(c.title);
        EXPECT_EQ(RunTool("\"" + c.url + "\""), 0u);
        EXPECT_EQ(Recorded(".arg"), ShortcutIn(c.name));
        EXPECT_EQ(Recorded(".url"), ShortcutBytes(c.url));
        EXPECT_FALSE(FileExists(ShortcutIn(c.name))) << "the shortcut is removed at the end";
    }
}

TEST_F(ShortcutNameE2E, NoBrowserWindowGivesEmptyName)
{
    UseStandInTarget();
    EXPECT_EQ(RunTool("http://a.jp/"), 0u);
    EXPECT_EQ(Recorded(".arg"), workDir + "\\.url");
    EXPECT_EQ(Recorded(".url"), ShortcutBytes("http://a.jp/"));
}
