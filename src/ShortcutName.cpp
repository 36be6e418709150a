#include "ShortcutName.h"

#include <array>

namespace {

struct CharacterRow {
    std::string_view character;
    std::string_view fullWidth; // Shift-JIS bytes
};

// None of the replacements holds one of the nine bytes, so no row creates
// a match for a later row.
constexpr std::array<CharacterRow, 9> CharacterTable{{
    {"\\", "\x81\x8F"}, // FULLWIDTH YEN SIGN
    {"/", "\x81\x5E"},  // FULLWIDTH SOLIDUS
    {":", "\x81\x46"},  // FULLWIDTH COLON
    {"*", "\x81\x96"},  // FULLWIDTH ASTERISK
    {"?", "\x81\x48"},  // FULLWIDTH QUESTION MARK
    {"\"", "\x81\x68"}, // RIGHT DOUBLE QUOTATION MARK
    {"<", "\x81\x83"},  // FULLWIDTH LESS-THAN SIGN
    {">", "\x81\x84"},  // FULLWIDTH GREATER-THAN SIGN
    {"|", "\x81\x62"},  // FULLWIDTH VERTICAL LINE
}};

} // namespace

std::string ReplaceFileNameCharacters(std::string_view name, const LeadByteSet& leads,
                                      const CaseRules& rules)
{
    std::string result(name);
    for (const CharacterRow& row : CharacterTable)
        result = ReplaceAllIgnoringCase(result, row.character, row.fullWidth, leads, rules);
    return result;
}

std::string ShortcutNameFromTitle(std::string_view windowTitle, std::string_view url,
                                  const LeadByteSet& leads, const CaseRules& rules)
{
    std::string title = ReplaceAllIgnoringCase(windowTitle, BrowserTitleSuffix, "", leads, rules);
    if (title == BrowserName) title = url;
    return ReplaceFileNameCharacters(title, leads, rules);
}
