// The system's ANSI code page as the tool's text rules see it: the lead-byte
// set, upper-casing and comparison, and the command-line argument rule.
#pragma once

#include "LeadByteSet.h"
#include "MultiByteText.h"

#include <string>
#include <string_view>

// Fills the lead-byte set from the code page of the thread's locale. Called
// once at start-up, before anything reads it.
void InitLeadBytes();
const LeadByteSet& SysLeadBytes();

// Upper-casing with CharUpperBuffA, confirmation with CompareStringA.
const CaseRules& SystemCaseRules();

// ReplaceAllIgnoringCase with the system's lead bytes and case rules.
std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view pattern,
                                   std::string_view replacement);

// The argument with the given index of a command line, stepping with CharNextA.
std::string CommandLineArgumentOf(const char* commandLine, int index);
// The same for the process's own command line.
std::string ParamStr(int index);

// The application title derived from the executable's file name.
std::string ApplicationTitleOfPath(std::string path);
std::string ApplicationTitleOfModule();
