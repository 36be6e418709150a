// The command-line argument rule against the reference model, stepping
// character by character with the chosen lead bytes.
#include "TextRuleChoices.h"

#include "model/CommandLineModel.h"
#include "platform/CommandLine.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const LeadByteSet leads = fuzzing::ChooseLeadBytes(in);
    const int index = in.Byte() % 4;
    // Only the bytes up to the first zero are the command line. It is
    // copied to a buffer of exactly its size, so that a read past its
    // terminating zero shows up under AddressSanitizer.
    const std::string input = in.Rest();
    const std::string commandLine = input.substr(0, input.find('\0'));
    const auto buffer = std::make_unique<char[]>(commandLine.size() + 1);
    std::memcpy(buffer.get(), commandLine.c_str(), commandLine.size() + 1);

    const auto nextChar = [&leads](const char* p) -> const char* {
        if (*p == '\0') return p;
        return (leads.Contains(*p) && p[1] != '\0') ? p + 2 : p + 1;
    };
    const std::string real = CommandLineArgument(buffer.get(), index, nextChar);
    fuzzing::ExpectSame("CommandLineArgument", real, model::CommandLineArgument(commandLine, index, leads));
    return 0;
}
