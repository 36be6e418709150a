// Replace-all ignoring case against the reference model, with any lead-byte
// set and upper-casing, odd ones included.
#include "TextRuleChoices.h"

#include "model/ReplaceModel.h"
#include "platform/MultiByteText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const LeadByteSet leads = fuzzing::ChooseLeadBytes(in);
    const fuzzing::UpperInPlace upper = fuzzing::ChooseUpper(in);
    const std::string pattern = in.ShortString(12);
    const std::string replacement = in.ShortString(4);
    const std::string text = in.Rest();

    const std::string real = ReplaceAllIgnoringCase(text, pattern, replacement, leads, fuzzing::RulesOf(upper));
    const std::string expected =
        model::ReplaceAllIgnoringCase(text, pattern, replacement, leads, fuzzing::CopyingUpper(upper));
    fuzzing::ExpectSame("ReplaceAllIgnoringCase", real, expected);
    return 0;
}
