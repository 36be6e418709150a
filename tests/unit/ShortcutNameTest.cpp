// From browser title to shortcut name, with the system's real code-page-932
// upper-casing and comparison.
#include "ShortcutName.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ' ';
    }
    return out;
}

struct TitleCase {
    const char* what;
    std::string title;
    std::string url;
    std::string expected;
};

class ShortcutName : public ::testing::Test {
protected:
    void SetUp() override { InitLeadBytes(); }
    std::string NameOf(const std::string& title, const std::string& url)
    {
        return ShortcutNameFromTitle(title, url, SysLeadBytes(), SystemCaseRules());
    }
};

const std::string Url = "http://example.jp/a?b=c";
// The URL after the character table: colon, solidus and question mark.
const std::string UrlAsName = "http\x81\x46\x81\x5E\x81\x5E" "example.jp\x81\x5E" "a\x81\x48" "b=c";

const TitleCase TitleCases[] = {
    {"suffix removed", "ページ - unDonut", Url, "ページ"},
    {"suffix in capitals", "ページ - UNDONUT", Url, "ページ"},
    {"suffix in mixed case", "Page - UnDoNuT", Url, "Page"},
    {"suffix in the middle", "A - unDonut B", Url, "A B"},
    {"every suffix goes", " - unDonut - unDonutX - unDonut", Url, "X"},
    {"exactly unDonut", "unDonut", Url, UrlAsName},
    {"unDonut with suffix", "unDonut - unDonut", Url, UrlAsName},
    {"unDonut without URL", "unDonut", "", ""},
    {"differs in case", "UNDONUT", Url, "UNDONUT"},
    {"differs by a blank", "unDonut ", Url, "unDonut "},
    {"only the suffix", " - unDonut", Url, ""},
    {"empty title", "", Url, ""},
    {"trail byte 0x5C kept", "\x83\x5C\x95\x5C", Url, "\x83\x5C\x95\x5C"},
    {"trail byte 0x7C kept", "\x83\x7C", Url, "\x83\x7C"},
    {"backslash after SO", "\x83\x5C\x5C", Url, "\x83\x5C\x81\x8F"},
    {"two lead bytes then backslash", "\x81\x81\x5C", Url, "\x81\x81\x81\x8F"},
    {"ME then SO", "\x83\x81\x83\x5C", Url, "\x83\x81\x83\x5C"},
    {"Cyrillic yeru then backslash", "\x84\x8D\x5C", Url, "\x84\x8D\x81\x8F"},
    {"the nine characters", "\\/:*?\"<>|", Url,
     "\x81\x8F\x81\x5E\x81\x46\x81\x96\x81\x48\x81\x68\x81\x83\x81\x84\x81\x62"},
    {"others unchanged", "a\tb. c\x01~", Url, "a\tb. c\x01~"},
    {"Japanese page", "日本語のページ: 概要 | サイト - unDonut", Url,
     "日本語のページ\x81\x46 概要 \x81\x62 サイト"},
};

} // namespace

TEST_F(ShortcutName, TitleTable)
{
    for (const TitleCase& c : TitleCases)
        EXPECT_EQ(Hex(NameOf(c.title, c.url)), Hex(c.expected)) << c.what;
}

TEST_F(ShortcutName, CharacterTableTwiceChangesNothing)
{
    for (const TitleCase& c : TitleCases) {
        const std::string once = NameOf(c.title, c.url);
        EXPECT_EQ(Hex(ReplaceFileNameCharacters(once, SysLeadBytes(), SystemCaseRules())), Hex(once)) << c.what;
    }
}
