#include "platform/clock.h"
#include "platform/messages.h"
#include "runtime/input.h"
#include "runtime/screen.h"
#include "runtime/vdrcommands.h"
#include "text/resourcelocalizer.h"

#include <gtest/gtest.h>

#include <deque>

using namespace vdrcommands;

namespace {

// A data-entry dialog that hands out prepared entries; nullopt stands for a dialog closed
// without OK.
struct fakedialog : inputdialoghost {
    std::deque<std::optional<std::string>> entries;
    std::string current;
    int showings = 0;
    void prepare() override { current.clear(); }
    bool showmodal() override
    {
        ++showings;
        auto e = entries.front();
        entries.pop_front();
        current = e.value_or("");
        return e.has_value();
    }
    std::string text() const override { return current; }
};

struct InputTest : ::testing::Test {
    fakedialog dialog;
    void SetUp() override
    {
        vclock::setfast(true);
        languagebase = 1000;
        setinputdialog(&dialog);
        pendinginput.clear();
        screen::clear();
        scrcursor.setcolumn(0);
        scrcursor.setrow(0);
    }
    void TearDown() override { setinputdialog(nullptr); }
};

TEST_F(InputTest, EntriesSplitAtCommasAndQuotes)
{
    struct {
        std::string entry;
        std::vector<std::string> values;
    } cases[] = {
        {"abc", {"abc"}},
        {"a, b", {"a", "b"}},
        {"a , b", {"a ", "b"}},
        {"\"x, y\", z", {"x, y", "z"}},
        {"\"abc", {"abc"}},
        {",b", {"", "b"}},
        {"a,,b", {"a", "b"}},
        {"  padded \t", {"padded"}},
    };
    for (const auto& c : cases) {
        dialog.entries = {c.entry};
        dialog.showings = 0;
        std::string dest = "unchanged";
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            input(dest, i == 0 ? 0 : 1);
            EXPECT_EQ(dest, c.values[i]) << c.entry << " value " << i;
        }
        EXPECT_EQ(dialog.showings, 1) << c.entry;
        EXPECT_EQ(pendinginput, "") << c.entry;
    }
}

TEST_F(InputTest, NoDataLeavesTheDestination)
{
    dialog.entries = {std::nullopt, std::string("   "), std::string("")};
    std::string dest = "before";
    for (int i = 0; i < 3; ++i) {
        input(dest, 0);
        EXPECT_EQ(dest, "before");
        EXPECT_EQ(pendinginput, "");
    }
}

TEST_F(InputTest, OnlyPromptingModesPrintThePrompt)
{
    std::string dest;
    dialog.entries = {std::string("x")};
    input(dest, 0);
    EXPECT_EQ(screen::lines()[0], "");

    dialog.entries = {std::string("y")};
    input(dest, 1);
    EXPECT_EQ(screen::lines()[0].substr(0, 9), "Vlo\x9e data");
    EXPECT_EQ(dest, "y");

    dialog.entries = {std::string("a, b"), std::string("c")};
    input(dest, 2);
    EXPECT_EQ(dest, "a");
    EXPECT_EQ(screen::lines()[1].substr(0, 9), "Vlo\x9e data");
    input(dest, 2);  // a fresh entry: "b" is discarded
    EXPECT_EQ(dest, "c");
}

TEST_F(InputTest, InkeyTakesTheLastKeyOnce)
{
    keybuffer = "b";
    std::string dest;
    inkey(dest);
    EXPECT_EQ(dest, "b");
    inkey(dest);
    EXPECT_EQ(dest, "");
}

}  // namespace
