#include "CodePage.h"

#include "CommandLine.h"

#include <windows.h>

#include <cstdlib>

namespace {

LeadByteSet leadBytes;

unsigned AnsiCodePageOfThreadLocale()
{
    LCID locale = ::GetThreadLocale();
    if (locale == 0) locale = 0x0409;
    char number[8] = {};
    if (::GetLocaleInfoA(locale, LOCALE_IDEFAULTANSICODEPAGE, number, sizeof number) > 0) {
        char* end = nullptr;
        const unsigned long codePage = std::strtoul(number, &end, 10);
        if (end != number && *end == '\0') return static_cast<unsigned>(codePage);
    }
    return ::GetACP();
}

} // namespace

void InitLeadBytes()
{
    LeadByteSet set;
    CPINFO info{};
    if (::GetCPInfo(AnsiCodePageOfThreadLocale(), &info)) {
        for (int i = 0; i + 1 < MAX_LEADBYTES; i += 2) {
            if (info.LeadByte[i] == 0 && info.LeadByte[i + 1] == 0) break;
            set.AddRange(info.LeadByte[i], info.LeadByte[i + 1]);
        }
    }
    leadBytes = set;
}

const LeadByteSet& SysLeadBytes() { return leadBytes; }

const CaseRules& SystemCaseRules()
{
    static const CaseRules rules{
        [](char* buffer, std::size_t length) { ::CharUpperBuffA(buffer, static_cast<DWORD>(length)); },
        [](const char* a, const char* b, std::size_t length) {
            const int n = static_cast<int>(length);
            return ::CompareStringA(LOCALE_USER_DEFAULT, 0, a, n, b, n) == CSTR_EQUAL;
        },
    };
    return rules;
}

std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view pattern,
                                   std::string_view replacement)
{
    return ReplaceAllIgnoringCase(text, pattern, replacement, SysLeadBytes(), SystemCaseRules());
}

std::string CommandLineArgumentOf(const char* commandLine, int index)
{
    return CommandLineArgument(commandLine, index, [](const char* p) -> const char* { return ::CharNextA(p); });
}

std::string ParamStr(int index) { return CommandLineArgumentOf(::GetCommandLineA(), index); }

std::string ApplicationTitleOfPath(std::string path)
{
    ::OemToCharA(path.c_str(), path.data());
    return ApplicationTitleFromPath(path, SysLeadBytes(), [](char* text, std::size_t length) {
        (void)length; // the title is zero-terminated right after the text
        ::CharLowerA(text);
    });
}

std::string ApplicationTitleOfModule()
{
    char path[256] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    return ApplicationTitleOfPath(std::string(path, length < sizeof path ? length : sizeof path - 1));
}
