#include "tracefile.h"

#include "platform/clock.h"
#include "runtime/screen.h"
#include "runtime/vdrcommands.h"

#include <gtest/gtest.h>

namespace {

struct ScreenTest : ::testing::Test {
    void SetUp() override
    {
        vclock::setfast(true);
        screen::clear();
        scrcursor.setcolumn(0);
        scrcursor.setrow(0);
    }
    void at(int c, int r)
    {
        scrcursor.setcolumn(c);
        scrcursor.setrow(r);
    }
    std::pair<int, int> cursor() { return {scrcursor.getcolumn(), scrcursor.getrow()}; }
    const std::string& line(int r) { return screen::lines()[r]; }
};

TEST_F(ScreenTest, EmptyPrintPadsTheRowAndMovesOn)
{
    vdrcommands::print("", 0);
    EXPECT_EQ(line(0), std::string(80, ' '));
    EXPECT_EQ(cursor(), std::make_pair(0, 1));
    EXPECT_EQ(line(1), "");
    EXPECT_EQ(screen::lines().size(), 24u);
}

TEST_F(ScreenTest, EightyCharactersStayOnTheRowAtColumnEighty)
{
    vdrcommands::print(std::string(80, 'x'), 1);
    EXPECT_EQ(cursor(), std::make_pair(80, 0));
    vdrcommands::print("ab", 1);
    EXPECT_EQ(line(0), std::string(80, 'x'));
    EXPECT_EQ(line(1).substr(0, 2), "ab");
    EXPECT_EQ(cursor(), std::make_pair(2, 1));
}

TEST_F(ScreenTest, LongTextWrapsOverRows)
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += static_cast<char>('a' + i % 26);
    vdrcommands::print(text, 0);
    EXPECT_EQ(line(0), text.substr(0, 80));
    EXPECT_EQ(line(1), text.substr(80, 80));
    EXPECT_EQ(line(2), text.substr(160) + std::string(40, ' '));
    EXPECT_EQ(cursor(), std::make_pair(0, 3));
}

TEST_F(ScreenTest, TextAtColumnSeventyContinuesOnTheNextRow)
{
    at(70, 5);
    vdrcommands::print(std::string(10, 'a') + std::string(20, 'b'), 1);
    EXPECT_EQ(line(5).substr(70), std::string(10, 'a'));
    EXPECT_EQ(line(6).substr(0, 20), std::string(20, 'b'));
    EXPECT_EQ(cursor(), std::make_pair(20, 6));
}

TEST_F(ScreenTest, TabStops)
{
    const std::pair<int, int> cases[] = {{5, 8}, {9, 10}, {16, 16}, {72, 72}, {0, 0}, {15, 16}};
    for (auto [end, expected] : cases) {
        at(0, 3);
        vdrcommands::print(std::string(end, 'x'), 2);
        EXPECT_EQ(cursor(), std::make_pair(expected, 3)) << "ending at " << end;
    }
    at(0, 3);
    vdrcommands::print(std::string(73, 'x'), 2);
    EXPECT_EQ(cursor(), std::make_pair(0, 4));
}

TEST_F(ScreenTest, ANewRowBelowTheBottomScrolls)
{
    for (int r = 0; r < 24; ++r)
        screen::lines()[r] = "line " + std::to_string(r);
    at(10, 23);
    vdrcommands::print("new", 0);
    EXPECT_EQ(line(0), "line 1");
    EXPECT_EQ(line(22), "line 23" + std::string(3, ' ') + "new" + std::string(67, ' '));
    EXPECT_EQ(line(23), "");
    EXPECT_EQ(cursor(), std::make_pair(0, 23));
    EXPECT_EQ(screen::lines().size(), 24u);

    at(70, 23);
    vdrcommands::print(std::string(30, 'z'), 1);
    EXPECT_EQ(line(22).substr(70), std::string(10, 'z'));
    EXPECT_EQ(line(23).substr(0, 20), std::string(20, 'z'));
}

TEST_F(ScreenTest, LeadingPunctuationPausesAndStaysOnScreen)
{
    struct {
        std::string text;
        int pauses;
    } cases[] = {{";neseš sebou ", 1}, {"...", 3}, {". ,a", 1}, {"  ?x", 1}, {"a.", 0}, {"", 0}};
    for (const auto& c : cases) {
        tracefile t;
        at(0, 0);
        vdrcommands::print(c.text, 1);
        int sleeps = 0;
        for (const auto& l : t.lines())
            if (l == R"({"event":"sleep","ms":300})")
                ++sleeps;
        EXPECT_EQ(sleeps, c.pauses) << c.text;
        EXPECT_EQ(line(0).substr(0, c.text.size()), c.text);
    }
}

TEST_F(ScreenTest, PrintIsTraced)
{
    tracefile t;
    vdrcommands::print("\xe8" "au", 2);
    const auto l = t.lines();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0], R"({"event":"print","text":"čau","mode":2})");
}

}  // namespace
