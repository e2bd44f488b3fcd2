#include "text/keytables.h"

#include <gtest/gtest.h>
#include <unistd.h>  // mkdtemp

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/errors.h"

namespace fs = std::filesystem;

// Comparison and printing of the records, for whole-table expectations.
bool operator==(const brlchartype& a, const brlchartype& b)
{
    return a.prefix == b.prefix && a.chars == b.chars && a.dots == b.dots;
}

bool operator==(const brlpreftype& a, const brlpreftype& b)
{
    return a.name == b.name && a.dots == b.dots;
}

void PrintTo(const brlchartype& c, std::ostream* os)
{
    *os << "{" << c.prefix << "|" << c.chars << "|" << c.dots << "}";
}

void PrintTo(const brlpreftype& p, std::ostream* os)
{
    *os << "{" << p.name << "|" << p.dots << "}";
}

namespace {

// Runs each test in a fresh temporary folder, because the loaders open bare file names.
class KeyTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        old = fs::current_path();
        char tmpl[] = "/tmp/keytablesXXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        fs::current_path(dir);
        brltablefile = "table.ebt";
        keynamefile = "names.eky";
        brlprefixcount = 0;
        brlcharcount = 0;
        echokeys = {};
    }
    void TearDown() override
    {
        fs::current_path(old);
        fs::remove_all(dir);
    }
    static void write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    fs::path old, dir;
};

std::vector<brlchartype> cells()
{
    return {brlchars.begin() + 1, brlchars.begin() + 1 + brlcharcount};
}

std::vector<brlpreftype> prefixes()
{
    return {brlprefixes.begin() + 1, brlprefixes.begin() + 1 + brlprefixcount};
}

TEST_F(KeyTables, SingleCharacterCell)
{
    write("table.ebt", "[characters]\na=1\n");
    loadbrltable();
    EXPECT_EQ(brlprefixcount, 0);
    EXPECT_EQ(cells(), (std::vector<brlchartype>{{"", "a", "1"}}));
}

TEST_F(KeyTables, SectionsAndLineRules)
{
    write("table.ebt",
          "a=1\n"                          // before the first header: ignored
          "[prefixes]\n"
          "#cap=46\n"
          "cap=4\n"                        // not "#": ignored
          "\n"
          "#num=3456\r\n"                  // CR LF ends a line
          "[characters]\n"
          "a=1\n"
          "\n"
          "#=3456\n"                       // "#" is an ordinary cell here
          " b = 12 \n"                     // nothing trimmed
          "==2356=\n"                      // split at the first "="
          "x\n"                            // no "=": the whole line both ways
          "c=1\r4\n"                       // a lone CR stays in the line
          "[Prefixes]\n"                   // not a known name: skipped whole
          "#big=6\n"
          "B=12\n"
          "[#cap]\n"
          "A=1\n"
          "[other]\n"
          "z=1356\n"
          "[#num]\n"
          "1=1");                          // last line without a line end
    loadbrltable();
    EXPECT_EQ(prefixes(), (std::vector<brlpreftype>{{"#cap", "46"}, {"#num", "3456"}}));
    EXPECT_EQ(cells(), (std::vector<brlchartype>{{"", "a", "1"},
                                                 {"", "#", "3456"},
                                                 {"", " b ", " 12 "},
                                                 {"", "", "=2356="},
                                                 {"", "x", "x"},
                                                 {"", "c", "1\r4"},
                                                 {"#cap", "A", "1"},
                                                 {"#num", "1", "1"}}));
}

TEST_F(KeyTables, SecondPrefixSectionRestartsOnlyThePrefixes)
{
    write("table.ebt",
          "[prefixes]\n#cap=46\n#num=3456\n"
          "[characters]\na=1\n"
          "[prefixes]\n#ital=456\n"
          "[characters]\nb=12\n");
    loadbrltable();
    EXPECT_EQ(prefixes(), (std::vector<brlpreftype>{{"#ital", "456"}}));
    EXPECT_EQ(cells(), (std::vector<brlchartype>{{"", "a", "1"}, {"", "b", "12"}}));
}

