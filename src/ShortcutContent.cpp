#include "ShortcutContent.h"

std::string ShortcutUrlLine(std::string_view url)
{
    std::string line = "URL=";
    line.reserve(line.size() + url.size());
    for (char c : url) {
        if (c == '\r')
            line += "%0D";
        else if (c == '\n')
            line += "%0A";
        else
            line += c;
    }
    return line;
}
