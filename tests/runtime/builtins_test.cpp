#include "platform/clock.h"
#include "platform/errors.h"
#include "runtime/input.h"
#include "runtime/screen.h"
#include "runtime/sound.h"
#include "runtime/vdrcommands.h"

#include <gtest/gtest.h>

using namespace vdrcommands;

TEST(Val, DecimalAndHexadecimalForms)
{
    const std::pair<const char*, double> cases[] = {
        {"%FF", 255}, {"%ff", 255}, {"-%10", -16}, {"%FFFFFFFF", -1}, {"%7FFFFFFF", 2147483647},
        {"  %1", 1},  {"12", 12},   {" 1.5E2", 150}, {"-2.5", -2.5}, {"+3", 3},
        {".5", 0.5},  {"1e-1", 0.1}, {"12 ", 0},    {"12abc", 0},   {"", 0},
        {"abc", 0},   {"1e", 0},    {"-", 0},       {"1,5", 0}};
    for (auto [text, expected] : cases)
        EXPECT_DOUBLE_EQ(val(text), expected) << "'" << text << "'";
}

TEST(Val, MalformedHexadecimalIsAConversionError)
{
    const std::pair<const char*, const char*> cases[] = {
        {"%", "'$' is not a valid integer value"},
        {"%1G", "'$1G' is not a valid integer value"},
        {"%100000000", "'$100000000' is not a valid integer value"},
        {"%1 ", "'$1 ' is not a valid integer value"},
        {"1%", "'1$' is not a valid integer value"},
        {"%%1", "'$$1' is not a valid integer value"}};
    for (auto [text, message] : cases) {
        try {
            val(text);
            ADD_FAILURE() << text << " converted";
        } catch (const vdrerror& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

TEST(Builtins, LeftChrAndTime)
{
    std::string s = "old";
    leftstr("abc", s, 2);
    EXPECT_EQ(s, "ab");
    leftstr("abc", s, 5);
    EXPECT_EQ(s, "abc");
    leftstr("abc", s, -1);
    EXPECT_EQ(s, "");
    leftstr("abc", s, 0.9);
    EXPECT_EQ(s, "");

    chrstr(s, 65.9);
    EXPECT_EQ(s, "A");
    chrstr(s, 321);
    EXPECT_EQ(s, "A");
    chrstr(s, -1);
    EXPECT_EQ(s, "\xff");

    vclock::setfixedtime({13, 5, 9});
    timestr(s);
    EXPECT_EQ(s, "13 05 09 ");
    vclock::setfixedtime({0, 0, 0});
    timestr(s);
    EXPECT_EQ(s, "00 00 00 ");
}

TEST(Builtins, RuninitResetsTheRunButKeepsTheRow)
{
    pendinginput = "rest";
    lastoctave = 5;
    lastduration = 300;
    scrcursor.setcolumn(40);
    scrcursor.setrow(12);
    runinit();
    EXPECT_EQ(pendinginput, "");
    EXPECT_EQ(lastoctave, 1);
    EXPECT_EQ(lastduration, 1);
    EXPECT_EQ(scrcursor.getcolumn(), 0);
    EXPECT_EQ(scrcursor.getrow(), 12);
}
