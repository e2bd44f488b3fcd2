#include "headless.h"

#include <gtest/gtest.h>

TEST(Driver, EmptyScriptRunsTheProgramToReady)
{
    const auto r = runheadless("");
    EXPECT_EQ(r.status, 0) << r.stderrtext;
    ASSERT_GE(r.trace.size(), 2u);
    const auto& last = r.trace.back();
    const auto& ready = r.trace[r.trace.size() - 2];
    EXPECT_EQ(last.event(), "end");
    EXPECT_EQ(ready.event(), "print");
    EXPECT_EQ(ready["text"], "hotovo");
    EXPECT_EQ(ready["mode"], "0");
    EXPECT_EQ(r.screen.size(), 24u);
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
    EXPECT_EQ(runheadless("# only a comment\n\nidle 10\n").status, 0);
}
