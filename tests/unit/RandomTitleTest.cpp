// Thousands of generated browser titles through the real shortcut-name
// rules under code page 932 and the system's upper-casing, compared with
// the reference model. The titles mix double-byte characters whose second
// byte is a reverse solidus or a vertical line, characters whose upper case
// changes their second byte, the nine file-name characters, the browser's
// suffix in any letter case, control bytes and lone lead bytes.
#include "ShortcutName.h"
#include "platform/CodePage.h"

#include "../model/ShortcutNameModel.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string SystemUpperCopy(const std::string& text)
{
    std::string copy = text;
    if (!copy.empty()) ::CharUpperBuffA(copy.data(), static_cast<DWORD>(copy.size()));
    return copy;
}

const std::vector<std::string> DoubleByteCharacters = {
    "\x83\x5C", // ソ
    "\x95\x5C", // 表
    "\x83\x7C", // ポ
    "\x84\x8D", // ы, upper case Ы 0x84 0x5C
    "\x84\x5C", // Ы
    "\x81\x81", // ＝
    "\x83\x81", // メ
    "\x82\xA0", // あ
    "\x88\x9F", // 亜
    "\x82\x81", // ａ, upper case Ａ 0x82 0x60
    "\x83\xBF", // α, upper case Α 0x83 0x9F
    "\x81\x5F", // ＼
};

const std::string FileNameCharacters = "\\/:*?\"<>|";

class TitleGenerator {
public:
    explicit TitleGenerator(unsigned seed) : random_(seed) {}

    std::string Title()
    {
        switch (Below(10)) {
        case 0: return "unDonut";
        case 1: return "unDonut" + Suffix();
        default: break;
        }
        std::string title;
        for (unsigned n = Below(14); n > 0; --n) title += Piece();
        return title;
    }

    std::string Url()
    {
        static const std::vector<std::string> parts = {"http://", "a", "/", "?", ":", "=", "|", "\\", "%5C",
                                                       "\x83\x5C", "\x84\x8D", "#", "*", "\"", "<>"};
        std::string url;
        for (unsigned n = Below(8); n > 0; --n) url += parts[Below(static_cast<unsigned>(parts.size()))];
        return url;
    }

private:
    unsigned Below(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(random_); }

    // " - unDonut" with each letter in either case.
    std::string Suffix()
    {
        std::string suffix = " - unDonut";
        for (char& c : suffix) {
            if (c >= 'a' && c <= 'z' && Below(2)) {
                c = static_cast<char>(c - 'a' + 'A');
            } else if (c >= 'A' && c <= 'Z' && Below(2)) {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return suffix;
    }

    std::string Piece()
    {
        switch (Below(9)) {
        case 0:
        case 1:
        case 2: return DoubleByteCharacters[Below(static_cast<unsigned>(DoubleByteCharacters.size()))];
        case 3:
        case 4: return std::string(1, FileNameCharacters[Below(static_cast<unsigned>(FileNameCharacters.size()))]);
        case 5: return Suffix();
        case 6: return std::string(1, static_cast<char>(1 + Below(0x1F))); // control byte
        case 7: return std::string(1, "aZ .-0\xB1"[Below(7)]);              // ASCII, half-width ｱ
        default: return std::string(1, static_cast<char>(0x81 + Below(0x1F))); // lone lead byte
        }
    }

    std::mt19937 random_;
};

TEST(RandomTitle, ShortcutNameAgreesWithTheModelUnderCodePage932)
{
    InitLeadBytes();
    const LeadByteSet shiftJis = LeadByteSet::ShiftJis();
    for (unsigned b = 0; b < 256; ++b)
        ASSERT_EQ(SysLeadBytes().Contains(static_cast<unsigned char>(b)), shiftJis.Contains(static_cast<unsigned char>(b)))
            << "lead byte " << b << ": the ANSI code page must be 932";

    TitleGenerator generator(20261211);
    unsigned fallbacks = 0, shortenedNames = 0, yeruBeforeBackslash = 0;
    for (int i = 0; i < 5000; ++i) {
        const std::string title = generator.Title();
        const std::string url = generator.Url();
        const std::string name = ShortcutNameFromTitle(title, url, SysLeadBytes(), SystemCaseRules());
        const std::string expected = model::ShortcutName(title, url, shiftJis, SystemUpperCopy);

        ASSERT_EQ(name, expected) << "title #" << i << ": " << ::testing::PrintToString(title)
                                  << "\nurl: " << ::testing::PrintToString(url);
        ASSERT_EQ(ReplaceFileNameCharacters(name, SysLeadBytes(), SystemCaseRules()), name)
            << "title #" << i << ": " << ::testing::PrintToString(title);

        fallbacks += title == "unDonut" || title.rfind("unDonut ", 0) == 0;
        shortenedNames += name.size() < title.size(); // a suffix went
        yeruBeforeBackslash += title.find("\x84\x8D\\") != std::string::npos;
    }
    // The generator reached the situations the rules are about.
    EXPECT_GT(fallbacks, 0u);
    EXPECT_GT(shortenedNames, 0u);
    EXPECT_GT(yeruBeforeBackslash, 0u);
}

} // namespace
