// The shortcut name against the reference model under Shift-JIS, and the
// character table's fixed point: applied to its own result it changes
// nothing.
#include "TextRuleChoices.h"

#include "ShortcutName.h"
#include "model/ShortcutNameModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    const fuzzing::UpperInPlace upper = fuzzing::ChooseUpper(in);
    const CaseRules rules = fuzzing::RulesOf(upper);
    const std::string url = in.ShortString(40);
    const std::string title = in.Rest();

    const std::string name = ShortcutNameFromTitle(title, url, leads, rules);
    fuzzing::ExpectSame("ShortcutNameFromTitle", name,
                        model::ShortcutName(title, url, leads, fuzzing::CopyingUpper(upper)));
    fuzzing::ExpectSame("character table applied again", ReplaceFileNameCharacters(name, leads, rules), name);
    return 0;
}
