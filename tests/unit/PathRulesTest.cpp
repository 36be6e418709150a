// Names derived from the executable's path: the configuration file and the
// application title, with the system's lead bytes and case rules.
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* what;
    std::string path;
    std::string expected;
};

} // namespace

TEST(PathRules, ConfigFileName)
{
    InitLeadBytes();
    const PathCase cases[] = {
        {"extension replaced", "D:\\apps\\tool.exe", "D:\\apps\\tool.ini"},
        {"last dot only", "D:\\apps\\tool.a.exe", "D:\\apps\\tool.a.ini"},
        {"dot in a directory", "D:\\apps.new\\tool", "D:\\apps.new\\tool.ini"},
        {"drive-relative", "D:tool", "D:tool.ini"},
        {"no separator", "tool", "tool.ini"},
        // 0x95 0x5C is one ideograph: its trail byte is not a backslash.
        {"trail byte 0x5C after the dot", "D:\\dir\\name.\x95\x5C", "D:\\dir\\name.ini"},
    };
    for (const PathCase& c : cases) EXPECT_EQ(ChangeFileExt(c.path, ".ini", SysLeadBytes()), c.expected) << c.what;
}

TEST(PathRules, ApplicationTitle)
{
    InitLeadBytes();
    const PathCase cases[] = {
        {"capitals", "C:\\Tools\\SENDPAGE.EXE", "Sendpage"},
        {"up to the first dot", "C:\\Tools\\Send.Page.exe", "Send"},
        {"no dot", "C:\\Tools\\NoDot", "Nodot"},
        {"trail byte 0x5C is no backslash", "C:\\dir\\\x95\x5C" "ABC.exe", "\x95\x5C" "abc"},
        // Lower-casing starts after the first character, not inside it.
        {"double-byte first character", "C:\\dir\\\x83\x41" "B.exe", "\x83\x41" "b"},
        {"dot in a directory", "C:\\a.b\\Tool", "Tool"},
    };
    for (const PathCase& c : cases) EXPECT_EQ(ApplicationTitleOfPath(c.path), c.expected) << c.what;
}
