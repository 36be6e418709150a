// Buffered text output to a named file, as the shortcut file is written:
// a 128-byte buffer whose full blocks reach the file the moment they
// complete, CR LF line ends, and a pending error number per thread that
// CheckInOut turns into EInOutError. Portable: the file itself is an
// OutputSink.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The file under the output. Each call returns 0 or the system's error number.
class OutputSink {
public:
    virtual ~OutputSink() = default;
    virtual unsigned Create(const std::string& name) = 0; // create or truncate
    virtual unsigned Write(const char* data, std::size_t length) = 0;
    virtual unsigned Close() = 0;
};

// The longest name the output takes: MAX_PATH less the terminating zero.
inline constexpr std::size_t OutputNameCapacity = 259;
// Reported when a name is longer than that; the system's own number for it.
inline constexpr unsigned ErrorFileNameTooLong = 206;

class TextOutput {
public:
    static constexpr std::size_t BufferSize = 128;

    explicit TextOutput(OutputSink& sink) : sink_(sink) {}
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    // Binds the output to a file name. A name the output cannot hold is
    // refused here: the error is pending and Rewrite then touches nothing.
    void Assign(std::string_view name);
    void Rewrite();
    void Write(std::string_view text);
    void WriteLine();
    void Close();

    bool IsOpen() const { return open_; }

private:
    void Flush();

    OutputSink& sink_;
    std::string name_;
    bool nameRefused_ = false;
    bool open_ = false;
    char buffer_[BufferSize] = {};
    std::size_t count_ = 0;
};

// The pending error of the calling thread; 0 means none.
unsigned PendingInOutError();
void SetInOutError(unsigned errorCode);
// Takes the pending error (which clears it) and raises EInOutError with its
// message; does nothing when none is pending.
void CheckInOut();
