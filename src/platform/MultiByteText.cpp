#include "MultiByteText.h"

namespace {

std::string UpperCopy(std::string_view s, const CaseRules& rules)
{
    std::string copy(s);
    if (!copy.empty()) rules.upperInPlace(copy.data(), copy.size());
    return copy;
}

// First position where q stands in s and which is not a trail byte
// (confirmed by the case rules), or npos.
std::size_t FindOccurrence(std::string_view s, std::string_view q, const LeadByteSet& leads,
                           const CaseRules& rules)
{
    if (s.empty() || q.empty()) return std::string_view::npos;
    for (std::size_t c = s.find(q); c != std::string_view::npos; c = s.find(q, c + 1)) {
        if (!IsTrailByteAt(s, c, leads) && rules.confirmEqual(s.data() + c, q.data(), q.size()))
            return c;
    }
    return std::string_view::npos;
}

} // namespace

bool IsTrailByteAt(std::string_view s, std::size_t pos, const LeadByteSet& leads)
{
    std::size_t leadsBefore = 0;
    while (pos > 0 && leads.Contains(s[pos - 1])) {
        ++leadsBefore;
        --pos;
    }
    return leadsBefore % 2 == 1;
}

std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view pattern,
                                   std::string_view replacement, const LeadByteSet& leads,
                                   const CaseRules& rules)
{
    const std::string upperText = UpperCopy(text, rules);
    const std::string upperPattern = UpperCopy(pattern, rules);

    // The search copy is cut directly after each occurrence, so the trail
    // byte count never reaches back into text already replaced.
    std::string_view search = upperText;
    std::string_view rest = text;
    std::string result;
    result.reserve(text.size());
    while (!search.empty()) {
        const std::size_t k = FindOccurrence(search, upperPattern, leads, rules);
        if (k == std::string_view::npos) break;
        result.append(rest.substr(0, k));
        result.append(replacement);
        rest.remove_prefix(k + pattern.size());
        search.remove_prefix(k + upperPattern.size());
    }
    result.append(rest);
    return result;
}

std::size_t LastDelimiter(std::string_view delimiters, std::string_view s, const LeadByteSet& leads)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < s.size(); pos += CharLengthAt(s, pos, leads)) {
        if (!leads.Contains(s[pos]) && delimiters.find(s[pos]) != std::string_view::npos) found = pos;
    }
    return found;
}

std::size_t FirstDelimiter(std::string_view delimiters, std::string_view s, const LeadByteSet& leads)
{
    for (std::size_t pos = 0; pos < s.size(); pos += CharLengthAt(s, pos, leads)) {
        if (!leads.Contains(s[pos]) && delimiters.find(s[pos]) != std::string_view::npos) return pos;
    }
    return std::string_view::npos;
}

std::string ChangeFileExt(std::string_view path, std::string_view extension, const LeadByteSet& leads)
{
    const std::size_t last = LastDelimiter(".\\:", path, leads);
    std::string changed(last != std::string_view::npos && path[last] == '.' ? path.substr(0, last) : path);
    changed.append(extension);
    return changed;
}

std::string ApplicationTitleFromPath(std::string_view path, const LeadByteSet& leads,
                                     const std::function<void(char*, std::size_t)>& lowerInPlace)
{
    std::string_view name = path;
    const std::size_t slash = LastDelimiter("\\", name, leads);
    if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
    const std::size_t dot = FirstDelimiter(".", name, leads);
    if (dot != std::string_view::npos) name = name.substr(0, dot);

    // Lower-case after the first whole character: starting inside a
    // double-byte character would misread its trail byte as a letter.
    std::string title(name);
    const std::size_t first = title.empty() ? 0 : CharLengthAt(title, 0, leads);
    if (title.size() > first) lowerInPlace(title.data() + first, title.size() - first);
    return title;
}

std::string_view WithoutLoneLeadByteAtEnd(std::string_view s, const LeadByteSet& leads)
{
    if (s.empty()) return s;
    const std::size_t last = LastCharStart(s, leads);
    return (last == s.size() - 1 && leads.Contains(s[last])) ? s.substr(0, last) : s;
}
