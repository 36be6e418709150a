// The argument rule of the command line: blanks and control characters
// separate arguments outside quotation marks; quotation marks are dropped.
// Portable: the step from one character to the next comes in as NextChar.
#pragma once

#include <functional>
#include <string>

using NextChar = std::function<const char*(const char*)>;

// The argument with the given index (0 is the program's own path), or an
// empty string when there is none. The scan stops at an empty argument.
std::string CommandLineArgument(const char* commandLine, int index, const NextChar& next);
