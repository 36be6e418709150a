// Reference model of the shortcut name: the browser's suffix removed in any
// letter case, the URL in place of a title that is exactly the browser's
// name, then the nine file-name characters replaced, one row after another.
#pragma once

#include "ReplaceModel.h"

#include <string>

namespace model {

struct NameRow {
    const char* character;
    const char* fullWidth; // Shift-JIS bytes
};

// Yen sign, solidus, colon, asterisk, question mark, right double quotation
// mark, less-than, greater-than and vertical line, all full width.
inline constexpr NameRow FileNameRows[9] = {
    {"\\", "\x81\x8F"}, {"/", "\x81\x5E"}, {":", "\x81\x46"},
    {"*", "\x81\x96"},  {"?", "\x81\x48"}, {"\"", "\x81\x68"},
    {"<", "\x81\x83"},  {">", "\x81\x84"}, {"|", "\x81\x62"},
};

inline std::string ReplaceFileNameCharacters(std::string name, const LeadByteSet& leads,
                                             const UpperCopy& upper)
{
    for (const NameRow& row : FileNameRows)
        name = ReplaceAllIgnoringCase(name, row.character, row.fullWidth, leads, upper);
    return name;
}

inline std::string ShortcutName(const std::string& windowTitle, const std::string& url,
                                const LeadByteSet& leads, const UpperCopy& upper)
{
    std::string title = ReplaceAllIgnoringCase(windowTitle, " - unDonut", "", leads, upper);
    if (title == "unDonut") title = url;
    return ReplaceFileNameCharacters(title, leads, upper);
}

} // namespace model
