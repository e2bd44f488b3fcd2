// The eSpeak NG engine for real: its voices, a Czech sentence spoken to its end on OpenAL's null
// device, a pitch tag heard in the rendered samples, and a reset that silences it at once.
#include "platform/codepage.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "speech/espeak.h"
#include "speech/service.h"
#include "speech/ttsvar.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>

namespace {

using clk = std::chrono::steady_clock;

struct countingsink : ITTSNotifySink {
    int starts = 0, stops = 0;
    QWORD laststop = 0;
    HRESULT AttribChanged(DWORD) override { return S_OK; }
    HRESULT AudioStart(QWORD) override { return ++starts, S_OK; }
    HRESULT AudioStop(QWORD t) override { return ++stops, laststop = t, S_OK; }
    HRESULT Visual(QWORD, char, char, DWORD, void*) override { return S_OK; }
};

std::vector<std::string> modenames()
{
    std::vector<std::string> names;
    ttsenum->Reset();
    TTSMODEINFO info;
    DWORD fetched = 0;
    while (ttsenum->Next(1, &info, &fetched) == S_OK && fetched == 1)
        names.push_back(info.szModeName);
    return names;
}

struct EspeakTest : ::testing::Test {
    std::unique_ptr<TDXSound> sound;
    std::shared_ptr<countingsink> counter = std::make_shared<countingsink>();

    // The engine with the mode of that name selected, playing on sound, both sinks registered.
    void selectmode(const std::string& name, std::unique_ptr<TDXSound> output)
    {
        messages::resetend();
        ttsenum = espeakng::createenum();
        ASSERT_TRUE(ttsenum) << "eSpeak NG did not start";
        audiodest = espeakng::createaudiodest();
        sound = std::move(output);
        audiodest->setoutput(sound.get());
        ttsenum->Reset();
        TTSMODEINFO info;
        DWORD fetched = 0;
        while (ttsenum->Next(1, &info, &fetched) == S_OK && info.szModeName != name) {
        }
        ASSERT_EQ(std::string(info.szModeName), name);
        ASSERT_EQ(ttsenum->Select(info.gModeID, &ttscentral, audiodest), S_OK);
        ttsnotifysink = std::make_shared<TTTSNotifySink>();
        DWORD key = 0;
        ASSERT_EQ(ttscentral->Register(ttsnotifysink, IID_ITTSNotifySinkA, &key), S_OK);
        ASSERT_EQ(ttscentral->Register(counter, IID_ITTSNotifySinkA, &key), S_OK);
        usesapi5 = false;
        voiceallowed = voiceready = true;
        sapi4speaking = false;
    }

    void TearDown() override
    {
        if (audiodest)
            audiodest->setoutput(nullptr);
        releasesapi4();
        sound.reset();
    }

    // Speaks text on the loopback output, rendering until the engine reports the end.
    std::vector<float> rendered(const std::string& text)
    {
        const int before = counter->stops;
        const SDATA data{text.c_str(), static_cast<DWORD>(text.size() + 1)};
        EXPECT_EQ(ttscentral->TextData(CHARSET_TEXT, 0, data, nullptr, IID_ITTSBufNotifySink), S_OK);
        for (int i = 0; i < 20000 && counter->stops == before; ++i) {
            sound->render(480);
            QCoreApplication::processEvents();
        }
        EXPECT_GT(counter->stops, before) << "no AudioStop";
        return sound->take();
    }
};

// The fundamental frequency of the voiced parts: the median over frames of the autocorrelation's
// strongest lag between 70 and 400 Hz.
double medianpitch(const std::vector<float>& s, int rate)
{
    const int frame = 2048;
    std::vector<double> found;
    for (std::size_t at = 0; at + frame < s.size(); at += frame / 2) {
        double energy = 0;
        for (int i = 0; i < frame; ++i)
            energy += s[at + i] * s[at + i];
        if (energy / frame < 1e-4)
            continue;
        int best = 0;
        double bestvalue = 0;
        for (int lag = rate / 400; lag <= rate / 70; ++lag) {
            double c = 0;
            for (int i = 0; i + lag < frame; ++i)
                c += s[at + i] * s[at + i + lag];
            if (c > bestvalue)
                bestvalue = c, best = lag;
        }
        if (best > 0 && bestvalue > 0.3 * energy)
            found.push_back(static_cast<double>(rate) / best);
    }
    if (found.empty())
        return 0;
    std::nth_element(found.begin(), found.begin() + found.size() / 2, found.end());
    return found[found.size() / 2];
}

// Runs first: eSpeak NG starts once per process.
TEST(EspeakEngine, WithoutItsDataThereIsNoEngine)
{
    const auto empty = std::filesystem::temp_directory_path() / "vandrel-no-espeak-data";
    std::filesystem::create_directories(empty);
    EXPECT_EQ(espeakng::createenum(empty.string()), nullptr);
}

TEST_F(EspeakTest, CzechFirstAndACzechSentenceIsSpokenToItsEnd)
{
    selectmode("Czech", TDXSound::open());
    ASSERT_EQ(sound->mode(), TDXSound::kind::device) << "OpenAL's null device is expected";
    const auto names = modenames();
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[0], "Czech");
    const auto at = [&](const std::string& n) { return std::find(names.begin(), names.end(), n) - names.begin(); };
    EXPECT_LT(at("Czech klatt"), at("Slovak"));
    EXPECT_LT(at("Slovak"), at("English (Great Britain)"));
    EXPECT_LT(at("English (Great Britain)"), static_cast<long>(names.size()));

