// The messages of file-output errors and the full stop the error box adds.
#include "model/FullStopModel.h"
#include "platform/ErrorText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(InOutErrorMessage, NumbersInTheTableGetTheirTextAndOthersTheGeneralForm)
{
    struct Case {
        unsigned errorCode;
        std::string message;
    };
    const Case cases[] = {
        // ファイルが見つかりません
        {2, "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1"},
        // 不正なファイル名です
        {3, "\x95\x73\x90\xB3\x82\xC8\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x82\xC5\x82\xB7"},
        // オープンしたファイルが多すぎます
        {4, "\x83\x49\x81\x5B\x83\x76\x83\x93\x82\xB5\x82\xBD\x83\x74\x83\x40\x83\x43\x83\x8B"
            "\x82\xAA\x91\xBD\x82\xB7\x82\xAC\x82\xDC\x82\xB7"},
        // ファイルへのアクセスが拒否されました
        {5, "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xD6\x82\xCC\x83\x41\x83\x4E\x83\x5A\x83\x58"
            "\x82\xAA\x8B\x91\x94\xDB\x82\xB3\x82\xEA\x82\xDC\x82\xB5\x82\xBD"},
        // ファイルの末尾以降を読み込みました
        {100, "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCC\x96\x96\x94\xF6\x88\xC8\x8D\x7E\x82\xF0"
              "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x82\xDC\x82\xB5\x82\xBD"},
        // ディスクがいっぱいです
        {101, "\x83\x66\x83\x42\x83\x58\x83\x4E\x82\xAA\x82\xA2\x82\xC1\x82\xCF\x82\xA2\x82\xC5\x82\xB7"},
        // 入力値が数値ではありません
        {106, "\x93\xFC\x97\xCD\x92\x6C\x82\xAA\x90\x94\x92\x6C\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1"},
        // I/O エラー (n): numbers the table does not hold, the system's own too
        {0, "I/O \x83\x47\x83\x89\x81\x5B (0)"},
        {1, "I/O \x83\x47\x83\x89\x81\x5B (1)"},
        {32, "I/O \x83\x47\x83\x89\x81\x5B (32)"},
        {102, "I/O \x83\x47\x83\x89\x81\x5B (102)"},
        {112, "I/O \x83\x47\x83\x89\x81\x5B (112)"},
        {123, "I/O \x83\x47\x83\x89\x81\x5B (123)"},
        {206, "I/O \x83\x47\x83\x89\x81\x5B (206)"},
    };
    for (const Case& c : cases) EXPECT_EQ(InOutErrorMessage(c.errorCode), c.message) << c.errorCode;
}

struct FullStopCase {
    const char* what;
    std::string message;
    std::string shown;
};

const FullStopCase ShiftJisCases[] = {
    // ディスクがいっぱいです: ends in a double-byte character
    {"double-byte end", "\x83\x66\x83\x42\x83\x58\x83\x4E\x82\xAA\x82\xA2\x82\xC1\x82\xCF\x82\xA2\x82\xC5\x82\xB7",
     "\x83\x66\x83\x42\x83\x58\x83\x4E\x82\xAA\x82\xA2\x82\xC1\x82\xCF\x82\xA2\x82\xC5\x82\xB7."},
    // I/O エラー (32)
    {"closing parenthesis", "I/O \x83\x47\x83\x89\x81\x5B (32)", "I/O \x83\x47\x83\x89\x81\x5B (32)"},
    {"letter", "abc", "abc."},
    {"digit", "abc9", "abc9."},
    {"colon, above 0x2E", "abc:", "abc:."},
    {"slash, just above 0x2E", "abc/", "abc/."},
    {"full stop", "abc.", "abc."},
    {"hyphen", "abc-", "abc-"},
    {"blank", "abc ", "abc "},
    {"control character", "abc\n", "abc\n"},
    {"empty", "", ""},
    // 0x2E as the second byte of a double-byte character is no full stop.
    {"0x2E after a lead byte", "a\x81.", "a\x81.."},
    // Two lead bytes pair up, so the 0x2E after them stands alone.
    {"0x2E after two lead bytes", "\x81\x81.", "\x81\x81."},
    {"0x2E after three lead bytes", "\x83\x81\x83.", "\x83\x81\x83.."},
    // A lead byte cut off at the end is a single byte above 0x2E.
    {"lone lead byte", "a\x81", "a\x81."},
};

TEST(FullStop, LastWholeCharacterDecidesUnderShiftJis)
{
    const LeadByteSet leads = LeadByteSet::ShiftJis();
    for (const FullStopCase& c : ShiftJisCases) {
        EXPECT_EQ(WithFullStop(c.message, leads), c.shown) << c.what;
        EXPECT_EQ(model::WithFullStop(c.message, leads), c.shown) << "model: " << c.what;
    }
}

TEST(FullStop, EveryByteStandsAloneUnderASingleByteCodePage)
{
    const LeadByteSet none;
    EXPECT_EQ(WithFullStop("a\x81.", none), "a\x81.");
    EXPECT_EQ(WithFullStop("a\x81", none), "a\x81.");
    EXPECT_EQ(model::WithFullStop("a\x81.", none), "a\x81.");
}

} // namespace
