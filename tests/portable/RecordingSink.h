// An output sink that records every call and fails the ones it is told to.
#pragma once

#include "platform/TextOutput.h"

#include <map>
#include <string>
#include <vector>

struct SinkCall {
    enum class Kind { Create, Write, Close };
    Kind kind;
    std::string bytes; // the name for Create, the block for Write
};

class RecordingSink : public OutputSink {
public:
    unsigned createError = 0;
    unsigned closeError = 0;
    std::map<std::size_t, unsigned> writeErrors; // by the write's index, from 0

    std::vector<SinkCall> calls;
    std::string file; // what reached the file: the blocks of successful writes

    unsigned Create(const std::string& name) override
    {
        calls.push_back({SinkCall::Kind::Create, name});
        if (createError == 0) file.clear();
        return createError;
    }
    unsigned Write(const char* data, std::size_t length) override
    {
        const auto found = writeErrors.find(writes_++);
        calls.push_back({SinkCall::Kind::Write, std::string(data, length)});
        if (found != writeErrors.end()) return found->second;
        file.append(data, length);
        return 0;
    }
    unsigned Close() override
    {
        calls.push_back({SinkCall::Kind::Close, {}});
        return closeError;
    }

    // Sizes of the Write calls from the call with index `from` on.
    std::vector<std::size_t> WriteSizesSince(std::size_t from) const
    {
        std::vector<std::size_t> sizes;
        for (std::size_t i = from; i < calls.size(); ++i)
            if (calls[i].kind == SinkCall::Kind::Write) sizes.push_back(calls[i].bytes.size());
        return sizes;
    }
    std::size_t CountOf(SinkCall::Kind kind) const
    {
        std::size_t n = 0;
        for (const SinkCall& c : calls) n += c.kind == kind;
        return n;
    }

private:
    std::size_t writes_ = 0;
};
