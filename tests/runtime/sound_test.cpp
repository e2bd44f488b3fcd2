#include "tracefile.h"

#include "platform/clock.h"
#include "platform/sound.h"
#include "runtime/sound.h"
#include "runtime/vdrcommands.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The runtime playing into OpenAL's loopback device, with the generated bank.
struct PlayTest : ::testing::Test {
    std::unique_ptr<TDXSound> output = TDXSound::openloopback();
    TDXWaveList bank{*output};
    QTimer timer;

    void SetUp() override
    {
        bank.load(VANDREL_RUN_DIR "/sounds.dat");
        wavelist = &bank;
        notetimer = &timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [] { endnote(); });
        vclock::setfast(true);
        vandrelsounds = true;
        sndvolume = 0;
        vdrcommands::runinit();
    }
    void TearDown() override
    {
        wavelist = nullptr;
        notetimer = nullptr;
    }
    void play(std::vector<double> notes, double duration, double octave)
    {
        vdrcommands::play(notes.data(), static_cast<int>(notes.size()), duration, octave);
    }
};

TEST_F(PlayTest, NotesTakeTheirWavesAndFrequencies)
{
    play({520, 750}, 1000, 3);
    EXPECT_EQ(bank.find("snd13").frequency(), 33280);
    EXPECT_EQ(bank.find("snd23").frequency(), 48000);
    EXPECT_TRUE(bank.find("snd13").looped());
    EXPECT_FALSE(bank.find("snd13").playing());
    EXPECT_FALSE(bank.find("snd23").playing());
    EXPECT_EQ(lastoctave, 3);
    EXPECT_EQ(lastduration, 1000);

    // Note 0 sounds as note 2; octave 10 keeps octave 3; a negative duration keeps 1000.
    play({0}, -1, 10);
    EXPECT_EQ(bank.find("snd13").frequency(), 128);
    EXPECT_EQ(lastoctave, 3);
    EXPECT_EQ(lastduration, 1000);

    play({300, 450}, 100, 5.9);
    EXPECT_EQ(bank.find("snd15").frequency(), 19200);
    EXPECT_EQ(bank.find("snd25").frequency(), 28800);
    EXPECT_EQ(lastoctave, 5);
}

TEST_F(PlayTest, SoundSetOffPlaysNothingAndKeepsTheStoredValues)
{
    play({400}, 250, 1);
    vandrelsounds = false;
    play({999}, 70, 1);
    EXPECT_EQ(lastoctave, 1);
    EXPECT_EQ(lastduration, 250);
    EXPECT_EQ(bank.find("snd11").frequency(), 400 * 64);
    vandrelsounds = true;
    play({500}, -5, 3);
    EXPECT_EQ(lastduration, 250);
}

TEST_F(PlayTest, AMissingWaveIsAnErrorNamingIt)
{
    try {
        play({1, 2, 3, 4, 5}, 10, 3);
        ADD_FAILURE() << "a fifth note played";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Wave not found: snd53");
    }
    // The notes that had started are silent again.
    EXPECT_FALSE(bank.find("snd13").playing());
    EXPECT_FALSE(noteplaying);
    EXPECT_THROW(vdrcommands::click(7), std::exception);
}

TEST_F(PlayTest, EveryCallIsTracedAsGiven)
{
    tracefile t;
    play({261, 311.5}, -1, 10);
    vdrcommands::click(19);
    vdrcommands::beep();
    vandrelsounds = false;
    play({5000}, 250, 3);
    const std::vector<std::string> expected = {
        R"({"event":"play","notes":[261,311.5],"duration":-1,"octave":10})",
        R"({"event":"click","n":19})",
        R"({"event":"beep"})",
        R"({"event":"play","notes":[5000],"duration":250,"octave":3})"};
    EXPECT_EQ(t.lines(), expected);
}

TEST_F(PlayTest, ADurationOfZeroSoundsUntilAKey)
{
    QTimer::singleShot(20, [] { endnote(); });
    play({440}, 0, 3);
    EXPECT_FALSE(noteplaying);
    EXPECT_FALSE(bank.find("snd13").playing());
}

}  // namespace
