#include "text/letters.h"

#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Letters, CapitalsAreAToZAndTheCapitalsOfThePairs)
{
    const struct {
        const char* letter;  // UTF-8
        bool capital;
    } cases[] = {{"Ž", true},  {"Q", true},  {"A", true},  {"Z", true},  {"Á", true},
                 {"Ů", true},  {"ž", false}, {"§", false}, {"Ł", false}, {"Ś", false},
                 {"q", false}, {"á", false}, {"@", false}, {"[", false}, {"1", false}};
    for (const auto& c : cases) {
        const std::string b = codepage::fromutf8(c.letter);
        ASSERT_EQ(b.size(), 1u) << c.letter;
        EXPECT_EQ(iscapital(b[0]), c.capital) << c.letter;
    }
}

TEST(Letters, TheRowHoldsFortyFivePairedLettersAndSection)
{
    const std::string& row = czletters(cp1250row);
    ASSERT_EQ(row.size(), 45u);
    EXPECT_EQ(row.back(), '\xA7');
    // Every capital above 127 in its row is counted, and nothing else is.
    int capitals = 0;
    for (int c = 128; c < 256; ++c)
        capitals += iscapital(static_cast<char>(c));
    EXPECT_EQ(capitals, 22);
    EXPECT_THROW(czletters(0), std::out_of_range);
}
