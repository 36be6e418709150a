// The system's code page as the tool sees it under a Japanese locale.
#include "platform/CodePage.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(CodePage, LeadBytesAreShiftJisUnderJapaneseLocale)
{
    InitLeadBytes();
    const LeadByteSet expected = LeadByteSet::ShiftJis();
    for (unsigned b = 0; b < 256; ++b)
        EXPECT_EQ(SysLeadBytes().Contains(static_cast<unsigned char>(b)), expected.Contains(static_cast<unsigned char>(b)))
            << "byte 0x" << std::hex << b;
    EXPECT_EQ(::GetACP(), 932u) << "run with LANG and LC_ALL set to ja_JP.UTF-8";
}

// The system's upper-casing gives CYRILLIC SMALL LETTER YERU an upper-case
// form whose trail byte is a backslash: the reason the trail-byte rule must
// be applied to the upper-cased search copy.
TEST(CodePage, UpperCasingCanProduceBackslashTrailByte)
{
    char yeru[] = "\x84\x8D";
    ::CharUpperBuffA(yeru, 2);
    EXPECT_EQ(std::string(yeru), "\x84\x5C");
}

TEST(CodePage, ReplaceAllIgnoringCaseBasics)
{
    InitLeadBytes();
    struct Case {
        const char* text;
        const char* pattern;
        const char* replacement;
        const char* expected;
    };
    const Case cases[] = {
        {"", "a", "b", ""},
        {"abc", "", "x", "abc"},
        {"aXa", "x", "yy", "ayya"},
        {"AbAB", "ab", "-", "--"},
        {"ababab", "aba", "X", "Xbab"},       // search goes on after each occurrence
        {"aaa", "a", "a", "aaa"},             // replacement text is never searched
        {"ａｂｃ", "ＡＢ", "x", "xｃ"},      // full-width letters have case too
        {"ソ\\", "\\", "/", "ソ/"},           // 0x83 0x5C then a real backslash
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceAllIgnoringCase(c.text, c.pattern, c.replacement), c.expected)
            << "text \"" << c.text << "\" pattern \"" << c.pattern << "\"";
}
