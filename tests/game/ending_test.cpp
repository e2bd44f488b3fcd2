// R50's planes and the ending: the winning walk, the speakers of the radio drama by their voice
// pitches, the greetings by the hour, the final question and the memory it leaves.
#include "play.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const char* const plane1 = ";chceš nastoupit do prvního? ano, nebo ne?";
const char* const plane2 = ";chceš nastoupit do druhého letadla? ano, nebo ne?";
const char* const plane3 = ";chceš nastoupit do třetího letadla? ano, nebo ne?";
const char* const again = ";musíš napsat .a, nebo .n. znovu.";
const char* const finalq = "chceš si zahrát tuto hru ještě jednou?";

// Whether every line of part occurs in whole, in this order.
::testing::AssertionResult inorder(const std::vector<std::string>& whole, const std::vector<std::string>& part)
{
    std::size_t j = 0;
    for (const auto& p : part) {
        while (j < whole.size() && whole[j] != p)
            ++j;
        if (j == whole.size())
            return ::testing::AssertionFailure() << "missing or out of order: " << p;
        ++j;
    }
    return ::testing::AssertionSuccess();
}

// Sound events with each rising sweep (notes played with the duration kept) folded into one
// item that tells whether its notes ran 1, 21, ... 7981.
std::vector<std::string> sounds(const headlessrun& r, std::size_t from, std::size_t to)
{
    std::vector<std::string> out;
    int next = 0;  // the sweep's next note, 0 outside a sweep
    for (std::size_t j = from; j < to; ++j) {
        const traceevent& e = r.trace[j];
        if (e.event() == "play" && e["duration"] == "-1") {
            if (next == 0) {
                out.push_back("sweep");
                next = 1;
            }
            if (next > 0 && e["notes"] == "[" + std::to_string(next) + "]" && e["octave"] == "10")
                next += 20;
            else
                next = -1;
            out.back() = next > 0 ? "sweep to " + std::to_string(next - 20) : "sweep broken";
            continue;
        }
        next = 0;
        if (e.event() == "play" || e.event() == "click")
            out.push_back(events(r, j, j + 1, {"play", "click"}).at(0));
    }
    return out;
}

// The speaker turns of the ending as its outline gives them, step by step ("65:2": pitch 65,
// then two printed lines; a ";" or "," printed under a voice counts as its line).
const char* const endingturns[] = {
    // 2. in the plane
    "65:1 70:1 65:2 70:1 65:1 70:1 65:2 70:1 65:1 70:1 65:1 70:1 65:3",
    // 3. first recording: ";" and the greeting, the threat, the blow, the chief's call, the recorder
    "65:2 70:1 65:1 70:1 65:1 70:1 56:0 70:1 65:1 70:1 99:1 65:1",
    // 4.
    "70:1 65:2",
    // 5. second recording: the officer and the chief, the knock "," ";", the greeting, the talk
    "45:1 70:1 45:1 70:2 45:3 65:1 70:1 65:1 70:1 65:2 70:1 65:1 56:0",
    // 6. and 7.
    "65:1 70:2 65:1 70:1 65:3 56:0",
    "65:2 70:1",
    // 8. radio, first part (";haló?" of the fourth call is printed at 45)
    "70:1 45:1 70:1 45:1 70:1 45:2",
    "78:1 45:1 78:1 45:0",
    "45:1 70:1 45:1 70:1 45:2 70:1 45:2",
    "78:1 45:1 78:2 45:1 78:1 45:1",
    "45:1",
    // 9. in the plane
    "70:1 65:1 70:1 65:1 70:1 65:1 70:1 65:1 70:1 65:1 70:2 65:2 70:1 65:1 56:0",
    // 10. radio, second part: fifteen ";" and "áha." at 45, the shots "," "," under the last 78
    "45:1 70:1 45:1 70:1 45:1",
    "78:1 45:2 78:1 45:1 78:1 45:1 78:2 45:1 78:1 45:1 78:1 45:1 78:1",
    "45:16",
    "78:1 45:2 78:2 45:1 78:1 45:1 56:0",
    "70:1 45:1 70:1 45:1 70:1 45:2 70:1 45:2 70:1",
    "78:2 70:1 78:1 70:1 78:2 70:1 78:1 70:2 78:1 70:1 78:1 70:1 78:3",
    "70:2 45:1 78:1 99:1",
    // 11. and 12.: the takeoff, the titles, the final question and ";tak ahoj."
    "65:1 70:1 65:2 56:0",
    "70:2 56:3",
};

