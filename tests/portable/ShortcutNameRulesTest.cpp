// From the browser's title to the shortcut name, with Shift-JIS upper-casing
// standing in for the system's. Each case also checks the reference model.
#include "model/CaseFunctions.h"
#include "model/ShortcutNameModel.h"

#include "ShortcutName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NameCase {
    const char* what;
    std::string title;
    std::string url;
    std::string expected;
};

const NameCase Cases[] = {
    {"page title", "Page - unDonut", "http://a/", "Page"},
    {"suffix in capitals", "Page - UNDONUT", "http://a/", "Page"},
    {"suffix in the middle", "A - unDonut B", "http://a/", "A B"},
    {"browser's name alone gives the URL", "unDonut", "http://a/b?c", "http\x81\x46\x81\x5E\x81\x5E" "a\x81\x5E" "b\x81\x48" "c"},
    {"browser's name and the suffix", "unDonut - unDonut", "http://a", "http\x81\x46\x81\x5E\x81\x5E" "a"},
    {"name in other case stays", "UNDONUT", "http://a/", "UNDONUT"},
    {"name with a blank stays", "unDonut ", "http://a/", "unDonut "},
    {"suffix alone gives nothing", " - unDonut", "http://a/", ""},
    {"no window", "", "http://a/", ""},
    {"browser's name without a URL", "unDonut", "", ""},
    {"all nine characters", "a\\b/c:d*e?f\"g<h>i|j", "",
     "a\x81\x8F" "b\x81\x5E" "c\x81\x46" "d\x81\x96" "e\x81\x48" "f\x81\x68" "g\x81\x83" "h\x81\x84" "i\x81\x62" "j"},
    {"other bytes stay", "a.b \t\x01\x7F", "", "a.b \t\x01\x7F"},
    // ソ 表 ポ ы keep their second bytes; what follows them is replaced.
    {"double-byte characters", "\x83\x5C\x5C\x95\x5C\x83\x7C|\x84\x8D\\", "",
     "\x83\x5C\x81\x8F\x95\x5C\x83\x7C\x81\x62\x84\x8D\x81\x8F"},
};

TEST(ShortcutNameRules, FromTitleAndUrl)
{
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    const CaseRules rules = testcase::ShiftJisCaseRules();
    for (const NameCase& c : Cases) {
        EXPECT_EQ(ShortcutNameFromTitle(c.title, c.url, leads, rules), c.expected) << c.what;
        EXPECT_EQ(model::ShortcutName(c.title, c.url, leads, testcase::ShiftJisUpperCopy), c.expected)
            << "model: " << c.what;
    }
}

TEST(ShortcutNameRules, TheCharacterTableChangesNothingTheSecondTime)
{
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    const CaseRules rules = testcase::ShiftJisCaseRules();
    for (const NameCase& c : Cases) {
        const std::string once = ReplaceFileNameCharacters(c.title, leads, rules);
        EXPECT_EQ(ReplaceFileNameCharacters(once, leads, rules), once) << c.what;
    }
}

} // namespace
