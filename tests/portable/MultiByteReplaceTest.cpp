// Replace-all ignoring case under Shift-JIS: never at a trail byte, and the
// unreplaced text comes through unchanged. Each case also checks the
// reference model the fuzzers and the randomized test compare against.
#include "model/CaseFunctions.h"
#include "model/ReplaceModel.h"

#include "platform/MultiByteText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReplaceCase {
    const char* what;
    std::string text;
    std::string pattern;
    std::string replacement;
    std::string expected;
};

const ReplaceCase Cases[] = {
    {"suffix", "Page - unDonut", " - unDonut", "", "Page"},
    {"suffix in capitals", "Page - UNDONUT", " - unDonut", "", "Page"},
    {"suffix in mixed case", "Page - uNdOnUt", " - unDonut", "", "Page"},
    {"every occurrence, in the middle too", "A - unDonut B - unDonut", " - unDonut", "", "A B"},
    {"unreplaced text keeps its case", "xY - unDonutZz", " - unDonut", "", "xYZz"},
    {"search goes on after the occurrence", "aaa", "aa", "b", "ba"},
    {"replacement is not searched again", "aXa", "a", "aa", "aaXaa"},
    {"empty pattern matches nothing", "abc", "", "x", "abc"},
    {"empty text", "", "a", "x", ""},
    {"no occurrence", "abc", "d", "x", "abc"},
    // ソ (0x83 0x5C): the reverse solidus after it is still replaced.
    {"trail byte 0x5C", "\x83\x5C\x5C", "\\", "\x81\x8F", "\x83\x5C\x81\x8F"},
    // 表 (0x95 0x5C) and ポ (0x83 0x7C) come through.
    {"ideograph ending in 0x5C", "\x95\x5C", "\\", "\x81\x8F", "\x95\x5C"},
    {"trail byte 0x7C", "\x83\x7C|", "|", "\x81\x62", "\x83\x7C\x81\x62"},
    // ＝ (0x81 0x81) then a reverse solidus: two lead bytes, even count.
    {"even lead count", "\x81\x81\x5C", "\\", "\x81\x8F", "\x81\x81\x81\x8F"},
    // メ ソ (0x83 0x81 0x83 0x5C): three lead bytes, odd count.
    {"odd lead count", "\x83\x81\x83\x5C", "\\", "\x81\x8F", "\x83\x81\x83\x5C"},
    // ы (0x84 0x8D) upper-cases to Ы (0x84 0x5C): the search copy holds a
    // reverse solidus as a trail byte, which must not match.
    {"small yeru", "\x84\x8D", "\\", "\x81\x8F", "\x84\x8D"},
    {"small yeru then a reverse solidus", "\x84\x8D\\", "\\", "\x81\x8F", "\x84\x8D\x81\x8F"},
    // After each occurrence the search starts afresh: the second lead byte
    // is no trail byte once the first has been replaced.
    {"count starts after the occurrence", "\x81\x81\x5C", "\x81", "R", "RR\x5C"},
    {"lead byte as the second byte", "\x83\x81", "\x81", "R", "\x83\x81"},
};

TEST(MultiByteReplace, ReplacesOnlyAtCharacterStarts)
{
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    const CaseRules rules = testcase::ShiftJisCaseRules();
    for (const ReplaceCase& c : Cases) {
        EXPECT_EQ(ReplaceAllIgnoringCase(c.text, c.pattern, c.replacement, leads, rules), c.expected) << c.what;
        EXPECT_EQ(model::ReplaceAllIgnoringCase(c.text, c.pattern, c.replacement, leads, testcase::ShiftJisUpperCopy),
                  c.expected)
            << "model: " << c.what;
    }
}

TEST(MultiByteReplace, AFailedConfirmationSkipsTheCandidate)
{
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    int confirmations = 0;
    const CaseRules refuseFirst{testcase::AsciiUpperInPlace,
                                [&](const char*, const char*, std::size_t) { return ++confirmations > 1; }};
    EXPECT_EQ(ReplaceAllIgnoringCase("a/b/c", "/", "-", leads, refuseFirst), "a/b-c");
}

TEST(IsTrailByteAt, CountsTheLeadBytesDirectlyBefore)
{
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    const std::string text = "a\x83\x81\x83\x5C\x5C";
    const bool expected[] = {false, false, true, false, true, false};
    for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(IsTrailByteAt(text, i, leads), expected[i]) << i;
}

} // namespace