std::string expectedturns()
{
    std::string s;
    for (const char* t : endingturns)
        s += (s.empty() ? "" : " ") + std::string(t);
    return s;
}

TEST(Ending, WinningWalkPlaysTheEndingAndSaysGoodbye)
{
    // A key other than a, y or n at the final question is ignored.
    const auto r = runheadless(way::won() + walk({"key x", "key n"}));
    ASSERT_EQ(r.status, 0) << r.stderrtext;
    ASSERT_EQ(r.trace.back().event(), "end");

    const std::size_t third = rfindprint(r, plane3);
    const std::size_t bye = rfindprint(r, ";tak ahoj.");
    ASSERT_NE(third, std::string::npos);
    ASSERT_NE(bye, std::string::npos);
    // One narrator line before the first speaker.
    const auto opening = voiced(r, third + 1, findevent(r, "pitch", third));
    ASSERT_EQ(opening.size(), 1u);
    EXPECT_EQ(opening[0].rfind("56 ;", 0), 0u) << opening[0];
    EXPECT_EQ(turns(r, third, bye + 1), expectedturns());

    const auto heard = voiced(r, third, bye + 1);
    EXPECT_TRUE(inorder(heard,
        {"65 ;hned to bude. zapínám.", "65 au.", "99 ;konec záznamu.", "65 ;ale to ještě není všechno.", "78 ;haló?",
            "45 ;haló?", "78 ;haló?", "45 áha.", "78 haló?", "45 oukej.", "70 ;haló?", "78 připravte se. teď.",
            "99 ;konec záznamu.", "65 oukej. takže 3, 2, 1, 0, start!", "70 textová hra", "70 kvelt druhá část.",
            std::string("56 ") + finalq, "56 ;tak ahoj."}));
    // The officer thinks for twenty seconds, heard as fifteen pauses.
    const std::size_t aha = findprint(r, "áha.", third);
    std::vector<std::string> thinking = {"sleep 20000"};
    for (int j = 0; j < 15; ++j)
        thinking = thinking + std::vector<std::string>{"print ;", "sleep 300"};
    const auto before = events(r, third, aha, {"sleep", "print"});
    ASSERT_GE(before.size(), thinking.size());
    EXPECT_EQ(std::vector<std::string>(before.end() - thinking.size(), before.end()), thinking);

    const std::vector<std::string> longsignal(2, "play [5000] 1000 3");
    const std::vector<std::string> signal(2, "play [5000] 250 3");
    std::vector<std::string> expected = std::vector<std::string>{"click 3", "click 19", "click 19"} + longsignal +
        longsignal + std::vector<std::string>{"click 18", "click 18", "click 3", "sweep to 7981"};
    for (int call = 0; call < 9; ++call)  // five calls in the first radio part, four in the second
        expected = expected + signal;
    expected = expected +
        std::vector<std::string>{"play [5000] 250 3", "play [500] 250 3", "click 19", "click 19", "sweep to 7981"};
    EXPECT_EQ(sounds(r, third, bye), expected);

    // The final question: ";tak ahoj." right after the ignored key, cell 44500 set from 0 to 1.
    EXPECT_TRUE(lines(tail(r, 2), {";tak ahoj.", "*"}));
    EXPECT_EQ(events(r, 0, r.trace.size(), {"poke"}),
        (std::vector<std::string>{"poke 50790 6", "poke 50791 1", "poke 44720 200", "poke 44500 1"}));
    EXPECT_EQ(ramsize(r), 65536u);
    EXPECT_EQ(ramcell(r, 44500), 1);
    EXPECT_EQ(ramcell(r, 44720), 200);
    EXPECT_EQ(ramcell(r, 50790), 6);
    EXPECT_EQ(ramcell(r, 50791), 1);
}

