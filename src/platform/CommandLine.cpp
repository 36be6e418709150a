#include "CommandLine.h"

namespace {

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// One character on; always moves, so a faulty step cannot stall the scan.
const char* Step(const char* p, const NextChar& next)
{
    const char* q = next(p);
    return q > p ? q : p + 1;
}

// Reads one argument starting at p into argument; returns where it ended.
const char* ReadArgument(const char* p, std::string& argument, const NextChar& next)
{
    for (;;) {
        while (*p != '\0' && IsSeparator(*p)) p = Step(p, next);
        if (p[0] == '"' && p[1] == '"')
            p += 2;
        else
            break;
    }

    argument.clear();
    while (!IsSeparator(*p)) {
        if (*p == '"') {
            p = Step(p, next);
            while (*p != '\0' && *p != '"') {
                const char* q = Step(p, next);
                argument.append(p, q);
                p = q;
            }
            if (*p != '\0') p = Step(p, next);
        } else {
            const char* q = Step(p, next);
            argument.append(p, q);
            p = q;
        }
    }
    return p;
}

} // namespace

std::string CommandLineArgument(const char* commandLine, int index, const NextChar& next)
{
    std::string argument;
    const char* p = commandLine;
    for (int i = 0; i <= index; ++i) {
        p = ReadArgument(p, argument, next);
        if (argument.empty()) break;
    }
    return argument;
}
