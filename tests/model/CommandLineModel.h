// Reference model of the command-line argument rule, written as a small
// state machine over byte positions: separators are 0x01-0x20 where an
// argument may begin, "" pairs are skipped there too, a quotation mark
// flips the quoted state and is dropped, and a lead byte takes the next
// byte with it unless that byte ends the text.
#pragma once

#include "platform/LeadByteSet.h"

#include <string>

namespace model {

// The argument with the given index; empty when there is none or when an
// earlier argument came out empty.
inline std::string CommandLineArgument(const std::string& commandLine, int index, const LeadByteSet& leads)
{
    const std::string line = commandLine.substr(0, commandLine.find('\0'));
    auto at = [&](std::size_t i) -> unsigned char { return i < line.size() ? line[i] : 0; };

    std::size_t i = 0;
    std::string argument;
    for (int n = 0; n <= index; ++n) {
        for (;;) {
            if (at(i) >= 0x01 && at(i) <= 0x20) {
                ++i;
            } else if (at(i) == '"' && at(i + 1) == '"') {
                i += 2;
            } else {
                break;
            }
        }

        argument.clear();
        bool quoted = false;
        while (i < line.size()) {
            const unsigned char c = at(i);
            if (!quoted && c <= 0x20) break;
            if (c == '"') {
                quoted = !quoted;
                ++i;
                continue;
            }
            const std::size_t length = (leads.Contains(c) && i + 1 < line.size()) ? 2 : 1;
            argument += line.substr(i, length);
            i += length;
        }
        if (argument.empty()) return argument;
    }
    return argument;
}

} // namespace model
