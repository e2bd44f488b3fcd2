// The game's rooms and subroutines run from states that play cannot reach: the inventory with the
// rifle alone, R7 with both masks, R8 with the poison examined, R48 without the letter. The rooms
// are the game's own source, translated with a start that sets the state (seeded.bas).
#include "play.h"

#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/trace.h"
#include "runtime/input.h"
#include "runtime/screen.h"
#include "runtime/sound.h"
#include "runtime/vdrcommands.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <unistd.h>

void seeded();

namespace {

struct outofentries { };

// The data-entry dialog, answered from a list; the run stops when the list is used up.
struct entries : inputdialoghost {
    std::deque<std::string> left;
    std::string current;
    void prepare() override { current.clear(); }
    bool showmodal() override
    {
        if (left.empty())
            throw outofentries{};
        current = codepage::fromutf8(left.front());
        left.pop_front();
        return true;
    }
    std::string text() const override { return current; }
};

class Seeded : public ::testing::Test {
protected:
    entries dialog;
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vandrel-seeded-" + std::to_string(getpid()))).string();

    void SetUp() override
    {
        vclock::setfast(true);
        vandrelsounds = false;
        setinputdialog(&dialog);
        screen::clear();
        scrcursor.setrow(0);
        vdrcommands::runinit();
        trace::open(path);
    }
    void TearDown() override
    {
        trace::close();
        setinputdialog(nullptr);
        std::remove(path.c_str());
    }

    // Runs the program on these entries; true when it ended by itself.
    bool run(std::initializer_list<std::string> answers)
    {
        dialog.left.assign(answers);
        try {
            seeded();
        } catch (const outofentries&) {
            return false;
        }
        return true;
    }

    // The print events as "TEXT" (mode 0) or "TEXT|1".
    std::vector<std::string> prints(bool withmode = false)
    {
        trace::close();
        const std::string head = "{\"event\":\"print\",\"text\":\"";
        std::vector<std::string> out;
        std::ifstream in(path);
        for (std::string l; std::getline(in, l);) {
            if (l.rfind(head, 0) != 0)
                continue;
            const std::size_t m = l.rfind("\",\"mode\":");
            const std::string mode = l.substr(m + 9, l.size() - m - 10);
            out.push_back(l.substr(head.size(), m - head.size()) + (withmode && mode != "0" ? "|" + mode : ""));
        }
        return out;
    }
};

TEST_F(Seeded, InventoryWithOnlyTheRifle)
{
    EXPECT_TRUE(run({"rifle"}));
    std::vector<std::string> expected = {";neseš sebou |1"};
    for (int item = 1; item <= 15; ++item)
        expected = expected + std::vector<std::string>{(item == 12 ? "pušku," : "") + std::string("|1"), " |1"};
    expected.push_back(" ");  // the prompt's blank ends the line
    EXPECT_EQ(prints(true), expected);
    std::string row = codepage::fromutf8(";neseš sebou " + std::string(11, ' ') + "pušku," + std::string(4, ' ') + " ");
    row.resize(screen::columns, ' ');
    EXPECT_EQ(screen::lines()[0], row);
}

TEST_F(Seeded, R7PuttingTheMaskDownWithTheSecondMask)
{
    EXPECT_FALSE(run({"r7", "polož masku"}));
    EXPECT_TRUE(lines(prints(), {"~hořícího plynu", "~mask", prompt, "položena", "~plyn", "jsi mrtev.", replayq}));
}

TEST_F(Seeded, R8DrinkingTheExaminedPoison)
{
    EXPECT_FALSE(run({"r8", "pij jed"}));
    EXPECT_TRUE(lines(prints(),
        {"jsi na severním konci místnosti.", "můžeš jít na východ.", prompt,
            "lehl sis na zem a začal jsi chlemtat citrón s jedem. teď už příjde jen smrt.", "jsi mrtev.", replayq}));
}

TEST_F(Seeded, R48WithoutTheLetterEndsTheProgram)
{
    EXPECT_TRUE(run({"r48"}));
    EXPECT_TRUE(lines(prints(), {"jsi v místnosti, která je dost zajímavá.", "už budeš muset končit. takže končíme."}));
}

}  // namespace
