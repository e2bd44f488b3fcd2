#include "app/script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

bool parse(const std::string& text, std::vector<scriptaction>& actions, std::string& error)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vandrel-script-" + std::to_string(getpid()))).string();
    std::ofstream(path) << text;
    const bool ok = readscript(path, actions, error);
    std::remove(path.c_str());
    return ok;
}

TEST(Script, ActionsAndTheirArguments)
{
    std::vector<scriptaction> a;
    std::string error;
    ASSERT_TRUE(parse("# a comment\n\ntype vezmi dopis\r\nclose\nkey a\nkey Alt+F4\npress Ctrl+B\n"
                      "dialog\nchord 145\nchord space\nstart\nidle 250\ntype \n",
                      a, error))
        << error;
    ASSERT_EQ(a.size(), 11u);
    EXPECT_EQ(a[0].what, scriptaction::type);
    EXPECT_EQ(a[0].arg, "vezmi dopis");
    EXPECT_EQ(a[0].line, 3);
    EXPECT_EQ(a[3].arg, "Alt+F4");
    EXPECT_EQ(a[6].what, scriptaction::chord);
    EXPECT_EQ(a[9].ms, 250);
    EXPECT_EQ(a[10].arg, "");
}

TEST(Script, KeysAndChords)
{
    for (const char* k : {"a", "ř", "Enter", "Escape", "F12", "Shift+Up", "Ctrl+Alt+Delete", "Space", "+"})
        EXPECT_TRUE(validkey(k)) << k;
    for (const char* k : {"", "ab", "F13", "Ctrl+", "Meta+a", "enter"})
        EXPECT_FALSE(validkey(k)) << k;
    for (const char* d : {"1", "123456", "space", "66"})
        EXPECT_TRUE(validchord(d)) << d;
    for (const char* d : {"", "7", "0", "1 2", "Space"})
        EXPECT_FALSE(validchord(d)) << d;
}

TEST(Script, BadLinesNameTheirLine)
{
    std::vector<scriptaction> a;
    std::string error;
    EXPECT_FALSE(parse("key a\nidle -5\n", a, error));
    EXPECT_NE(error.find(":2: idle takes milliseconds"), std::string::npos) << error;
    EXPECT_FALSE(parse("start now\n", a, error));
    EXPECT_NE(error.find(":1: "), std::string::npos) << error;
}

}  // namespace
