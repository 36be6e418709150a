// The shortcut file's output: what reaches the sink, when, and what a
// failure leaves pending.
#include "RecordingSink.h"

#include "platform/Exceptions.h"
#include "platform/TextOutput.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

constexpr unsigned DiskFull = 112;
constexpr unsigned AccessDenied = 5;
const std::string DiskFullMessage = "I/O \x83\x47\x83\x89\x81\x5B (112)"; // I/O エラー (112)

// The error CheckInOut raises, or 0 when it raises none.
unsigned RaisedError(std::string* message = nullptr)
{
    try {
        CheckInOut();
    } catch (const EInOutError& e) {
        if (message) *message = e.Message();
        return e.ErrorCode();
    }
    return 0;
}

class BufferedTextOutput : public ::testing::Test {
protected:
    void SetUp() override { SetInOutError(0); }
    void TearDown() override { SetInOutError(0); }

    // Binds and opens as the shortcut is written; the open must succeed.
    void Open(const std::string& name = "C:\\dir\\page.url")
    {
        output.Assign(name);
        output.Rewrite();
        ASSERT_EQ(PendingInOutError(), 0u);
    }

    RecordingSink sink;
    TextOutput output{sink};
};

TEST_F(BufferedTextOutput, WritesBothLinesByteExactAndCloses)
{
    Open();
    output.Write("[InternetShortcut]");
    output.WriteLine();
    output.Write("URL=http://example.com/\x83\x5C");
    output.WriteLine();
    output.Close();

    EXPECT_EQ(PendingInOutError(), 0u);
    EXPECT_FALSE(output.IsOpen());
    EXPECT_EQ(sink.file, "[InternetShortcut]\r\nURL=http://example.com/\x83\x5C\r\n");
    ASSERT_EQ(sink.calls.size(), 3u);
    EXPECT_EQ(sink.calls[0].kind, SinkCall::Kind::Create);
    EXPECT_EQ(sink.calls[0].bytes, "C:\\dir\\page.url");
    EXPECT_EQ(sink.calls[1].kind, SinkCall::Kind::Write);
    EXPECT_EQ(sink.calls[2].kind, SinkCall::Kind::Close);
}

struct BlockCase {
    std::size_t urlLength;
    std::vector<std::size_t> writesDuringFirstLine;
    std::vector<std::size_t> writesDuringSecondLine;
    std::vector<std::size_t> writesAtClose;
};

// The content is 26 + n bytes: every full block of 128 goes the moment it
// completes, the rest at the close.
TEST_F(BufferedTextOutput, FullBlocksGoWhenTheyCompleteAndTheRestAtTheClose)
{
    const BlockCase cases[] = {
        {0, {}, {}, {26}},
        {101, {}, {}, {127}},
        {102, {}, {128}, {}},          // the block completes with the last line end
        {103, {}, {128}, {1}},
        {104, {}, {128}, {2}},         // completes with the URL, before its line end
        {230, {}, {128, 128}, {}},
        {1000, {}, std::vector<std::size_t>(8, 128), {2}},
    };
    for (const BlockCase& c : cases) {
        SCOPED_TRACE("URL length " + std::to_string(c.urlLength));
        RecordingSink blockSink;
        TextOutput out(blockSink);
        out.Assign("a.url");
        out.Rewrite();
        const std::string url(c.urlLength, 'u');

        std::size_t mark = blockSink.calls.size();
        out.Write("[InternetShortcut]");
        out.WriteLine();
        EXPECT_EQ(blockSink.WriteSizesSince(mark), c.writesDuringFirstLine);

        mark = blockSink.calls.size();
        out.Write("URL=" + url);
        out.WriteLine();
        EXPECT_EQ(blockSink.WriteSizesSince(mark), c.writesDuringSecondLine);

        mark = blockSink.calls.size();
        out.Close();
        EXPECT_EQ(blockSink.WriteSizesSince(mark), c.writesAtClose);
        EXPECT_EQ(blockSink.file, "[InternetShortcut]\r\nURL=" + url + "\r\n");
        EXPECT_EQ(PendingInOutError(), 0u);
    }
}

