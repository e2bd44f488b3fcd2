// The headless driver reaches the review and the talking dialog with its key and press actions.
#include "../app/headless.h"

#include <gtest/gtest.h>

namespace {

using lines = std::vector<std::string>;

// Spoken texts, notes and entries after the first print of text has been spoken.
lines heardafter(const headlessrun& r, const std::string& text)
{
    std::size_t from = 0;
    while (from < r.trace.size() && !(r.trace[from].event() == "print" && r.trace[from]["text"] == text))
        ++from;
    while (from < r.trace.size() && r.trace[from].event() != "speak")
        ++from;
    ++from;
    lines out;
    for (std::size_t i = from; i < r.trace.size(); ++i) {
        const auto& e = r.trace[i];
        if (e.event() == "speak")
            out.push_back(e["text"]);
        else if (e.event() == "play")
            out.push_back("play " + e["notes"]);
        else if (e.event() == "input" || e.event() == "inkey")
            out.push_back(e.event() + " " + e["value"]);
    }
    return out;
}

const std::string signal = "play [300,450]";

TEST(HeadlessReview, KeyActionsOpenReadAndCloseTheReviewFromTheMainWindow)
{
    const auto r = runheadless("key Up\nkey F2\nkey Down\nkey End\nkey F2\nkey Escape\nkey n\n");
    EXPECT_EQ(r.status, 1) << r.stderrtext;
    const std::string line2 = "kvelt1" + std::string(74, ' ');
    const lines expected = {signal,       "Obrazovka",          "řádek 1, sloupec 1", line2, "konec řádku",
                            "řádek 2, sloupec 81", signal, "konec obrazovky", "inkey n"};
    const lines heard = heardafter(r, "chceš instrukce?");
    ASSERT_GE(heard.size(), expected.size());
    EXPECT_EQ(lines(heard.begin(), heard.begin() + expected.size()), expected);
}

TEST(HeadlessReview, PressActionsReachTheDialogAndTheReviewOverIt)
{
    const auto r = runheadless("key n\ndialog\npress a\npress Up\npress F2\npress Escape\npress Left\ntype b\n");
    EXPECT_EQ(r.status, 1) << r.stderrtext;
    const lines expected = {"a",      "play [300,450]", "Obrazovka", "řádek 1, sloupec 1", "play [300,450]",
                            "konec obrazovky", "a", "bé", "konec řádku", "input ba"};
    const lines heard = heardafter(r, " ");
    ASSERT_GE(heard.size(), expected.size());
    EXPECT_EQ(lines(heard.begin(), heard.begin() + expected.size()), expected);
}

}  // namespace
