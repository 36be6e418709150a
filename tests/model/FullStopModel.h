// Reference model of the full-stop rule of the error display: a full stop
// is added unless the message ends in a single-byte character of value 0x2E
// or less. The last byte is the second byte of a double-byte character when
// an odd number of lead bytes stands directly before it.
#pragma once

#include "platform/LeadByteSet.h"

#include <string>

namespace model {

inline std::string WithFullStop(const std::string& message, const LeadByteSet& leads)
{
    if (message.empty()) return message;
    std::size_t leadsBefore = 0;
    for (std::size_t i = message.size() - 1; i > 0 && leads.Contains(message[i - 1]); --i) ++leadsBefore;
    const bool endsInTrailByte = leadsBefore % 2 == 1;
    const auto last = static_cast<unsigned char>(message.back());
    return (!endsInTrailByte && last <= 0x2E) ? message : message + ".";
}

} // namespace model
