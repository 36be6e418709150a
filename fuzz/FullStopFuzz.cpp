// The full-stop rule against the reference model, and the message table:
// its own texts always get a full stop, the general form never does.
#include "TextRuleChoices.h"

#include "model/FullStopModel.h"
#include "platform/ErrorText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const LeadByteSet leads = fuzzing::ChooseLeadBytes(in);
    const unsigned low = in.Byte();
    const unsigned errorCode = low | (in.Byte() << 8u);
    const std::string message = in.Rest();

    fuzzing::ExpectSame("WithFullStop", WithFullStop(message, leads), model::WithFullStop(message, leads));

    const std::string text = InOutErrorMessage(errorCode);
    const bool ownText = errorCode == 2 || errorCode == 3 || errorCode == 4 || errorCode == 5 ||
                         errorCode == 100 || errorCode == 101 || errorCode == 106;
    fuzzing::ExpectSame("message as shown", WithFullStop(text, LeadByteSet::ShiftJis()), ownText ? text + "." : text);
    return 0;
}
