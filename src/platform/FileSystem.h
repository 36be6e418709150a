// Files and paths: the shortcut file's sink, the current directory, file
// deletion and the executable's own path.
#pragma once

#include "TextOutput.h"
#include "UniqueHandle.h"

#include <string>

// Creates the file for writing, shared for reading only; an existing file
// of that name is truncated and reused.
class Win32FileSink : public OutputSink {
public:
    Win32FileSink() = default;
    // A file whose write failed stays open, readable by others, until the
    // process ends: the error is on screen and nothing touches it again.
    ~Win32FileSink() override;

    unsigned Create(const std::string& name) override;
    unsigned Write(const char* data, std::size_t length) override;
    unsigned Close() override;

private:
    UniqueFileHandle file_;
    bool keepOpen_ = false;
};

// The current directory, whole. Raises EInOutError when the system cannot
// report it or when it does not fit the 261-byte buffer.
std::string CurrentDirectory();

// Deletes a file; the result is of no interest to the caller.
void DeleteFileIgnoringResult(const std::string& path);

// The executable's full path (261-byte buffer).
std::string ModuleFileName();
