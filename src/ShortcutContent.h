// The two lines of an Internet Shortcut file.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view ShortcutSectionLine = "[InternetShortcut]";

// "URL=" and the URL byte for byte, except that CR and LF are written as
// %0D and %0A: a real URL never holds them raw, and raw they would add
// lines (and so keys) to a file that the shell and the target read.
std::string ShortcutUrlLine(std::string_view url);
