// What the whole game shares: the start, the command loop with its inventory and dictionary,
// death with the replay, list and exit questions, and the memory cells it writes.
#include "play.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* const listq = ";chceš vypsat tento program? ano, nebo ne?";
const char* const exitq = ";chceš opustit tento program? ano, nebo ne?";
const char* const surelyq = ";opravdu jej chceš opustit? ano, nebo ne?";
const std::vector<std::string> r1entry = {
    "stojíš v lese. je zde skála.", "vidíš dopis.", "můžeš jít na východ a na západ."};

// The same walk with more steps at its start: way scripts begin with the key at the
// instructions question.
std::string withfirst(const std::string& steps, const std::string& way)
{
    return way::start() + steps + way.substr(way::start().size());
}

std::size_t findinput(const headlessrun& r, const std::string& value, std::size_t from = 0)
{
    for (std::size_t j = from; j < r.trace.size(); ++j)
        if ((r.trace[j].event() == "input" || r.trace[j].event() == "inkey") && r.trace[j]["value"] == value)
            return j;
    return std::string::npos;
}

std::vector<std::string> pitches(const std::vector<std::string>& voicedlines)
{
    std::vector<std::string> out;
    for (const auto& v : voicedlines)
        out.push_back(v.substr(0, v.find(' ')));
    return out;
}

TEST(Frame, StartSequence)
{
    const auto r = runheadless("key a\n");
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    EXPECT_EQ(events(r, 0, r.trace.size(), {"poke"}),
        (std::vector<std::string>{"poke 50790 6", "poke 50791 1", "poke 44720 200"}));

    const std::size_t title = findprint(r, "textová hra");
    const std::size_t question = findprint(r, "chceš instrukce?");
    ASSERT_LT(title, question);
    EXPECT_EQ(events(r, title, question + 1, {"print", "pitch", "play"}),
        (std::vector<std::string>{"print textová hra", "pitch 70", "print kvelt1", "play [500] 500 3",
            "play [700] 500 3", "play [750] 500 3", "play [520,750] 1000 3", "pitch 56", "print chceš instrukce?"}));

    // The instructions: story, the chief at 60, story, the end at 70, then the rules.
    const std::size_t r1 = findprint(r, r1entry[0]);
    const auto told = voiced(r, question + 1, r1);
    EXPECT_EQ(
        pitches(told), (std::vector<std::string>{"56", "56", "56", "60", "60", "56", "56", "56", "70", "56", "56"}));
    ASSERT_EQ(told.size(), 11u);
    EXPECT_EQ(told[8], "70 konec instrukcí.");
    EXPECT_EQ(events(r, findprint(r, "konec instrukcí."), r1, {"pitch", "sleep"}),
        (std::vector<std::string>{"pitch 56", "sleep 1000"}));
    EXPECT_EQ(events(r, r1, r.trace.size(), {"print"}),
        (std::vector<std::string>{"print " + r1entry[0], "print " + r1entry[1], "print " + r1entry[2], "print  "}));
}

TEST(Frame, AnyOtherKeySkipsTheInstructions)
{
    const auto r = runheadless("key x\n");
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    EXPECT_TRUE(lines(tail(r), {"*", "*", r1entry[0], r1entry[1], r1entry[2], prompt}));
    EXPECT_TRUE(events(r, findevent(r, "inkey"), r.trace.size(), {"pitch"}).empty());
}

