#include "WinPaths.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

std::string WindowsPathOf(const std::string& linuxPath)
{
    std::string path = "Z:" + linuxPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

ScratchFolder::ScratchFolder()
{
    static std::atomic<unsigned> serial{0};
    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(sizeof temp, temp);
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = std::string(temp) + "sendpage-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(serial++);
        if (::CreateDirectoryA(path_.c_str(), nullptr)) return;
    }
    throw std::runtime_error("cannot create a scratch folder in " + std::string(temp));
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool ReadWholeFile(const std::string& path, std::string& content)
{
    content.clear();
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
    ::CloseHandle(file);
    return true;
}

void WriteWholeFile(const std::string& path, const std::string& content)
{
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    const HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = path + "\\" + name;
            ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                ::DeleteFileA(full.c_str());
        } while (::FindNextFileA(search, &entry));
        ::FindClose(search);
    }
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryA(path.c_str());
}
