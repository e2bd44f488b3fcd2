#include "headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <tuple>

TEST(Driver, ScriptUsedUpWhileTheProgramWaits)
{
    // The game asks its first question and waits for a key that never comes.
    const auto r = runheadless("");
    EXPECT_EQ(r.status, 1) << r.stderrtext;
    ASSERT_FALSE(r.prints().empty());
    EXPECT_EQ(r.prints().back(), "chceš instrukce?");
    EXPECT_EQ(r.screen.size(), 24u);
    EXPECT_EQ(r.screen[2], "chceš instrukce?" + std::string(64, ' '));
    // Ended as a user closes the window: the memory image is written.
    EXPECT_TRUE(std::ifstream(r.folder + "/ram.dat").good());
}

TEST(Driver, KeysAndEntriesReachTheProgramThroughTheWindows)
{
    const auto r = runheadless("key x\ntype inventář\nclose\ntype Inventář\n");
    EXPECT_EQ(r.status, 1) << r.stderrtext;
    std::vector<std::string> seen;
    for (const auto& e : r.trace)
        if (e.event() == "inkey" || e.event() == "input")
            seen.push_back(e.event() + ":" + e["value"]);
    const std::vector<std::string> expected = {"inkey:x", "input:inventář", "input:Inventář"};
    EXPECT_EQ(seen, expected);
    const auto p = r.prints();
    // The closed dialog leaves the command as it was, so the inventory is listed twice.
    EXPECT_EQ(std::count(p.begin(), p.end(), ";nic sebou neneseš."), 2);
    EXPECT_EQ(std::count(p.begin(), p.end(), "nelze provést."), 1);
}

TEST(Driver, DialogWaitsWithoutTakingTheShowing)
{
    // The entry typed after "dialog" goes into the dialog that "dialog" waited for.
    const auto r = runheadless("key n\ndialog\ntype z\ndialog\n");
    EXPECT_EQ(r.status, 1) << r.stderrtext;
    const auto p = r.prints();
    EXPECT_NE(std::find(p.begin(), p.end(), "jsi na západní straně lesa. je zde bránka. můžeš jít na východ a na západ."),
              p.end());
}

TEST(Driver, AnErrorEscapingTheRunEndsWithStatusThree)
{
    // A damaged bank is reported at start-up; the title's first note then finds no wave.
    headlessoptions o;
    o.files = {{"sounds.dat", "not a wave bank"}};
    const auto r = runheadless("key n\n", o);
    EXPECT_EQ(r.status, 3) << r.stderrtext;
    std::vector<std::string> errors;
    for (const auto& e : r.trace)
        if (e.event() == "error")
            errors.push_back(e["text"]);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].find("sounds.dat"), std::string::npos) << errors[0];
    EXPECT_EQ(errors[1], "Wave not found: snd13");
    const auto p = r.prints();
    EXPECT_EQ(std::count(p.begin(), p.end(), "hotovo"), 0);
}

TEST(Driver, AnEndingThatCannotWriteTheMemoryIsTracedAndEndsWithStatusThree)
{
    // A folder where the temporary image must go makes the write fail, even as root.
    headlessoptions o;
    o.folders = {"ram.dat.tmp"};
    o.timeoutms = 20000;
    const auto r = runheadless("key n\n", o);
    EXPECT_EQ(r.status, 3) << r.stderrtext;
    ASSERT_FALSE(r.trace.empty());
    EXPECT_EQ(r.trace.back().event(), "error");
    EXPECT_NE(r.trace.back()["text"].find("ram.dat"), std::string::npos) << r.trace.back()["text"];
}

TEST(Driver, AProgramThatStopsItselfWithAMessageEndsWithStatusFour)
{
    headlessoptions nobank;
    nobank.without = {"sounds.dat"};
    headlessoptions novoice;
    novoice.files = {{"vandrel.ini", "[voice]\nvoiceallowed=1\n[Voice]\nperson=Nobody\n"}};
    for (const auto& [what, o, text] :
         {std::tuple{"no wave bank", nobank, "Nelze nalézt soubor sounds.dat"},
          std::tuple{"a stored voice that is gone", novoice, "Nelze nalézt hlas uvedený v ini souboru: Nobody"}}) {
        const auto r = runheadless("key n\ntype v\n", o);
        EXPECT_EQ(r.status, 4) << what << ": " << r.stderrtext;
        std::vector<std::string> messages;
        for (const auto& e : r.trace)
            if (e.event() == "message")
                messages.push_back(e["text"]);
        EXPECT_EQ(messages, std::vector<std::string>{text}) << what;
        EXPECT_FALSE(std::ifstream(r.folder + "/ram.dat").good()) << what;
    }
}

TEST(Driver, BadScriptsAndCommandLines)
{
    for (const char* script : {"jump\n", "key NoSuchKey\n", "chord 17\n", "idle soon\n", "close now\n"}) {
        const auto r = runheadless(script);
        EXPECT_EQ(r.status, 2) << script;
        EXPECT_NE(r.stderrtext.find("script.txt:1:"), std::string::npos) << r.stderrtext;
    }
    headlessoptions o;
    o.args = {"--clock", "25:00:00"};
    EXPECT_EQ(runheadless("", o).status, 2);
    o.args = {"--speech", "loud"};
    EXPECT_EQ(runheadless("", o).status, 2);
}

TEST(Driver, CommentsAndBlankLinesAreSkipped)
{
    const auto r = runheadless("# nothing to do\n\n   \n");
    // A line of blanks is not empty: it is an unknown action.
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(runheadless("# only a comment\n\nidle 10\n").status, 1);
}
