#include "TextOutput.h"

#include "ErrorText.h"
#include "Exceptions.h"

#include <algorithm>

namespace {
thread_local unsigned pendingInOutError = 0;
}

unsigned PendingInOutError() { return pendingInOutError; }

void SetInOutError(unsigned errorCode) { pendingInOutError = errorCode; }

void CheckInOut()
{
    const unsigned errorCode = pendingInOutError;
    if (errorCode == 0) return;
    pendingInOutError = 0;
    throw EInOutError(errorCode, InOutErrorMessage(errorCode));
}

void TextOutput::Assign(std::string_view name)
{
    nameRefused_ = name.size() > OutputNameCapacity;
    name_ = nameRefused_ ? std::string() : std::string(name);
    open_ = false;
    count_ = 0;
    if (nameRefused_) SetInOutError(ErrorFileNameTooLong);
}

void TextOutput::Rewrite()
{
    if (nameRefused_) return;
    count_ = 0;
    if (const unsigned error = sink_.Create(name_)) {
        SetInOutError(error);
        return;
    }
    open_ = true;
}

void TextOutput::Write(std::string_view text)
{
    if (!open_) return;
    while (!text.empty()) {
        const std::size_t take = std::min(text.size(), BufferSize - count_);
        std::copy_n(text.data(), take, buffer_ + count_);
        count_ += take;
        text.remove_prefix(take);
        if (count_ == BufferSize) {
            const unsigned error = sink_.Write(buffer_, count_);
            count_ = 0; // the block counts as passed, whether it reached the file or not
            if (error) {
                SetInOutError(error);
                return; // the rest of this text is dropped
            }
        }
    }
}

void TextOutput::WriteLine() { Write("\r\n"); }

void TextOutput::Close()
{
    if (!open_) return;
    if (count_ > 0) {
        const unsigned error = sink_.Write(buffer_, count_);
        count_ = 0;
        if (error) {
            // The file stays open, readable by others, until the process ends.
            SetInOutError(error);
            return;
        }
    }
    open_ = false;
    if (const unsigned error = sink_.Close()) SetInOutError(error);
}