TEST_F(BufferedTextOutput, FailedBlockWriteDropsTheRestOfTheTextButKeepsTheLineEnd)
{
    sink.writeErrors[0] = DiskFull;
    Open();
    output.Write("[InternetShortcut]");
    output.WriteLine();
    EXPECT_EQ(RaisedError(), 0u);

    // 20 bytes are buffered; the block completes 108 bytes into this text.
    output.Write("URL=" + std::string(200, 'u'));
    EXPECT_EQ(PendingInOutError(), DiskFull);
    output.WriteLine();

    std::string message;
    EXPECT_EQ(RaisedError(&message), DiskFull);
    EXPECT_EQ(message, DiskFullMessage);
    EXPECT_EQ(PendingInOutError(), 0u);
    EXPECT_TRUE(output.IsOpen());
    EXPECT_EQ(sink.file, "");

    // Only the line end was left in the buffer.
    output.Close();
    ASSERT_EQ(sink.calls.size(), 4u);
    EXPECT_EQ(sink.calls[2].bytes, "\r\n");
    EXPECT_EQ(sink.file, "\r\n");
}

TEST_F(BufferedTextOutput, FailedWriteAtTheCloseLeavesTheFileOpen)
{
    sink.writeErrors[0] = DiskFull;
    Open();
    output.Write("[InternetShortcut]");
    output.WriteLine();
    output.Close();

    EXPECT_TRUE(output.IsOpen());
    EXPECT_EQ(sink.CountOf(SinkCall::Kind::Close), 0u);
    EXPECT_EQ(RaisedError(), DiskFull);
}

TEST_F(BufferedTextOutput, FailedCloseOfTheHandleIsPendingAndTheOutputClosed)
{
    sink.closeError = AccessDenied;
    Open();
    output.Write("x");
    output.Close();

    EXPECT_FALSE(output.IsOpen());
    EXPECT_EQ(sink.file, "x");
    EXPECT_EQ(sink.CountOf(SinkCall::Kind::Close), 1u);
    EXPECT_EQ(RaisedError(), AccessDenied);
}

TEST_F(BufferedTextOutput, FailedCreateLeavesTheOutputClosedAndWritesNothing)
{
    sink.createError = AccessDenied;
    output.Assign("C:\\dir\\page.url");
    output.Rewrite();
    EXPECT_FALSE(output.IsOpen());
    output.Write(std::string(300, 'x'));
    output.WriteLine();
    output.Close();

    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_EQ(sink.calls[0].kind, SinkCall::Kind::Create);
    std::string message;
    EXPECT_EQ(RaisedError(&message), AccessDenied);
    // ファイルへのアクセスが拒否されました
    EXPECT_EQ(message, "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xD6\x82\xCC\x83\x41\x83\x4E\x83\x5A\x83\x58"
                       "\x82\xAA\x8B\x91\x94\xDB\x82\xB3\x82\xEA\x82\xDC\x82\xB5\x82\xBD");
}

TEST_F(BufferedTextOutput, NamesOverTheCapacityAreRefusedBeforeTheSinkIsTouched)
{
    struct NameCase {
        std::size_t length;
        bool accepted;
    };
    for (const NameCase c : {NameCase{259, true}, NameCase{260, false}, NameCase{400, false}}) {
        SCOPED_TRACE("name length " + std::to_string(c.length));
        SetInOutError(0);
        RecordingSink nameSink;
        TextOutput out(nameSink);
        const std::string name = "C:\\" + std::string(c.length - 7, 'n') + ".url";
        ASSERT_EQ(name.size(), c.length);

        out.Assign(name);
        out.Rewrite();
        out.Write("[InternetShortcut]");
        out.WriteLine();
        out.Close();

        if (c.accepted) {
            EXPECT_EQ(PendingInOutError(), 0u);
            ASSERT_FALSE(nameSink.calls.empty());
            EXPECT_EQ(nameSink.calls[0].bytes, name);
        } else {
            EXPECT_EQ(PendingInOutError(), ErrorFileNameTooLong);
            EXPECT_TRUE(nameSink.calls.empty());
        }
    }
}

TEST(InOutErrorPerThread, BelongsToTheThreadThatSetIt)
{
    SetInOutError(32);
    unsigned seenByOtherThread = 99;
    unsigned raisedInOtherThread = 0;
    std::thread other([&] {
        seenByOtherThread = PendingInOutError();
        SetInOutError(AccessDenied);
        raisedInOtherThread = RaisedError();
    });
    other.join();

    EXPECT_EQ(seenByOtherThread, 0u);
    EXPECT_EQ(raisedInOtherThread, AccessDenied);
    EXPECT_EQ(PendingInOutError(), 32u);
    SetInOutError(0);
}

TEST(InOutErrorPerThread, IsClearedWhenTaken)
{
    SetInOutError(DiskFull);
    std::string message;
    EXPECT_EQ(RaisedError(&message), DiskFull);
    EXPECT_EQ(message, DiskFullMessage);
    EXPECT_EQ(PendingInOutError(), 0u);
    EXPECT_NO_THROW(CheckInOut());
}

} // namespace
