// The buffered file output against the reference model: a session of
// Assign, Rewrite, writes, line ends, checks and closes, over a sink that
// fails the calls the input says. Both sides must make the same sink calls
// with the same bytes, and hold and raise the same errors.
#include "FuzzInput.h"
#include "TextRuleChoices.h"

#include "model/BufferedOutputModel.h"
#include "platform/Exceptions.h"
#include "platform/TextOutput.h"

#include <string>
#include <vector>

namespace {

// Which calls fail, and with which numbers, for both sides alike.
struct FailurePlan {
    unsigned createError = 0;
    unsigned writeFailures = 0; // bit i: the i-th write fails
    unsigned writeError = 0;
    unsigned closeError = 0;

    unsigned WriteResult(std::size_t index) const
    {
        return index < 16 && (writeFailures >> index) & 1u ? writeError : 0;
    }
};

unsigned ErrorNumber(std::uint8_t b)
{
    const unsigned numbers[] = {0, 0, 0, 0, 2, 5, 32, 112};
    return numbers[b % 8];
}

// The sink calls in order, one line each, with the bytes of every call.
class CallLog {
public:
    void Add(char kind, const std::string& bytes) { log_ += kind + std::to_string(bytes.size()) + ':' + bytes + '\n'; }
    const std::string& Text() const { return log_; }

private:
    std::string log_;
};

class RealSink : public OutputSink {
public:
    explicit RealSink(const FailurePlan& plan) : plan_(plan) {}
    unsigned Create(const std::string& name) override
    {
        log.Add('C', name);
        return plan_.createError;
    }
    unsigned Write(const char* data, std::size_t length) override
    {
        log.Add('W', std::string(data, length));
        return plan_.WriteResult(writes_++);
    }
    unsigned Close() override
    {
        log.Add('X', "");
        return plan_.closeError;
    }
    CallLog log;

private:
    const FailurePlan& plan_;
    std::size_t writes_ = 0;
};

class ModelSink : public model::Sink {
public:
    explicit ModelSink(const FailurePlan& plan) : plan_(plan) {}
    unsigned Create(const std::string& name) override
    {
        log.Add('C', name);
        return plan_.createError;
    }
    unsigned Write(const std::string& block) override
    {
        log.Add('W', block);
        return plan_.WriteResult(writes_++);
    }
    unsigned Close() override
    {
        log.Add('X', "");
        return plan_.closeError;
    }
    CallLog log;

private:
    const FailurePlan& plan_;
    std::size_t writes_ = 0;
};

unsigned RealCheck()
{
    try {
        CheckInOut();
    } catch (const EInOutError& e) {
        return e.ErrorCode();
    }
    return 0;
}

void ExpectSameNumber(const char* what, unsigned real, unsigned expected)
{
    fuzzing::ExpectSame(what, std::to_string(real), std::to_string(expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    FailurePlan plan;
    plan.createError = ErrorNumber(in.Byte());
    const unsigned firstWrites = in.Byte();
    plan.writeFailures = firstWrites | (in.Byte() << 8u);
    plan.writeError = ErrorNumber(in.Byte() | 4u); // never 0
    plan.closeError = ErrorNumber(in.Byte());

    // Names around the capacity of 259 bytes, or short ones.
    const std::uint8_t nameChoice = in.Byte();
    const std::string name(nameChoice < 128 ? 1 + nameChoice % 16 : 250 + nameChoice % 16, 'n');

    SetInOutError(0);
    RealSink realSink(plan);
    TextOutput real(realSink);
    ModelSink modelSink(plan);
    model::BufferedOutput expected(modelSink);

    real.Assign(name);
    expected.Assign(name);
    real.Rewrite();
    expected.Rewrite();

    while (!in.AtEnd()) {
        const std::uint8_t op = in.Byte();
        switch (op % 4) {
        case 0: {
            // Long texts cross several blocks.
            const std::size_t length = op < 128 ? in.Byte() % 64 : in.Byte() * 2u;
            const std::string text = in.Take(length);
            real.Write(text);
            expected.Write(text);
            break;
        }
        case 1:
            real.WriteLine();
            expected.WriteLine();
            break;
        case 2:
            ExpectSameNumber("raised error", RealCheck(), expected.TakeError());
            break;
        default:
            real.Close();
            expected.Close();
            break;
        }
        ExpectSameNumber("pending error", PendingInOutError(), expected.Pending());
        ExpectSameNumber("open", real.IsOpen(), expected.IsOpen());
        fuzzing::ExpectSame("sink calls", realSink.log.Text(), modelSink.log.Text());
    }
    real.Close();
    expected.Close();
    ExpectSameNumber("raised error at the end", RealCheck(), expected.TakeError());
    fuzzing::ExpectSame("sink calls at the end", realSink.log.Text(), modelSink.log.Text());
    return 0;
}
