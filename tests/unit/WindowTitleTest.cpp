// Reading the browser's title from a real window served by another thread:
// the 256-byte buffer, absurd lengths and a browser that never answers.
#include "StandInWindows.h"
#include "platform/CodePage.h"
#include "platform/WindowQuery.h"

#include <gtest/gtest.h>

TEST(WindowTitle, TitlesAreReadWholeOrCutToTheBuffer)
{
    InitLeadBytes();
    const std::string a300(300, 'a');
    std::string kana; // double-byte characters: the 255th byte is a lead byte
    while (kana.size() < 300) kana += "ア";
    struct Case {
        const char* what;
        std::string title;
        BrowserBehaviour behaviour;
        std::string read;
    };
    const Case cases[] = {
        {"short", "ページ - unDonut", BrowserBehaviour::Answers, "ページ - unDonut"},
        {"empty", "", BrowserBehaviour::Answers, ""},
        {"255 bytes", std::string(255, 'b'), BrowserBehaviour::Answers, std::string(255, 'b')},
        {"256 bytes", std::string(256, 'c'), BrowserBehaviour::Answers, std::string(255, 'c')},
        {"300 bytes", a300, BrowserBehaviour::Answers, std::string(255, 'a')},
        {"absurd length", a300, BrowserBehaviour::AbsurdLength, std::string(255, 'a')},
        {"cut inside a character", kana, BrowserBehaviour::Answers, kana.substr(0, 254)},
        {"lone lead byte at the end", "abc\x83", BrowserBehaviour::Answers, "abc"},
    };
    for (const Case& c : cases) {
        StandInBrowser browser(c.title, c.behaviour);
        EXPECT_EQ(TitleOfTopLevelWindow("WTL:Donut"), c.read) << c.what;
    }
}

TEST(WindowTitle, NoWindowGivesEmptyTitle)
{
    EXPECT_EQ(TitleOfTopLevelWindow("No such class here"), "");
}

TEST(WindowTitle, BrowserThatNeverAnswersGivesEmptyTitleInBoundedTime)
{
    StandInBrowser browser("never read", BrowserBehaviour::Hung);
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(TitleOfTopLevelWindow("WTL:Donut"), "");
    const DWORD elapsed = ::GetTickCount() - start;
    EXPECT_LT(elapsed, 10000u);
    std::printf("unanswered title read gave up after %lu ms\n", static_cast<unsigned long>(elapsed));
}
