// The lead-byte sets and upper-casing functions the fuzzers choose from.
#pragma once

#include "FuzzInput.h"

#include "model/CaseFunctions.h"

#include "platform/LeadByteSet.h"
#include "platform/MultiByteText.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fuzzing {

// Shift-JIS, none (a single-byte code page), or one range from the input
// within 0x80-0xFF, where the lead bytes of every double-byte code page lie.
inline LeadByteSet ChooseLeadBytes(FuzzInput& in)
{
    const std::uint8_t choice = in.Byte() % 4;
    if (choice == 0) return LeadByteSet();
    if (choice == 3) {
        LeadByteSet set;
        const auto first = static_cast<unsigned char>(0x80 | in.Byte());
        const auto last = static_cast<unsigned char>(0x80 | in.Byte());
        set.AddRange(first, last);
        return set;
    }
    return LeadByteSet::ShiftJis();
}

using testcase::AsciiUpperInPlace;
using testcase::ShiftJisUpperInPlace;

// Deliberately odd, byte by byte: a-z, 0x8D to a reverse solidus wherever
// it stands, 0x60 to the lead byte 0x81 and 0x9F to a solidus. The search
// copy then has separators and lead bytes where the text has none.
inline void OddUpper(char* text, std::size_t length)
{
    AsciiUpperInPlace(text, length);
    for (std::size_t i = 0; i < length; ++i) {
        switch (static_cast<unsigned char>(text[i])) {
        case 0x8D: text[i] = '\\'; break;
        case 0x60: text[i] = static_cast<char>(0x81); break;
        case 0x9F: text[i] = '/'; break;
        default: break;
        }
    }
}

using UpperInPlace = void (*)(char*, std::size_t);

inline UpperInPlace ChooseUpper(FuzzInput& in)
{
    switch (in.Byte() % 3) {
    case 0: return AsciiUpperInPlace;
    case 1: return ShiftJisUpperInPlace;
    default: return OddUpper;
    }
}

inline CaseRules RulesOf(UpperInPlace upper)
{
    return {upper, [](const char* a, const char* b, std::size_t n) { return std::memcmp(a, b, n) == 0; }};
}

inline auto CopyingUpper(UpperInPlace upper)
{
    return [upper](const std::string& text) {
        std::string copy = text;
        upper(copy.data(), copy.size());
        return copy;
    };
}

inline void PrintBytes(const char* label, const std::string& s)
{
    std::fprintf(stderr, "%s (%zu):", label, s.size());
    for (unsigned char c : s) std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\n");
}

// Stops the run with both results shown when they differ.
inline void ExpectSame(const char* what, const std::string& real, const std::string& expected)
{
    if (real == expected) return;
    std::fprintf(stderr, "%s differs\n", what);
    PrintBytes("  real    ", real);
    PrintBytes("  expected", expected);
    std::abort();
}

} // namespace fuzzing