    const std::string sentence = codepage::fromutf8("Čtyři řeřichy ve dvoře, kůň úpěl.");
    ASSERT_EQ(sentence.size(), 33u);  // one byte a character: code page 1250
    const auto t = clk::now();
    speakwait(sentence);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(clk::now() - t).count();
    EXPECT_EQ(counter->starts, 1);
    EXPECT_EQ(counter->stops, 1);
    EXPECT_FALSE(sapi4speaking);
    // It waited for the sentence to be played, in real time.
    EXPECT_GT(ms, 1000);
    EXPECT_LT(ms, 15000);
}

TEST_F(EspeakTest, APitchTagChangesTheSynthesisedPitch)
{
    selectmode("Czech", TDXSound::openloopback(48000));
    const std::string text = codepage::fromutf8("Máma mele maso, ano, ano.");
    ASSERT_EQ(ttscentral->Inject("\\Pit=10\\"), S_OK);
    const double low = medianpitch(rendered(text), 48000);
    ASSERT_EQ(ttscentral->Inject("\\Pit=90\\"), S_OK);
    const double high = medianpitch(rendered(text), 48000);
    EXPECT_GT(low, 50);
    EXPECT_GT(high, low * 1.3) << "low " << low << " Hz, high " << high << " Hz";
    // The attributes follow the tags.
    WORD p = 0;
    std::shared_ptr<ITTSAttributes> a;
    ASSERT_EQ(ttscentral->QueryInterface(IID_ITTSAttributesA, &a), S_OK);
    a->PitchGet(&p);
    EXPECT_EQ(p, 90);
    EXPECT_EQ(ttscentral->Inject("\\Pit=abc\\"), E_INVALIDARG);
}

TEST_F(EspeakTest, AResetSilencesAtOnceAndOddTextsEnd)
{
    selectmode("Czech", TDXSound::open());
    // A very long text, cut off by a key soon after it started.
    std::string longtext;
    while (longtext.size() < 20000)
        longtext += codepage::fromutf8("Dlouhý text, který nikdo nedoposlechne. ");
    QTimer::singleShot(300, [] { stopspeech(); });
    const auto t = clk::now();
    speakwait(longtext);
    EXPECT_LT(clk::now() - t, std::chrono::seconds(2));
    EXPECT_EQ(counter->stops, 1);
    EXPECT_FALSE(sapi4speaking);

    // Bytes that are no letters: no crash, no hang.
    for (const std::string& odd : {std::string("\x01\x02\x7f\x81\x98", 5), std::string("   "), std::string("...")}) {
        const auto t2 = clk::now();
        speakwait(odd);
        EXPECT_LT(clk::now() - t2, std::chrono::seconds(5));
        EXPECT_FALSE(sapi4speaking);
    }
}

}  // namespace
