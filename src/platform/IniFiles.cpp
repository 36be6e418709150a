#include "IniFiles.h"

#include <windows.h>

TIniFile::~TIniFile()
{
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str());
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const
{
    char value[2048];
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), value,
                                                    sizeof value, fileName_.c_str());
    return std::string(value, length < sizeof value ? length : sizeof value - 1);
}
