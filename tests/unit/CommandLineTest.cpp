// The URL argument, read with the system's CharNextA.
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

struct ArgumentCase {
    const char* what;
    std::string commandLine;
    std::string url;
};

const ArgumentCase ArgumentCases[] = {
    {"plain", "sendpage.exe http://a/b", "http://a/b"},
    {"quoted program path", "\"C:\\Program Files\\sendpage.exe\" http://a/b", "http://a/b"},
    {"quoted URL keeps blanks", "p \"http://a/b c\"", "http://a/b c"},
    {"unquoted URL ends at blank", "p http://a/b c", "http://a/b"},
    {"no argument", "p", ""},
    {"only blanks after program", "p   \t ", ""},
    {"lone pair of quotes skipped", "p \"\" http://a", "http://a"},
    {"two lone pairs skipped", "p \"\"\"\" http://a", "http://a"},
    {"quotes inside argument dropped", "p ab\"c d\"e f", "abc de"},
    {"doubled quote adds nothing", "p a\"\"b", "ab"},
    {"unterminated quote runs to the end", "p \"a b", "a b"},
    {"control characters separate", "p\t\x01http://a\x02rest", "http://a"},
    {"empty program path stops the scan", "\"\" http://a", ""},
    {"Japanese URL", "p http://例え.jp/ページ", "http://例え.jp/ページ"},
    // A lead byte takes the next byte with it, so a quote or a blank that
    // follows it is not a quote or a separator.
    {"quote byte after lead byte", "p a\x81\"b c", "a\x81\"b"},
    {"blank byte after lead byte", "p a\x81 b c", "a\x81 b"},
    {"trail byte 0x5C", "p \"\x83\x5C\"", "\x83\x5C"},
    {"lead byte at the end", "p a\x81", "a\x81"},
};

} // namespace

TEST(CommandLine, ArgumentTable)
{
    InitLeadBytes();
    for (const ArgumentCase& c : ArgumentCases)
        EXPECT_EQ(CommandLineArgumentOf(c.commandLine.c_str(), 1), c.url) << c.what;
}

TEST(CommandLine, ProgramPathIsArgumentZero)
{
    EXPECT_EQ(CommandLineArgumentOf("\"C:\\a b\\x.exe\" u", 0), "C:\\a b\\x.exe");
}
