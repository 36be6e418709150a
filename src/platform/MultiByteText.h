// Byte-string rules that must never take the second byte of a double-byte
// character for a character of its own. Portable: the system's upper-casing
// and comparison come in through CaseRules, the lead bytes through LeadByteSet.
#pragma once

#include "LeadByteSet.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

struct CaseRules {
    // Upper-cases a buffer in place; never changes its length.
    std::function<void(char* buffer, std::size_t length)> upperInPlace;
    // Confirms that two texts of the same length are equal.
    std::function<bool(const char* a, const char* b, std::size_t length)> confirmEqual;
};

// True when the byte at pos is the second byte of a double-byte character:
// an odd number of lead bytes stands directly before it.
bool IsTrailByteAt(std::string_view s, std::size_t pos, const LeadByteSet& leads);

// Replaces every occurrence of pattern in text, ignoring letter case and
// never matching at a trail byte. Unreplaced bytes come from text unchanged.
std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view pattern,
                                   std::string_view replacement, const LeadByteSet& leads,
                                   const CaseRules& rules);

// Position of the last byte of s that is one of delimiters and not a trail
// byte, or npos.
std::size_t LastDelimiter(std::string_view delimiters, std::string_view s, const LeadByteSet& leads);

// Position of the first such byte, or npos.
std::size_t FirstDelimiter(std::string_view delimiters, std::string_view s, const LeadByteSet& leads);

// The path with its extension replaced: the last dot after the last
// backslash or colon is where the extension starts.
std::string ChangeFileExt(std::string_view path, std::string_view extension, const LeadByteSet& leads);

// The application title from the executable's path (already converted to
// the ANSI code page): the file name up to its first dot, lower-cased after
// its first character by lowerInPlace.
std::string ApplicationTitleFromPath(std::string_view path, const LeadByteSet& leads,
                                     const std::function<void(char*, std::size_t)>& lowerInPlace);

// The text without a lead byte standing alone at its end, as a title cut
// in the middle of a character leaves it.
std::string_view WithoutLoneLeadByteAtEnd(std::string_view s, const LeadByteSet& leads);