TEST_F(KeyTables, ExtraPrefixesAndCellsAreIgnored)
{
    std::string prefixtext = "[prefixes]\n";
    for (int i = 1; i <= 12; ++i)
        prefixtext += "#p" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    std::string chartext = "[characters]\n";
    for (int i = 1; i <= 300; ++i)
        chartext += "c" + std::to_string(i) + "=" + std::to_string(i) + "\n";

    write("table.ebt", prefixtext + chartext);
    loadbrltable();
    ASSERT_EQ(brlprefixcount, 10);
    EXPECT_EQ(brlprefixes[10].name, "#p10");
    EXPECT_EQ(brlprefixes[0].name, "");
    ASSERT_EQ(brlcharcount, 255);
    EXPECT_EQ(brlchars[1].chars, "c1");
    EXPECT_EQ(brlchars[255].chars, "c255");
    EXPECT_EQ(brlchars[0].chars, "");

    // The rest of the file is still read after the tables are full.
    write("table.ebt", prefixtext + chartext + "[prefixes]\n#late=5\n");
    loadbrltable();
    EXPECT_EQ(prefixes(), (std::vector<brlpreftype>{{"#late", "5"}}));
    EXPECT_EQ(brlcharcount, 255);
}

TEST_F(KeyTables, UnreadableFilesRaiseErrors)
{
    write("table.ebt", "[characters]\na=1\n");
    loadbrltable();
    ASSERT_EQ(brlcharcount, 1);
    brltablefile = "absent.ebt";
    try {
        loadbrltable();
        ADD_FAILURE() << "no error";
    } catch (const vdrerror& e) {
        EXPECT_STREQ(e.what(), "File not found: absent.ebt");
    }
    EXPECT_EQ(brlcharcount, 0);

    keynamefile = "absent.eky";
    EXPECT_THROW(loadkeynames(), vdrerror);

    // A name that opens but cannot be read is an error too, not an empty table.
    fs::create_directory("folder.ebt");
    brltablefile = "folder.ebt";
    EXPECT_THROW(loadbrltable(), vdrerror);
}

TEST_F(KeyTables, KeyNameLines)
{
    write("names.eky", "61==\n\n321=x\r\n32= space \n-1=minus\n\n65=a=b\n");
    loadkeynames();
    const std::vector<std::pair<int, std::string>> expected = {
        {61, "="}, {65, "x"}, {32, " space "}, {255, "minus"}, {65, "a=b"}, {0, ""}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(echokeys[i].keychar, expected[i].first) << i;
        EXPECT_EQ(echokeys[i].keyname, expected[i].second) << i;
    }
}

TEST_F(KeyTables, KeyNameSlotsWrapAfter255)
{
    std::string text;
    for (int line = 1; line <= 300; ++line)
        text += std::to_string(line) + "=n" + std::to_string(line) + "\n";
    write("names.eky", text);
    loadkeynames();
    EXPECT_EQ(echokeys[0].keyname, "n257");
    EXPECT_EQ(echokeys[0].keychar, 257 & 0xFF);
    EXPECT_EQ(echokeys[43].keyname, "n300");
    EXPECT_EQ(echokeys[44].keyname, "n45");
    EXPECT_EQ(echokeys[255].keyname, "n256");
}

TEST_F(KeyTables, BadCodeStopsLoadingAndKeepsEarlierLines)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"x=b", "'x' is not a valid integer value"},
        {"=b", "'' is not a valid integer value"},
        {" 66=b", "' 66' is not a valid integer value"},
        {"6 6=b", "'6 6' is not a valid integer value"},
        {"0x42=b", "'0x42' is not a valid integer value"},
        {"99999999999=b", "'99999999999' is not a valid integer value"},
        {"66", "'66' is not a valid integer value"},
        {"\xe8=b", "'\xc4\x8d' is not a valid integer value"},  // CP1250 č, reported as UTF-8
    };
    for (const auto& [bad, message] : cases) {
        write("names.eky", "65=a\n" + bad + "\n67=c\n");
        try {
            loadkeynames();
            ADD_FAILURE() << "no error for " << bad;
        } catch (const vdrerror& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
        EXPECT_EQ(echokeys[0].keychar, 65) << bad;
        EXPECT_EQ(echokeys[0].keyname, "a") << bad;
        EXPECT_EQ(echokeys[1].keychar, 0) << bad;
        EXPECT_EQ(echokeys[1].keyname, "") << bad;
    }
}

// The files that ship with the program.

bool ascendingdots(const std::string& dots)
{
    if (dots.empty())
        return false;
    for (std::size_t i = 0; i < dots.size(); ++i)
        if (dots[i] < '1' || dots[i] > '6' || (i > 0 && dots[i] <= dots[i - 1]))
            return false;
    return true;
}

std::string cp(const char* utf8)
{
    return codepage::fromutf8(utf8);
}

