// Reference model of replace-all ignoring case over a multibyte text, kept
// deliberately plain: it walks the search copy character by character from
// each cut point (a lead byte takes the next byte with it), so positions
// that are the second byte of a double-byte character are never tried.
// The real code decides that by counting lead bytes backwards instead;
// the two must agree.
#pragma once

#include "platform/LeadByteSet.h"

#include <functional>
#include <string>

namespace model {

// Returns the upper-cased copy of a text of the same length.
using UpperCopy = std::function<std::string(const std::string&)>;

inline std::string ReplaceAllIgnoringCase(const std::string& text, const std::string& pattern,
                                          const std::string& replacement, const LeadByteSet& leads,
                                          const UpperCopy& upper)
{
    const std::string search = text.empty() ? text : upper(text);
    const std::string wanted = pattern.empty() ? pattern : upper(pattern);

    std::string result;
    std::size_t cut = 0; // where the unsearched rest of text and search begins
    std::size_t pos = 0; // a character start in search, at or after cut
    while (!wanted.empty() && pos < search.size()) {
        if (search.compare(pos, wanted.size(), wanted) == 0) {
            result += text.substr(cut, pos - cut);
            result += replacement;
            cut = pos + pattern.size();
            pos = cut;
        } else {
            pos += leads.Contains(search[pos]) ? 2 : 1;
        }
    }
    if (cut < text.size()) result += text.substr(cut);
    return result;
}

} // namespace model
