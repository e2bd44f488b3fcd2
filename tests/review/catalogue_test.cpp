#include "text/resourcelocalizer.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <climits>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// glibc's UTF-8 to code page 1250, kept apart from our own conversion on purpose.
bool tocp1250(const std::string& utf8, std::string& out)
{
    iconv_t cd = iconv_open("CP1250", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string in = utf8;
    std::string buffer(in.size() + 1, '\0');
    char* inp = in.data();
    std::size_t inleft = in.size();
    char* outp = buffer.data();
    std::size_t outleft = buffer.size();
    const bool ok = iconv(cd, &inp, &inleft, &outp, &outleft) != static_cast<std::size_t>(-1)
                    && inleft == 0;
    iconv_close(cd);
    out.assign(buffer.data(), static_cast<std::size_t>(outp - buffer.data()));
    return ok;
}

// messages.tsv: the message table in UTF-8, one line per message: n, Czech, English, Slovak.
TEST(Catalogue, EveryTextIsTheTablesBytes)
{
    std::ifstream tsv(MESSAGES_TSV);
    ASSERT_TRUE(tsv) << MESSAGES_TSV;
    std::string row;
    int expected = 0;
    while (std::getline(tsv, row)) {
        std::vector<std::string> cells;
        std::istringstream fields(row);
        for (std::string cell; std::getline(fields, cell, '\t');)
            cells.push_back(cell);
        ASSERT_EQ(cells.size(), 4u) << row;
        ASSERT_EQ(cells[0], std::to_string(expected)) << row;
        for (int lang = 1; lang <= 3; ++lang) {
            std::string bytes;
            ASSERT_TRUE(tocp1250(cells[lang], bytes)) << cells[lang];
            EXPECT_EQ(TResourceLocalizer::LoadMessage(lang * 1000, expected), bytes)
                << "message " << expected << " of " << lang * 1000;
        }
        ++expected;
    }
    EXPECT_EQ(expected, 47);
}

TEST(Catalogue, SlovakColumnIsSixBytes)
{
    const std::string column = TResourceLocalizer::LoadMessage(3000, 32);
    ASSERT_EQ(column.size(), 6u);
    EXPECT_EQ(column[2], '\xE5');
}

TEST(Catalogue, LooksUpByIdentifier)
{
    const struct {
        int base, n;
        const char* text;
    } cases[] = {
        {1000, 47, ""},
        {4000, 0, ""},
        {0, 0, ""},
        {0, 999, ""},
        {2000, -1, ""},
        {2000, 999, ""},
        {INT_MAX, 1, ""},
        {INT_MIN, 0, ""},
        {-1000, 3025, "ready"},
        {0, 2025, "ready"},
        {2000, 25, "ready"},
        {3000, 46, "&Braillsk\xE1 kl\xE1vesnica"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TResourceLocalizer::LoadMessage(c.base, c.n), c.text) << c.base << " + " << c.n;
}

TEST(Catalogue, MessageUsesTheLanguageInUse)
{
    EXPECT_EQ(languagebase, 0);
    EXPECT_EQ(message(25), "");
    languagebase = 2000;
    EXPECT_EQ(message(25), "ready");
    languagebase = 1000;
    EXPECT_EQ(message(29), "pr\xE1zdn\xFD \xF8\xE1""dek");
    languagebase = 0;
}

TEST(Catalogue, ListsTheThreeLanguages)
{
    std::vector<langitem> list{{"stale", 7}};
    TResourceLocalizer::ListLanguages(list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].name, "\xC8" "e\x9Atina");
    EXPECT_EQ(list[0].base, 1000);
    EXPECT_EQ(list[1].name, "English");
    EXPECT_EQ(list[1].base, 2000);
    EXPECT_EQ(list[2].name, "Sloven\xE8ina");
    EXPECT_EQ(list[2].base, 3000);
}

}  // namespace
