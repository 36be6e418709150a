// The second line of the shortcut file.
#include "ShortcutContent.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ShortcutUrlLine, IsUrlEqualsAndTheUrlByteForByte)
{
    const struct {
        std::string url;
        std::string line;
    } cases[] = {
        {"", "URL="},
        {"http://example.com/a?b=c#d", "URL=http://example.com/a?b=c#d"},
        // ソ 表 ポ: double-byte characters, two of them ending in 0x5C
        {"http://a/\x83\x5C\x95\x5C\x83\x7C", "URL=http://a/\x83\x5C\x95\x5C\x83\x7C"},
        {"a b\t\"%0D", "URL=a b\t\"%0D"},
        {std::string("a\0b", 3), std::string("URL=a\0b", 7)},
        {"\xFF\x80\x01", "URL=\xFF\x80\x01"},
        // Raw line ends would add lines to the file.
        {"a\rb\nc\r\n", "URL=a%0Db%0Ac%0D%0A"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortcutUrlLine(c.url), c.line);
    EXPECT_EQ(ShortcutSectionLine, "[InternetShortcut]");
}

} // namespace
