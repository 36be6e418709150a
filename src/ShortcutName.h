// From the browser's window title to the shortcut's file name: the browser's
// suffix goes, a title of the browser's name alone gives way to the URL, and
// the nine characters file names may not hold become full-width look-alikes.
#pragma once

#include "platform/MultiByteText.h"

#include <string>
#include <string_view>

inline constexpr std::string_view BrowserTitleSuffix = " - unDonut";
inline constexpr std::string_view BrowserName = "unDonut";

std::string ShortcutNameFromTitle(std::string_view windowTitle, std::string_view url,
                                  const LeadByteSet& leads, const CaseRules& rules);

// The nine-row character table alone; applying it twice changes nothing.
std::string ReplaceFileNameCharacters(std::string_view name, const LeadByteSet& leads,
                                      const CaseRules& rules);
