// Stand-ins for the system's upper-casing under code page 932, for tests
// that must run without Win32.
#pragma once

#include "platform/LeadByteSet.h"
#include "platform/MultiByteText.h"

#include <cstring>
#include <string>

namespace testcase {

// a-z only.
inline void AsciiUpperInPlace(char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
}

// A-Z only.
inline void AsciiLowerInPlace(char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (text[i] >= 'A' && text[i] <= 'Z') text[i] = static_cast<char>(text[i] - 'A' + 'a');
}

// a-z, and the small Cyrillic letters (0x84 0x70 to 0x84 0x91, without
// 0x84 0x7F) to their capitals (0x84 0x40 to 0x84 0x60), character by
// character as code page 932 does. So small yeru, 0x84 0x8D, becomes
// 0x84 0x5C: its trail byte turns into a reverse solidus.
inline void ShiftJisUpperInPlace(char* text, std::size_t length)
{
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    for (std::size_t i = 0; i < length;) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (leads.Contains(c) && i + 1 < length) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            if (c == 0x84 && trail >= 0x70 && trail <= 0x91 && trail != 0x7F)
                text[i + 1] = static_cast<char>(trail - (trail < 0x80 ? 0x30 : 0x31));
            i += 2;
        } else {
            AsciiUpperInPlace(text + i, 1);
            ++i;
        }
    }
}

inline bool BytesEqual(const char* a, const char* b, std::size_t length) { return std::memcmp(a, b, length) == 0; }

inline CaseRules AsciiCaseRules() { return {AsciiUpperInPlace, BytesEqual}; }
inline CaseRules ShiftJisCaseRules() { return {ShiftJisUpperInPlace, BytesEqual}; }

// The same upper-casing as a copy, the form the reference model takes.
inline std::string ShiftJisUpperCopy(const std::string& text)
{
    std::string copy = text;
    ShiftJisUpperInPlace(copy.data(), copy.size());
    return copy;
}

} // namespace testcase