TEST(Ending, ReplayAfterWinningPlaysTheSameGameAgain)
{
    // Cell 44500 already holds a value: "n" at the end leaves it.
    headlessoptions o;
    o.args = {"--fast", "--clock", "12:00:00"};
    std::string ram(65536, '\0');
    ram[44500] = 9;
    o.files["ram.dat"] = ram;
    const auto r = runheadless(way::won() + walk({"key a"}) + way::won() + walk({"key n"}), o);
    ASSERT_EQ(r.status, 0) << r.stderrtext;

    const std::size_t start1 = findprint(r, "chceš instrukce?");
    const std::size_t end1 = findprint(r, finalq);
    const std::size_t start2 = findprint(r, "chceš instrukce?", end1);
    const std::size_t end2 = findprint(r, finalq, start2);
    ASSERT_NE(end2, std::string::npos);
    // From step 2 of the start: only cell 44720 is written again.
    EXPECT_EQ(events(r, end1, start2 + 1, {"poke", "print"}),
        (std::vector<std::string>{std::string("print ") + finalq, "poke 44720 200", "print textová hra", "print kvelt1",
            "print chceš instrukce?"}));
    EXPECT_EQ(events(r, start1, end1 + 1, {"print"}), events(r, start2, end2 + 1, {"print"}));
    EXPECT_EQ(events(r, 0, r.trace.size(), {"poke"}).back(), "poke 44720 200");
    EXPECT_EQ(ramcell(r, 44500), 9);
}

struct greetingcase {
    const char* clock;
    const char* first;
    const char* second;
};

void PrintTo(const greetingcase& c, std::ostream* os)
{
    *os << c.clock;
}

class greetings : public ::testing::TestWithParam<greetingcase> {};

TEST_P(greetings, FollowTheHour)
{
    headlessoptions o;
    o.args = {"--fast", "--clock", GetParam().clock};
    // The third plane taken with y this time.
    const auto r = runheadless(way::i() + walk({"key n", "key n", "key y", "key n"}), o);
    ASSERT_EQ(r.status, 0) << r.stderrtext;
    std::vector<std::string> said;
    for (const auto& p : r.prints())
        if (p == "dobrý den;" || p == "dobré ráno;" || p == "dobrý večer;" || p == "dobrý večer.")
            said.push_back(p);
    EXPECT_EQ(said, (std::vector<std::string>{GetParam().first, GetParam().second}));
}

INSTANTIATE_TEST_SUITE_P(game, greetings,
    ::testing::Values(greetingcase{"08:59:00", "dobré ráno;", "dobré ráno;"},
        greetingcase{"09:00:00", "dobrý den;", "dobrý den;"}, greetingcase{"18:00:00", "dobrý večer;", "dobrý večer."},
        greetingcase{"01:00:00", "dobrý večer;", "dobrý večer."},
        greetingcase{"02:59:59", "dobrý večer;", "dobrý večer."},
        greetingcase{"03:00:00", "dobré ráno;", "dobré ráno;"}),
    [](const ::testing::TestParamInfo<greetingcase>& i) {
        return "at" + std::string(i.param.clock).replace(2, 1, "").replace(4, 1, "");
    });

// The plays between two prints, as events() shows them.
std::vector<std::string> notesbetween(const headlessrun& r, const std::string& from, const std::string& to)
{
    const std::size_t a = findprint(r, from);
    return events(r, a, findprint(r, to, a), {"play"});
}

TEST(Ending, PlanesFormARing)
{
    // Other keys ask again; "n" three times brings question 1 back without the room's lines.
    const auto r = runheadless(way::i() + walk({"key x", "key n", "key n", "key x", "key n", "key a"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    EXPECT_TRUE(lines(tail(r, 7),
        {"jsi v místnosti, která je velice zajímavá.", "jsou zde 3 letadla.", plane1, again, plane1, ";nechceš.",
            plane2, ";nechceš.", plane3, again, plane3, ";nechceš.", plane1,
            ";nastoupil jsi do prvního letadla. letadlo se zvedá.", "~pilot", "jsi mrtev.", replayq}));
    std::vector<std::string> climb;
    for (int n = 1; n <= 500; ++n)
        climb.push_back("play [" + std::to_string(n) + "] 1 1");
    EXPECT_EQ(notesbetween(r, ";nastoupil jsi do prvního letadla. letadlo se zvedá.", "jsi mrtev."), climb);
}

TEST(Ending, SecondPlaneClimbsInTens)
{
    const auto r = runheadless(way::i() + walk({"key n", "key z", "key y"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    EXPECT_TRUE(lines(tail(r, 3),
        {";nechceš.", plane2, again, plane2, ";nastoupil jsi do letadla. letadlo se zvedá.", "~vzduch", "jsi mrtev.",
            replayq}));
    std::vector<std::string> climb;
    for (int n = 1; n <= 991; n += 10)
        climb.push_back("play [" + std::to_string(n) + "] 1 10");
    EXPECT_EQ(notesbetween(r, ";nastoupil jsi do letadla. letadlo se zvedá.", "jsi mrtev."), climb);
}

}  // namespace
