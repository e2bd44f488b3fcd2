// What a user reaches outside a run, played through the driver's keys after the game has ended:
// menu shortcuts, the dialogs they open, and the driver's exit while a window is still open.
#include "play.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// The shortest way to the end of the game: the author's farewell, then "hotovo". The menu keys
// that follow are pressed, as a user would, once the run has had time to end: during a run the
// menu items are disabled. The script has no action that waits for the end of a run.
std::string ended(const std::string& after)
{
    return way::start() + walk({"v", "n", "n", "ne"}) + "idle 2000\n" + after;
}

std::string settings(const headlessrun& r)
{
    std::ifstream in(r.folder + "/vandrel.ini");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int messages(const headlessrun& r)
{
    int n = 0;
    for (const auto& e : r.trace)
        n += e.event() == "message";
    return n;
}

TEST(Menus, TheLanguageDialogAnswersItsKeysAfterARun)
{
    const struct {
        const char* keys;
        const char* stored;  // the settings line, or "" for none
        int told;  // message boxes ("applied after a restart")
    } cases[] = {
        {"press Ctrl+E\npress Down\npress Enter\n", "language=2000", 1},
        {"press Ctrl+E\npress Down\npress Down\npress Enter\n", "language=3000", 1},
        {"press Ctrl+E\npress Enter\n", "language=1000", 0},
        {"press Ctrl+E\npress Down\npress Escape\n", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        const auto r = runheadless(ended(c.keys));
        EXPECT_EQ(r.status, 0) << r.stderrtext;
        const std::string ini = settings(r);
        if (*c.stored)
            EXPECT_NE(ini.find(c.stored), std::string::npos) << ini;
        else
            EXPECT_EQ(ini.find("language="), std::string::npos) << ini;
        EXPECT_EQ(messages(r), c.told);
    }
}

TEST(Menus, TheSoundsDialogStoresOnOkAndNothingOnCancel)
{
    // Space switches the voice off in the dialog's first control.
    auto r = runheadless(ended("press Ctrl+D\npress Space\npress Enter\n"));
    EXPECT_EQ(r.status, 0) << r.stderrtext;
    std::string ini = settings(r);
    EXPECT_NE(ini.find("voiceallowed=0"), std::string::npos) << ini;
    EXPECT_NE(ini.find("vandrelsounds=1"), std::string::npos) << ini;

    r = runheadless(ended("press Ctrl+D\npress Space\npress Escape\n"));
    EXPECT_EQ(r.status, 0) << r.stderrtext;
    ini = settings(r);
    EXPECT_NE(ini.find("voiceallowed=1"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("vandrelsounds"), std::string::npos) << ini;
}

TEST(Menus, TheDriverClosesAWindowLeftOpenAndEndsAsAUserWould)
{
    headlessoptions o;
    o.timeoutms = 20000;
    const struct {
        std::string script;
        int status;
    } cases[] = {
        {ended("press Ctrl+E\n"), 0},
        {ended("press Ctrl+D\n"), 0},
        {ended("press Ctrl+H\n"), 0},
        // The review over the main window while the game waits for a key.
        {way::start() + "press Up\n", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script.substr(c.script.size() - 14));
        const auto r = runheadless(c.script, o);
        EXPECT_EQ(r.status, c.status) << r.stderrtext;
        EXPECT_NE(r.stderrtext.find("still open"), std::string::npos) << r.stderrtext;
        EXPECT_EQ(ramsize(r), 65536u);
        for (const auto& e : r.trace)
            EXPECT_NE(e.event(), "error") << e["text"];
    }
}

}  // namespace
