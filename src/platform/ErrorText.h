// Texts of the error display: the messages of file-output errors and the
// full-stop rule. Portable: the strings are Shift-JIS bytes.
#pragma once

#include "LeadByteSet.h"

#include <string>
#include <string_view>

// The message for a system error number raised by the file output.
std::string InOutErrorMessage(unsigned errorCode);

// The message as the error box shows it: a full stop is added unless the
// last whole character is a single byte of value 0x2E or less.
std::string WithFullStop(std::string_view message, const LeadByteSet& leads);
