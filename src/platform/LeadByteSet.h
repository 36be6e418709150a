// Which byte values begin a double-byte character in the ANSI code page.
// Portable: filled from the system by CodePage.cpp, or by hand in tests.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

class LeadByteSet {
public:
    void AddRange(unsigned char first, unsigned char last)
    {
        for (unsigned b = first; b <= last; ++b) flags_[b] = true;
    }
    bool Contains(unsigned char b) const { return flags_[b]; }
    bool Contains(char c) const { return flags_[static_cast<unsigned char>(c)]; }

    // Code page 932 (Shift-JIS): 0x81-0x9F and 0xE0-0xFC.
    static LeadByteSet ShiftJis()
    {
        LeadByteSet s;
        s.AddRange(0x81, 0x9F);
        s.AddRange(0xE0, 0xFC);
        return s;
    }

private:
    std::array<bool, 256> flags_{};
};

// Length in bytes of the character that starts at pos: 2 for a lead byte
// followed by another byte, else 1. A lead byte at the very end stands alone.
inline std::size_t CharLengthAt(std::string_view s, std::size_t pos, const LeadByteSet& leads)
{
    return (leads.Contains(s[pos]) && pos + 1 < s.size()) ? 2 : 1;
}

// Where the last whole character of a non-empty text starts.
inline std::size_t LastCharStart(std::string_view s, const LeadByteSet& leads)
{
    std::size_t last = 0;
    for (std::size_t pos = 0; pos < s.size(); pos += CharLengthAt(s, pos, leads)) last = pos;
    return last;
}
