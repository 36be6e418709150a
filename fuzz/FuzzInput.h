// Reads a fuzzer's input piece by piece; past the end every read yields
// zero or an empty string, so any input decodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // A string of up to maxLength bytes, its length given by the next byte.
    std::string ShortString(std::size_t maxLength)
    {
        const std::size_t length = Byte() % (maxLength + 1);
        return Take(length);
    }

    std::string Take(std::size_t length)
    {
        const std::size_t n = length < size_ - pos_ ? length : size_ - pos_;
        std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return s;
    }

    std::string Rest() { return Take(size_ - pos_); }
    bool AtEnd() const { return pos_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
