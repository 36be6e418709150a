// The configuration file's name and the application title, both taken from
// the executable's path with multibyte-aware searches.
#include "model/CaseFunctions.h"

#include "platform/MultiByteText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PathCase {
    std::string path;
    std::string expected;
};

TEST(ChangeFileExt, ReplacesTheExtensionOfTheFileNameOnly)
{
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    const PathCase cases[] = {
        {"C:\\Tools\\sendpage.exe", "C:\\Tools\\sendpage.ini"},
        {"C:\\Tools\\archive.tar.gz", "C:\\Tools\\archive.tar.ini"},
        {"C:\\Tools.d\\sendpage", "C:\\Tools.d\\sendpage.ini"},
        {"C:\\Tools\\sendpage.", "C:\\Tools\\sendpage.ini"},
        {"C:sendpage", "C:sendpage.ini"},
        {"C:.d\\sendpage", "C:.d\\sendpage.ini"},
        {"sendpage.exe", "sendpage.ini"},
        {"", ".ini"},
        // 表 (0x95 0x5C) ends in a byte that is not a backslash here, so the
        // dot before it still starts the extension.
        {"C:\\Tools\\x.\x95\x5C", "C:\\Tools\\x.ini"},
        // ソ (0x83 0x5C) in the directory name hides no backslash either.
        {"C:\\\x83\x5C.d\\tool", "C:\\\x83\x5C.d\\tool.ini"},
    };
    for (const PathCase& c : cases) EXPECT_EQ(ChangeFileExt(c.path, ".ini", leads), c.expected) << c.path;
}

TEST(ChangeFileExt, TakesEveryByteAsABackslashUnderASingleByteCodePage)
{
    EXPECT_EQ(ChangeFileExt("C:\\Tools\\x.\x95\x5C", ".ini", LeadByteSet()), "C:\\Tools\\x.\x95\x5C.ini");
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotLowerCasedAfterItsFirstByte)
{
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    const PathCase cases[] = {
        {"C:\\Tools\\SENDPAGE.EXE", "Sendpage"},
        {"C:\\Tools\\Send.Page.exe", "Send"},
        {"C:\\Tools\\SENDPAGE", "Sendpage"},
        {"C:\\Tools.d\\SENDPAGE", "Sendpage"},
        {"SENDPAGE.EXE", "Sendpage"},
        {"C:\\Tools\\.EXE", ""},
        {"", ""},
        // 表 (0x95 0x5C): its second byte is not a backslash, so the name
        // starts at the real one before it.
        {"C:\\Tools\\\x95\x5CPAGE.EXE", "\x95\x5Cpage"},
        {"C:\\\x95\x5C\\X.EXE", "X"},
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(ApplicationTitleFromPath(c.path, leads, testcase::AsciiLowerInPlace), c.expected) << c.path;
}

} // namespace