TEST(Frame, InventoryListsCarriedItemsInTheirPlaces)
{
    // Empty at the start; at R10 with the letter, the grid, the gas mask and the rifle.
    const auto r = runheadless(withfirst(walk({"inventář"}), way::r10()) + walk({"vezmi pušku", "inventář"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    const std::size_t first = findinput(r, "inventář");
    EXPECT_EQ(events(r, first, findevent(r, "input", first + 1), {"print"}),
        (std::vector<std::string>{"print ;nic sebou neneseš.", "print  "}));

    const char* items[15] = {
        "dopis,", "kódovací mřížku,", "plynovou masku,", "", "", "", "", "", "", "", "", "pušku,", "", "", ""};
    std::vector<std::pair<std::string, std::string>> expected = {{";neseš sebou ", "1"}};
    std::string line = ";neseš sebou ";
    for (const char* item : items) {
        expected.push_back({item, "1"});
        expected.push_back({" ", "1"});
        line += std::string(item) + " ";
    }
    expected.push_back({" ", "0"});  // the prompt ends the line
    line += " ";
    std::vector<std::pair<std::string, std::string>> printed;
    for (std::size_t j = findinput(r, "inventář", first + 1); j < r.trace.size(); ++j)
        if (r.trace[j].event() == "print")
            printed.push_back({r.trace[j]["text"], r.trace[j]["mode"]});
    EXPECT_EQ(printed, expected);

    // The screen file is UTF-8: pad to 80 characters, not bytes.
    std::size_t chars = 0;
    for (unsigned char ch : line)
        chars += (ch & 0xC0) != 0x80;
    line.append(80 - chars, ' ');
    EXPECT_NE(std::find(r.screen.begin(), r.screen.end(), line), r.screen.end()) << line;
}

TEST(Frame, DictionaryAndItsJingle)
{
    const std::string moves = ";příkazy pro pohyb .s=sever, .j=jich, .v=východ, .z=západ, .n=nahoru, .d=dolů,"
                              ".p=doprava, .l=doleva, .s, .z=severozápad, .j, .z=jihozápad, .s, .v=severovýchod, "
                              ".j, .v=jihovýchod.";
    const std::string words = ";slovní příkazy, vezmi, prozkoumej, polož, nastup, vystup, vyber.";
    // In R1 the prompt comes back; in R14 the room's entry lines come first.
    const auto r = runheadless(withfirst(walk({"slovník"}), way::r14()) + walk({"slovník"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    const std::vector<std::string> jingle = {
        "play [200] 140 0", "play [249] 140 0", "play [300] 140 0", "play [150] 140 0", "play [200] 200 0"};
    std::vector<std::string> expected = {"print " + moves, "print ;"};
    expected = expected + jingle + std::vector<std::string>{"print " + words, "print ;"} + jingle +
        std::vector<std::string>{"print ;", "print  "};
    const std::size_t first = findinput(r, "slovník");
    EXPECT_EQ(events(r, first, findevent(r, "input", first + 1), {"print", "play"}), expected);
    EXPECT_TRUE(lines(tail(r), {moves, ";", words, ";", ";", "~omdlel", prompt}));
}

TEST(Frame, ClosingTheDialogTestsThePreviousCommandAgain)
{
    // At the first prompt the command still holds the instructions key: z leads west.
    auto r = runheadless("key z\nclose\n");
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    EXPECT_TRUE(lines(tail(r),
        {"*", "*", r1entry[0], r1entry[1], r1entry[2], prompt,
            "jsi na západní straně lesa. je zde bránka. můžeš jít na východ a na západ.", prompt}));
    // A second "n" in R5 kills.
    r = runheadless(way::r5() + walk({"n"}) + "close\n");
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    EXPECT_TRUE(lines(tail(r),
        {"bouchl si se do hlavy, ale nerozbil sis ji zatím.", prompt, "rozbil sis kebuli.", "jsi mrtev.", replayq}));
}

TEST(Frame, DeathRoutineMarchesAndChords)
{
    const auto r = runheadless(way::start() + walk({"v"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    const std::size_t dead = findprint(r, "jsi mrtev.");
    ASSERT_NE(dead, std::string::npos);
    EXPECT_EQ(voiced(r, dead, dead + 1), (std::vector<std::string>{"70 jsi mrtev."}));
    std::vector<std::string> expected = {"pitch 56", "sleep 500"};
    expected = expected + funeralmarch() +
        std::vector<std::string>{"sleep 300", "play [261,348,414] 750 3", "play [261,348,414] 250 3",
            "play [261,311,391] 250 3", "sleep 500", "poke 44500 0", std::string("print ") + replayq};
    EXPECT_EQ(events(r, dead + 1, r.trace.size(), {"pitch", "sleep", "play", "poke", "print"}), expected);
}

TEST(Frame, ReplayAfterDeathClearsEveryFlag)
{
    // Collects most items and flags on the way to a death in R33, then plays again.
    const std::string script = walk({"key n", "z", "prozkoumej bránku", "z", "s", "vezmi mřížku", "prozkoumej mřížku",
        "key a", "vezmi dopis", "z", "z", "s", "s", "n", "p", "vezmi masku", "d", "z", "v", "key n", "key n",
        "vezmi pušku", "j", "vezmi bednu", "s", "j", "prozkoumej mrtvoly", "s", "vezmi zprávu", "s", "d", "z", "s",
        "polož masku", "s", "z", "vezmi skafandr", "z", "z", "s", "vezmi masku", "z", "vezmi dýku", "v", "vezmi lístek",
        "prozkoumej lístek", "v", "vyber pušku", "v", "prozkoumej jed", "pij jed", "v", "v", "s", "vezmi činku", "j",
        "prozkoumej okno", "inventář", "vezmi okno", "a", "key n", "inventář", "z", "vyraz bránku"});
    const auto r = runheadless(script);
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    const std::size_t dead = findprint(r, "jsi mrtev.");
    const std::size_t again = findprint(r, replayq);
    ASSERT_NE(dead, std::string::npos);
    EXPECT_EQ(events(r, dead, r.trace.size(), {"poke"}),
        (std::vector<std::string>{"poke 44500 0", "poke 50790 6", "poke 50791 1", "poke 44720 200"}));
    EXPECT_EQ(events(r, again + 1, r.trace.size(), {"print"}).at(0), "print textová hra");
    const std::size_t before = findinput(r, "inventář");
    EXPECT_EQ(events(r, before, r.trace.size(), {"print"}).at(0), "print ;neseš sebou ");
    EXPECT_EQ(events(r, findinput(r, "inventář", again), r.trace.size(), {"print"}).at(0), "print ;nic sebou neneseš.");
    EXPECT_TRUE(lines(tail(r), {"nelze provést.", prompt}));  // the gate is unexamined again
}

TEST(Frame, ReplayTakesEveryYesWord)
{
    for (const char* yes : {"y", "an", "ano"}) {
        SCOPED_TRACE(yes);
        const auto r = runheadless(way::start() + walk({"v", yes}));
        ASSERT_EQ(r.status, 1) << r.stderrtext;
        EXPECT_TRUE(lines(tail(r), {"textová hra", "kvelt1", "chceš instrukce?"}));
        EXPECT_EQ(events(r, findprint(r, replayq), r.trace.size(), {"poke"}),
            (std::vector<std::string>{"poke 50790 6", "poke 50791 1", "poke 44720 200"}));
    }
}

TEST(Frame, ListAndExitQuestionsEndTheProgram)
{
    struct {
        std::vector<std::string_view> answers;
        std::vector<std::string> expected;  // after the first replay question
    } cases[] = {
        // A wrong word at each question; "ano" lists; three yeses leave.
        {{"x", "ne", "q", "ano", "a", "an", "ano"},
            {"nelze provést.", ";znovu.", replayq, ";nechceš.", listq, prompt, "nelze provést.", prompt, ";vypisuji",
                ";nechceš.", exitq, prompt, surelyq, prompt, ";ještě jednou se tě ptám.", exitq, prompt, ";tak dobře.",
                ";opouštím tento program."}},
        // "ne" at the first exit question: the author's farewell.
        {{"n", "n", "ne"}, {";nechceš.", listq, prompt, ";nechceš.", exitq, prompt, "^;"}},
        {{"n", "ne", "y", "n"}, {";nechceš.", listq, prompt, ";nechceš.", exitq, prompt, surelyq, prompt, "^;"}},
        {{"ne", "an", "q", "a", "y", "ne"},
            {";nechceš.", listq, prompt, ";vypisuji", ";nechceš.", exitq, prompt, "nelze provést.", prompt, surelyq,
                prompt, ";ještě jednou se tě ptám.", exitq, prompt, "^;"}},
    };
    for (const auto& c : cases) {
        std::string script = way::start() + walk({"v"});
        for (auto a : c.answers)
            script += walk({a});
        SCOPED_TRACE(script);
        const auto r = runheadless(script);
        ASSERT_EQ(r.status, 0) << r.stderrtext;
        EXPECT_EQ(r.trace.back().event(), "end");
        std::vector<std::string> after;
        for (std::size_t j = findprint(r, replayq) + 1; j < r.trace.size(); ++j)
            if (r.trace[j].event() == "print")
                after.push_back(r.trace[j]["text"]);
        ASSERT_FALSE(after.empty());
        after.pop_back();  // the run's own closing line
        EXPECT_TRUE(lines(after, c.expected));
        EXPECT_EQ(events(r, 0, r.trace.size(), {"poke"}).back(), "poke 44720 0");
        EXPECT_EQ(ramcell(r, 44720), 0);
    }
}

}  // namespace
