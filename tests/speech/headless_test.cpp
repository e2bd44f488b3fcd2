// The headless driver speaks through the silent engines by default, and traces every text it
// hands to an engine with the engine's slot.
#include "../app/headless.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::pair<std::string, std::string>> spoken(const headlessrun& r)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& e : r.trace)
        if (e.event() == "speak")
            out.emplace_back(e["engine"], e["text"]);
    return out;
}

TEST(HeadlessSpeech, EveryPrintedTextIsHandedToTheEngineInUse)
{
    struct row {
        std::string ini, engine;
    };
    for (const row& r : {row{"", "sapi4"}, row{"[Voice]\nsapi5=1\n", "sapi5"}}) {
        headlessoptions o;
        if (!r.ini.empty())
            o.files["vandrel.ini"] = r.ini;
        const auto run = runheadless("key n\n", o);
        const auto said = spoken(run);
        const auto printed = run.prints();
        ASSERT_FALSE(said.empty()) << r.engine;
        // The prints are spoken in order (leading pauses aside), each by the engine in use.
        std::size_t i = 0, withletters = 0;
        for (const auto& p : printed) {
            withletters += p.find_first_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos;
            if (i < said.size() && p.size() >= said[i].second.size() &&
                p.compare(p.size() - said[i].second.size(), std::string::npos, said[i].second) == 0)
                ++i;
        }
        EXPECT_EQ(i, said.size()) << r.engine;
        EXPECT_GE(said.size(), withletters);
        for (const auto& [engine, text] : said)
            EXPECT_EQ(engine, r.engine);
    }
}

}  // namespace