TEST_F(KeyTables, ShippedBrailleTable)
{
    fs::current_path(VANDREL_DATA_DIR);
    // Any line that starts with "[" opens a section: a cell for "[" would silently hide the
    // cells after it in a skipped section.
    std::ifstream in("czech.ebt", std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] != '[')
            continue;
        EXPECT_TRUE(line == "[prefixes]" || line == "[characters]" || line.starts_with("[#"))
            << line << " would be skipped";
        EXPECT_TRUE(line.ends_with("]")) << line;
    }
    brltablefile = "czech.ebt";
    loadbrltable();
    ASSERT_LT(brlcharcount, brlcharslots) << "table may have been cut short";
    ASSERT_LT(brlprefixcount, brlprefixslots);

    std::set<std::string> prefixdots, prefixnames;
    for (const auto& p : prefixes()) {
        EXPECT_TRUE(ascendingdots(p.dots)) << p.name;
        EXPECT_TRUE(prefixdots.insert(p.dots).second) << p.name << " shares its dots";
        prefixnames.insert(p.name);
    }
    EXPECT_TRUE(prefixnames.count("#cap"));
    EXPECT_TRUE(prefixnames.count("#num"));

    std::map<std::pair<std::string, std::string>, std::string> bydots;
    std::map<std::pair<std::string, std::string>, std::string> bytext;
    for (const auto& c : cells()) {
        EXPECT_TRUE(ascendingdots(c.dots)) << c.chars << "=" << c.dots;
        EXPECT_TRUE(c.prefix.empty() || prefixnames.count(c.prefix)) << c.prefix << " has no prefix cell";
        EXPECT_FALSE(prefixdots.count(c.dots)) << c.chars << " hides under a prefix";
        EXPECT_TRUE(bydots.emplace(std::pair{c.prefix, c.dots}, c.chars).second)
            << c.prefix << " " << c.dots << " twice";
        bytext.emplace(std::pair{c.prefix, c.chars}, c.dots);
    }

    const std::string small = cp("abcdefghijklmnopqrstuvwxyzáčďéěíňóřšťúůýž");
    const std::string capital = cp("ABCDEFGHIJKLMNOPQRSTUVWXYZÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    ASSERT_EQ(small.size(), capital.size());
    for (std::size_t i = 0; i < small.size(); ++i) {
        const std::string s(1, small[i]), c(1, capital[i]);
        ASSERT_TRUE(bytext.count({"", s})) << codepage::toutf8(s);
        ASSERT_TRUE(bytext.count({"#cap", c})) << codepage::toutf8(c);
        EXPECT_EQ((bytext[{"", s}]), (bytext[{"#cap", c}])) << codepage::toutf8(c);
    }
    const std::string digits = "1234567890";
    for (std::size_t i = 0; i < digits.size(); ++i)
        EXPECT_EQ((bytext[{"#num", std::string(1, digits[i])}]), (bytext[{"", std::string(1, 'a' + i)}]))
            << digits[i];
    for (const char* mark : {".", ",", ";", ":", "?", "!", "-", "(", ")", "\""})
        EXPECT_TRUE(bytext.count({"", mark})) << mark;
}

TEST_F(KeyTables, ShippedKeyNameFilesNameEveryPrintableCharacterOnce)
{
    fs::current_path(VANDREL_DATA_DIR);
    for (const char* file : {"czech.eky", "english.eky", "slovak.eky"}) {
        SCOPED_TRACE(file);
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in);
        int lines = 0;
        for (std::string line; std::getline(in, line);)
            lines += !line.empty();
        ASSERT_LE(lines, 256) << "slots would be overwritten";

        echokeys = {};
        keynamefile = file;
        loadkeynames();
        std::map<int, int> seen;
        for (int i = 0; i < lines; ++i) {
            const auto& k = echokeys[i];
            ++seen[k.keychar];
            EXPECT_FALSE(k.keyname.empty()) << int(k.keychar);
            // Names go to SSML-reading engines as they are: no markup characters.
            EXPECT_EQ(k.keyname.find_first_of("<>&"), std::string::npos) << k.keyname;
        }
        for (int b = 0x20; b <= 0xFF; ++b) {
            const char32_t u = codepage::tounicode(static_cast<unsigned char>(b));
            if (b == 0x7F || (u >= 0x80 && u <= 0x9F))
                continue;
            EXPECT_EQ(seen[b], 1) << "code " << b;
        }
    }
}

}  // namespace
