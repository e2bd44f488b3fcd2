// Small BASIC programs, translated by basic2cpp and run on the real runtime.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "runtime/screen.h"
#include "runtime/stack.h"
#include "runtime/vdrcommands.h"

void forloop();
void gosub();
void noreturn();
void restart();
void logic();
void leftfirst();
void strings();
void ifthen();
void multifile();

namespace {

class scheme : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen::clear();
        scrcursor.setrow(0);
        scrcursor.setcolumn(0);
        vdrcommands::runinit();
    }

    // The rows printed so far, without the blanks that pad them to 80 columns.
    static std::vector<std::string> printed()
    {
        std::vector<std::string> out;
        for (int r = 0; r < scrcursor.getrow(); ++r) {
            std::string line = screen::lines()[r];
            line.erase(line.find_last_not_of(' ') + 1);
            out.push_back(line);
        }
        return out;
    }
};

struct programcase {
    const char* name;
    void (*run)();
    std::vector<std::string> lines;
};

void PrintTo(const programcase& c, std::ostream* os)
{
    *os << c.name;
}

class programs : public scheme, public ::testing::WithParamInterface<programcase> {};

TEST_P(programs, PrintsWhatTheSchemePrescribes)
{
    GetParam().run();
    EXPECT_EQ(printed(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    scheme, programs,
    ::testing::Values(
        programcase{"forloop", forloop,
                    {"once past the limit", "321", "down to 0", "limit taken once", "step 0 runs once",
                     "11 12 21 22", "fractional step"}},
        // The second GOSUB of a line returns behind itself; nested ones return in reverse;
        // CLEAR in a subroutine keeps the pending return.
        programcase{"gosub", gosub,
                    {"sub 100", "after first", "sub 200", "after second", "in 300", "in 400", "back in 300",
                     "back in main", "cleared and returned"}},
        programcase{"noreturn", noreturn, {"returned"}},
        programcase{"logic", logic,
                    {"and binds tighter", "or stops at true", "and stops at false", "not of a comparison",
                     "true is -1", "non-zero holds", "arithmetic"}},
        programcase{"strings", strings,
                    {"capital differs", "same word", "unsigned bytes", "shorter first", "AB", "abcA",
                     "abc     d", "p\xf8\xedli\x9a ?\?= \\"}},  // literals arrive in code page 1250
        programcase{"ifthen", ifthen, {"target", "done"}},
        programcase{"multifile", multifile, {"other file", "main"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(scheme, ReturnLeavesTheStackAsItFoundIt)
{
    gosub();
    EXPECT_EQ(retstack, nullptr);
    EXPECT_EQ(retid, 100050);  // the last RETURN took the id of the GOSUB in line 50
}

TEST_F(scheme, NextRunStartsWithAnEmptyStack)
{
    vdrcommands::poke(1000, 0);
    restart();
    ASSERT_NE(retstack, nullptr);  // ended by END inside a subroutine
    EXPECT_EQ(vdrcommands::peek(1000), 1);

    restart();
    EXPECT_EQ(printed(), std::vector<std::string>{});
    EXPECT_EQ(retstack, nullptr);
    EXPECT_EQ(vdrcommands::peek(1000), 0);
}

TEST_F(scheme, OperandsAreEvaluatedLeftToRight)
{
    EXPECT_THROW(leftfirst(), vdrerror);
    EXPECT_EQ(printed(), std::vector<std::string>{});
}

}  // namespace
