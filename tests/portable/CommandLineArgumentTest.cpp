// The URL as the first command-line argument, stepping over double-byte
// characters as the system's character step does.
#include "model/CommandLineModel.h"
#include "platform/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const LeadByteSet ShiftJis = LeadByteSet::ShiftJis();

// One character on under code page 932; stays put at the terminating zero.
const char* NextShiftJisChar(const char* p)
{
    if (*p == '\0') return p;
    return (ShiftJis.Contains(*p) && p[1] != '\0') ? p + 2 : p + 1;
}

struct ArgumentCase {
    const char* what;
    std::string commandLine;
    int index;
    std::string expected;
};

const ArgumentCase Cases[] = {
    {"plain URL", "tool.exe http://a/b?c=d", 1, "http://a/b?c=d"},
    {"own path", "C:\\tool.exe http://a/", 0, "C:\\tool.exe"},
    {"quoted path and URL keep their blanks",
     "\"C:\\Program Files\\tool.exe\" \"http://a/b c\"", 1, "http://a/b c"},
    {"unquoted URL ends at the first blank", "tool.exe http://a/b c", 1, "http://a/b"},
    {"further arguments are ignored", "tool.exe a b c", 1, "a"},
    {"the third argument", "tool.exe a b c", 2, "b"},
    {"no argument", "tool.exe", 1, ""},
    {"only separators after the path", "tool.exe \t\x01 ", 1, ""},
    {"empty command line", "", 1, ""},
    {"control characters separate", "tool.exe\t\x1F\x01http://a/", 1, "http://a/"},
    {"a pair of quotation marks alone is skipped", "tool.exe \"\" http://a/", 1, "http://a/"},
    {"pairs before the argument are skipped", "tool.exe \"\"\"\"http://a/", 1, "http://a/"},
    {"doubled quotation marks inside add nothing", "tool.exe ab\"\"cd", 1, "abcd"},
    {"quotes in the middle keep blanks", "tool.exe http://a/\"b c\"d e", 1, "http://a/b cd"},
    {"unterminated quote runs to the end", "tool.exe \"http://a/ b", 1, "http://a/ b"},
    {"quoted control characters belong to it", "tool.exe \"a\tb\"", 1, "a\tb"},
    // A second byte that looks like a quotation mark or a blank is part of
    // its character (not real Shift-JIS, but the step decides).
    {"lead byte before a quotation mark", "tool.exe a\x81\"b c", 1, "a\x81\"b"},
    {"lead byte before a blank", "tool.exe a\x81 b c", 1, "a\x81 b"},
    {"lead byte at the very end", "tool.exe a\x81", 1, "a\x81"},
    // ソ and 表 end in 0x5C; ポ in 0x7C.
    {"double-byte characters", "tool.exe http://a/\x83\x5C\x95\x5C\x83\x7C", 1, "http://a/\x83\x5C\x95\x5C\x83\x7C"},
    {"only quotation marks", "\"\" \"\"", 1, ""},
    {"a lone quotation mark", "\"", 0, ""},
    {"a quoted run that is left open", "\"\"\"tool", 0, "tool"},
};

TEST(CommandLineArgument, FollowsTheArgumentRule)
{
    for (const ArgumentCase& c : Cases) {
        EXPECT_EQ(CommandLineArgument(c.commandLine.c_str(), c.index, NextShiftJisChar), c.expected) << c.what;
        EXPECT_EQ(model::CommandLineArgument(c.commandLine, c.index, ShiftJis), c.expected) << "model: " << c.what;
    }
}

TEST(CommandLineArgument, ASingleByteStepTakesEveryByteAlone)
{
    const auto nextByte = [](const char* p) { return *p ? p + 1 : p; };
    EXPECT_EQ(CommandLineArgument("tool.exe a\x81\"b c\"", 1, nextByte), "a\x81" "b c");
    EXPECT_EQ(model::CommandLineArgument("tool.exe a\x81\"b c\"", 1, LeadByteSet()), "a\x81" "b c");
}

} // namespace
