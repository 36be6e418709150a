#include "FileSystem.h"

#include "ErrorText.h"
#include "Exceptions.h"

#include <windows.h>

Win32FileSink::~Win32FileSink()
{
    if (keepOpen_) file_.Release();
}

unsigned Win32FileSink::Create(const std::string& name)
{
    keepOpen_ = false;
    file_.Reset(::CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    return file_.Valid() ? 0 : ::GetLastError();
}

unsigned Win32FileSink::Write(const char* data, std::size_t length)
{
    DWORD written = 0;
    if (::WriteFile(file_.Get(), data, static_cast<DWORD>(length), &written, nullptr) && written == length)
        return 0;
    keepOpen_ = true;
    const DWORD error = ::GetLastError();
    return error != 0 ? error : ERROR_WRITE_FAULT;
}

unsigned Win32FileSink::Close()
{
    if (::CloseHandle(file_.Release())) return 0;
    return ::GetLastError();
}

std::string CurrentDirectory()
{
    char directory[MAX_PATH + 1] = {};
    const DWORD length = ::GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0) {
        const unsigned error = ::GetLastError();
        throw EInOutError(error, InOutErrorMessage(error));
    }
    // A result of the buffer's size or more is the size the directory needs:
    // it did not fit, and a part of it must never stand for the whole.
    if (length >= sizeof directory) throw EInOutError(ErrorFileNameTooLong, InOutErrorMessage(ErrorFileNameTooLong));
    return std::string(directory, length);
}

void DeleteFileIgnoringResult(const std::string& path) { ::DeleteFileA(path.c_str()); }

std::string ModuleFileName()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : sizeof path - 1);
}
