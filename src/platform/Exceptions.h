// The error classes of the tool's run. EAbort is the silent one: the error
// display shows nothing for it. EInOutError carries a system error number.
#pragma once

#include <string>
#include <utility>

class Exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    virtual ~Exception() = default;
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

class EInOutError : public Exception {
public:
    EInOutError(unsigned errorCode, std::string message)
        : Exception(std::move(message)), errorCode_(errorCode) {}
    unsigned ErrorCode() const { return errorCode_; }

private:
    unsigned errorCode_;
};
