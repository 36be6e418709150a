// Reference model of the buffered file output used for the shortcut file:
// bytes go one at a time into a 128-byte buffer; a full buffer goes to the
// sink at once and counts as empty afterwards whatever the sink said; a
// failed block write drops the rest of that text; the close passes what is
// left and closes the sink only if that write worked. Errors stay pending
// until taken.
#pragma once

#include <string>

namespace model {

// The file under the output. Each call returns 0 or an error number.
class Sink {
public:
    virtual ~Sink() = default;
    virtual unsigned Create(const std::string& name) = 0;
    virtual unsigned Write(const std::string& block) = 0;
    virtual unsigned Close() = 0;
};

class BufferedOutput {
public:
    static constexpr std::size_t BlockSize = 128;
    static constexpr std::size_t LongestName = 259;
    static constexpr unsigned NameTooLong = 206;

    explicit BufferedOutput(Sink& sink) : sink_(sink) {}

    void Assign(const std::string& name)
    {
        refused_ = name.size() > LongestName;
        name_ = name;
        open_ = false;
        buffer_.clear();
        if (refused_) pending_ = NameTooLong;
    }

    void Rewrite()
    {
        if (refused_) return;
        buffer_.clear();
        const unsigned error = sink_.Create(name_);
        if (error != 0)
            pending_ = error;
        else
            open_ = true;
    }

    void Write(const std::string& text)
    {
        if (!open_) return;
        for (char c : text) {
            buffer_ += c;
            if (buffer_.size() < BlockSize) continue;
            const unsigned error = sink_.Write(buffer_);
            buffer_.clear();
            if (error != 0) {
                pending_ = error;
                return;
            }
        }
    }

    void WriteLine() { Write("\r\n"); }

    void Close()
    {
        if (!open_) return;
        if (!buffer_.empty()) {
            const unsigned error = sink_.Write(buffer_);
            buffer_.clear();
            if (error != 0) {
                pending_ = error;
                return;
            }
        }
        open_ = false;
        if (const unsigned error = sink_.Close()) pending_ = error;
    }

    unsigned Pending() const { return pending_; }
    unsigned TakeError()
    {
        const unsigned error = pending_;
        pending_ = 0;
        return error;
    }
    bool IsOpen() const { return open_; }

private:
    Sink& sink_;
    std::string name_;
    std::string buffer_;
    bool refused_ = false;
    bool open_ = false;
    unsigned pending_ = 0;
};

} // namespace model
