#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/sound.h"
#include "platform/wavebank.h"

#include <gtest/gtest.h>

#include <AL/alc.h>
#include <AL/alext.h>

#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int mixrate = 48000;

wavebank::wave sine(const std::string& name, std::uint32_t rate, std::uint32_t cycles,
                    std::size_t length, bool looped)
{
    wavebank::wave w;
    w.name = name;
    w.rate = rate;
    w.frequency = rate;
    w.looped = looped;
    w.cycles = cycles;
    w.samples.resize(length);
    for (std::size_t n = 0; n < length; ++n)
        w.samples[n] = static_cast<std::int16_t>(
            std::lround(10000 * std::sin(2 * pi * cycles * double(n) / double(length))));
    return w;
}

// Two small waves; the first is named "ab" so its fields sit at known offsets.
std::vector<wavebank::wave> smallbank()
{
    auto a = sine("ab", 8000, 2, 16, true);
    a.volume = -300;
    a.frequency = 16000;
    auto b = sine("click7", 44100, 0, 5, false);
    return {a, b};
}

// Offsets of wave 1's fields in serialize(smallbank()).
enum : std::size_t {
    countat = 12,
    namelengthat = 16,
    nameat = 17,
    rateat = 19,
    frequencyat = 23,
    volumeat = 27,
    flagsat = 31,
    formatat = 32,
    cyclesat = 33,
    lengthat = 37,
    dataat = 41
};

void put32(std::string& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string errortext(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vdrerror& e) {
        return e.what();
    }
    return "(no error)";
}

std::string tempfile(const std::string& name)
{
    return (std::filesystem::temp_directory_path() /
            ("vandrel_sound_test_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

TEST(WaveBank, RoundTripsThroughBytesAndFiles)
{
    const auto waves = smallbank();
    EXPECT_EQ(wavebank::parse(wavebank::serialize(waves), "x"), waves);
    const std::string path = tempfile("roundtrip.dat");
    wavebank::write(path, waves);
    EXPECT_EQ(wavebank::read(path), waves);
    std::remove(path.c_str());

    auto twice = waves;
    twice[1].name = "AB";
    EXPECT_NE(errortext([&] { wavebank::serialize(twice); }).find("twice"), std::string::npos);
}

TEST(WaveBank, DamageIsAnErrorNamingTheFileAndTheFault)
{
    struct damage {
        const char* what;
        std::function<void(std::string&)> apply;
        const char* says;
    };
    const damage cases[] = {
        {"magic", [](std::string& b) { b[0] = 'X'; }, "not a wave bank"},
        {"version", [](std::string& b) { put32(b, 8, 2); }, "version 2"},
        {"huge count", [](std::string& b) { put32(b, countat, 0xFFFFFFFF); }, "4294967295 waves"},
        {"count beyond the waves", [](std::string& b) { put32(b, countat, 3); }, "wave 3"},
        {"empty name", [](std::string& b) { b[namelengthat] = 0; }, "name length 0"},
        {"name past the end", [](std::string& b) { b[namelengthat] = char(0xFF); }, "truncated"},
        {"control character in name", [](std::string& b) { b[nameat] = '\n'; }, "printable"},
        {"rate 0", [](std::string& b) { put32(b, rateat, 0); }, "sample rate 0"},
        {"frequency 0", [](std::string& b) { put32(b, frequencyat, 0); }, "playback frequency 0"},
        {"frequency past the pitch cap", [](std::string& b) { put32(b, frequencyat, 80001); },
         "playback frequency 80001"},
        {"positive volume", [](std::string& b) { put32(b, volumeat, 5); }, "volume 5"},
        {"volume below silence", [](std::string& b) { put32(b, volumeat, -10001); }, "volume"},
        {"unknown flag", [](std::string& b) { b[flagsat] = 2; }, "flags"},
        {"unknown format", [](std::string& b) { b[formatat] = 2; }, "sample format"},
        {"cycles beyond the samples", [](std::string& b) { put32(b, cyclesat, 9); }, "cycles"},
        {"zero length", [](std::string& b) { put32(b, lengthat, 0); }, "length 0"},
        {"absurd length", [](std::string& b) { put32(b, lengthat, 0x7FFFFFFF); }, "length"},
        {"length past the end", [](std::string& b) { put32(b, lengthat, 5000); }, "truncated"},
        {"bytes after the end", [](std::string& b) { b += '\0'; }, "follow the checksum"},
        {"corrupt sample", [](std::string& b) { b[dataat + 3] ^= 0x10; }, "checksum"},
    };
    const std::string good = wavebank::serialize(smallbank());
    ASSERT_EQ(good.substr(nameat, 2), "ab");
    for (const damage& d : cases) {
        std::string bytes = good;
        d.apply(bytes);
        const std::string text = errortext([&] { wavebank::parse(bytes, "bank.dat"); });
        EXPECT_NE(text.find("bank.dat"), std::string::npos) << d.what << ": " << text;
        EXPECT_NE(text.find(d.says), std::string::npos) << d.what << ": " << text;
    }
    // Duplicates are found without regard to case.
    std::string bytes = good;
    bytes.replace(bytes.find("click7") - 1, 7, "\x02" "AB", 3);
    EXPECT_NE(errortext([&] { wavebank::parse(bytes, "f"); }).find("same name"),
              std::string::npos);
}

TEST(WaveBank, EveryTruncationAndRandomDamageIsAnError)
{
    const std::string good = wavebank::serialize(smallbank());
    for (std::size_t n = 0; n < good.size(); ++n) {
        // A copy of exactly n bytes, so a read past the end leaves the allocation.
        const std::vector<char> cut(good.begin(), good.begin() + std::ptrdiff_t(n));
        EXPECT_THROW(wavebank::parse(std::string_view(cut.data(), n), "f"), vdrerror)
            << "truncated to " << n;
    }

    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = good;
        const int flips = 1 + int(random() % 4);
        for (int k = 0; k < flips; ++k)
            bytes[random() % bytes.size()] ^= static_cast<char>(1 + random() % 255);
        if (bytes == good)
            continue;
        EXPECT_THROW(wavebank::parse(bytes, "f"), vdrerror) << "round " << round;
    }
}

TEST(WaveBank, UnreadableAndOversizedFilesAreErrorsNamingThem)
{
    const std::string missing = tempfile("missing.dat");
    EXPECT_NE(errortext([&] { wavebank::read(missing); }).find("Cannot read wave bank " + missing),
              std::string::npos);

    const std::string huge = tempfile("huge.dat");
    { std::FILE* f = std::fopen(huge.c_str(), "wb"); std::fclose(f); }
    std::filesystem::resize_file(huge, wavebank::maxfilesize + 1);  // sparse: no disk used
    const std::string text = errortext([&] { wavebank::read(huge); });
    EXPECT_NE(text.find(huge), std::string::npos);
    EXPECT_NE(text.find("larger"), std::string::npos) << text;
    std::remove(huge.c_str());

    const std::string folder = tempfile("folder.dat");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(errortext([&] { wavebank::read(folder); }), "Cannot read wave bank " + folder + ": it is not a file");
    std::filesystem::remove(folder);
}

// The bank the build makes.
const std::vector<wavebank::wave>& generated()
{
    static const std::vector<wavebank::wave> waves = wavebank::read(VANDREL_SOUNDS);
    return waves;
}

const wavebank::wave& generatedwave(const std::string& name)
{
    for (const auto& w : generated())
        if (w.name == name)
            return w;
    throw vdrerror("no " + name);
}

// Where the note f of octave o sounds: the runtime plays it at f * 64 Hz.
double sounds(int f, int octave)
{
    const auto& w = generatedwave("snd1" + std::to_string(octave));
    return f * 64.0 * w.cycles / double(w.samples.size());
}

TEST(GeneratedBank, HoldsEveryWaveTheProgramAsksFor)
{
    for (const char* name : {"beep", "click2", "click3", "click16", "click18", "click19"}) {
        const auto& w = generatedwave(name);
        EXPECT_FALSE(w.looped) << name;
        EXPECT_LT(w.samples.size(), w.rate / 2) << name << " is not short";
    }
    for (int i = 1; i <= 4; ++i)
        for (int o = 0; o <= 9; ++o) {
            const auto& w = generatedwave("snd" + std::to_string(i) + std::to_string(o));
            EXPECT_TRUE(w.looped) << w.name;
            EXPECT_EQ(w.rate, 64000u) << w.name;
            ASSERT_GT(w.cycles, 0u) << w.name;
            // Octave 3 sounds at f Hz; each octave digit is half an octave.
            EXPECT_NEAR(sounds(1000, o), 1000 * std::pow(2.0, (o - 3) / 2.0),
                        1000 * std::pow(2.0, (o - 3) / 2.0) * 0.001)
                << w.name;
        }
}

TEST(GeneratedBank, EveryJingleOfTheProgramIsAudible)
{
    struct jingle {
        const char* what;
        int octave;
        std::vector<int> notes;
    };
    std::vector<int> fall;
    for (int f = 1000; f >= 200; f -= 20)
        fall.push_back(f);
    const jingle jingles[] = {
        {"title", 3, {500, 700, 750, 520}},
        {"dictionary", 0, {200, 249, 300, 150}},
        {"funeral march", 3, {261, 292, 311, 348, 391, 414, 495, 524, 587, 621}},
        {"radio signal", 3, {5000, 500}},
        {"braille and voice switches", 3, {400, 600}},
        {"capital letter", 1, {2000}},
        {"volume sample", 1, {1000}},
        {"falling sweep", 1, fall},
        {"virtual screen", 5, {300, 450}},
    };
    for (const jingle& j : jingles)
        for (int f : j.notes) {
            EXPECT_GE(sounds(f, j.octave), 50.0) << j.what << " note " << f;
            EXPECT_LE(sounds(f, j.octave), 12000.0) << j.what << " note " << f;
        }
}

// The frequency of the strongest component of x (Hann window, peak bin refined by a parabola).
double pitch(const std::vector<float>& x)
{
    std::size_t n = 1;
    while (n * 2 <= x.size())
        n *= 2;
    std::vector<std::complex<double>> a(n);
    for (std::size_t i = 0; i < n; ++i)
        a[i] = x[i] * (0.5 - 0.5 * std::cos(2 * pi * double(i) / double(n)));
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2 * pi / double(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> t = 1;
            for (std::size_t k = 0; k < len / 2; ++k, t *= w) {
                const auto u = a[i + k], v = a[i + k + len / 2] * t;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
    std::size_t best = 1;
    for (std::size_t k = 1; k < n / 2; ++k)
        if (std::abs(a[k]) > std::abs(a[best]))
            best = k;
    const double l = std::abs(a[best - 1]), c = std::abs(a[best]), r = std::abs(a[best + 1]);
    const double shift = 0.5 * (l - r) / (l - 2 * c + r);
    return (double(best) + shift) * mixrate / double(n);
}

double rms(const std::vector<float>& x, std::size_t from, std::size_t count)
{
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += double(x[i]) * x[i];
    return std::sqrt(sum / double(count));
}

double peak(const std::vector<float>& x)
{
    double top = 0;
    for (float v : x)
        top = std::max(top, double(std::fabs(v)));
    return top;
}

class Loopback : public ::testing::Test {
protected:
    std::unique_ptr<TDXSound> out = TDXSound::openloopback(mixrate);
    TDXWaveList list{*out};

    void SetUp() override { list.load(VANDREL_SOUNDS); }
    void TearDown() override { vclock::setfast(false); }

    std::vector<float> sounding(const std::string& name, int hz, int frames)
    {
        auto& w = list.find(name);
        w.setlooped(true);
        w.setfrequency(hz);
        w.play(false);
        out->render(frames);
        w.stop();
        return out->take();
    }
};

TEST_F(Loopback, NotesSoundAtTheirPitch)
{
    struct note {
        const char* wave;
        int hz;
        double expect;
    };
    const note notes[] = {
        {"snd13", 520 * 64, 520},
        {"snd23", 750 * 64, 750},
        {"snd33", 261 * 64, 261},
        {"snd43", 5000 * 64, 5000},
        {"snd10", 150 * 64, 150 / std::pow(2.0, 1.5)},
        {"snd11", 2000 * 64, 1000},
        {"snd15", 300 * 64, 600},
        {"snd25", 450 * 64, 900},
        {"snd13", 2 * 64 * 64, 128},  // the runtime's note 0
        {"snd13", 20000 * 64, 10000},  // beyond the pitch cap: held at ten times the rate
    };
    for (const note& n : notes)
        EXPECT_NEAR(pitch(sounding(n.wave, n.hz, 65536)), n.expect, n.expect * 0.005)
            << n.wave << " at " << n.hz << " Hz";
}

TEST_F(Loopback, ChordSoundsEveryNoteAndEndsOnStop)
{
    auto& first = list.find("snd13");
    auto& second = list.find("snd23");
    for (auto* w : {&first, &second})
        w->setlooped(true);
    first.setfrequency(520 * 64);
    second.setfrequency(750 * 64);
    first.play(false);
    second.play(false);
    out->render(65536);
    const auto both = out->take();
    EXPECT_TRUE(first.playing() && second.playing());
    first.stop();
    EXPECT_FALSE(first.playing());
    out->render(65536);
    EXPECT_NEAR(pitch(out->take()), 750, 750 * 0.005);  // only the second note is left
    second.stop();
    out->render(4096);
    EXPECT_EQ(peak(out->take()), 0.0);
    // Both notes were in the chord: the mix is louder than either note alone.
    EXPECT_GT(rms(both, 0, both.size()), 1.2 * rms(sounding("snd13", 520 * 64, 65536), 0, 65536));
}

TEST_F(Loopback, LoopedNoteSoundsUntilStopped)
{
    auto& w = list.find("snd13");
    w.setlooped(true);
    w.setfrequency(33280);
    w.play(false);
    out->render(mixrate);  // one second: many passes of the 4096-sample wave
    EXPECT_TRUE(w.playing());
    w.stop();
    EXPECT_FALSE(w.playing());
    out->render(mixrate / 10);
    const auto x = out->take();
    for (std::size_t from = 0; from < std::size_t(mixrate); from += mixrate / 100)
        EXPECT_GT(rms(x, from, mixrate / 100), 0.05) << "silent at frame " << from;
    EXPECT_EQ(rms(x, mixrate, mixrate / 10), 0.0);
}

TEST_F(Loopback, VolumeIsHundredthsOfADecibel)
{
    auto& w = list.find("snd13");
    auto level = [&](int mb) {
        w.setvolume(mb);
        return rms(sounding("snd13", 33280, 9600), 0, 9600);
    };
    const double full = level(0);
    EXPECT_GT(full, 0.1);
    EXPECT_NEAR(level(-2000), full / 10, full * 0.002);
    EXPECT_NEAR(level(-600), full * std::pow(10.0, -0.3), full * 0.002);
    EXPECT_EQ(level(-10000), 0.0);
    w.setvolume(-20000);
    EXPECT_EQ(w.volume(), -10000);
    w.setvolume(300);
    EXPECT_EQ(w.volume(), 0);
}

TEST_F(Loopback, WaitingPlayLastsOnePassOfTheWave)
{
    struct shot {
        const char* name;
        int longestms;
    };
    const shot shots[] = {{"click2", 15}, {"click16", 15}, {"click3", 150},
                          {"click18", 250}, {"click19", 500}, {"beep", 200}};
    for (const shot& s : shots) {
        auto& w = list.find(s.name);
        w.play(true);
        EXPECT_FALSE(w.playing()) << s.name;
        const auto x = out->take();
        const double expect = double(w.length()) * mixrate / w.frequency();
        EXPECT_GE(double(x.size()), expect) << s.name;
        EXPECT_LE(double(x.size()), expect + 256) << s.name;
        EXPECT_LE(x.size(), std::size_t(s.longestms * mixrate / 1000)) << s.name;
        EXPECT_GT(peak(x), 0.2) << s.name;
    }
    // A looped note played with waiting sounds one pass instead of forever.
    auto& note = list.find("snd13");
    note.setlooped(true);
    note.setfrequency(33280);
    note.play(true);
    EXPECT_FALSE(note.playing());
    EXPECT_TRUE(note.looped());
    EXPECT_NEAR(double(out->take().size()), 4096.0 * mixrate / 33280, 128);
}

TEST_F(Loopback, ClicksHaveTheirOwnCharacter)
{
    // Zero crossings per millisecond: the light ticks are bright, the knock and the shot dull.
    auto brightness = [&](const char* name) {
        list.find(name).play(true);
        const auto x = out->take();
        int crossings = 0;
        for (std::size_t i = 1; i < x.size(); ++i)
            crossings += (x[i - 1] < 0) != (x[i] < 0);
        return crossings / (double(x.size()) * 1000.0 / mixrate);
    };
    const double tick2 = brightness("click2"), tick16 = brightness("click16"),
                 knock = brightness("click18");
    EXPECT_GT(tick2, tick16);
    EXPECT_GT(tick16, 2 * knock);
}

TEST_F(Loopback, FindsWavesWithoutCaseAndNamesTheMissingOne)
{
    EXPECT_EQ(&list.find("SND13"), &list.find("snd13"));
    EXPECT_EQ(errortext([&] { list.find("snd73"); }), "Wave not found: snd73");
}

TEST_F(Loopback, LoadReplacesTheContentOrKeepsItOnError)
{
    const std::string bad = tempfile("bad.dat");
    { std::FILE* f = std::fopen(bad.c_str(), "wb"); std::fputs("VDRWAVES", f); std::fclose(f); }
    EXPECT_NE(errortext([&] { list.load(bad); }).find(bad), std::string::npos);
    EXPECT_EQ(list.find("snd13").name(), "snd13");

    const std::string other = tempfile("other.dat");
    wavebank::write(other, smallbank());
    list.load(other);
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(list.find("ab").frequency(), 16000);
    EXPECT_EQ(list.find("ab").volume(), -300);
    EXPECT_THROW(list.find("snd13"), vdrerror);
    std::remove(bad.c_str());
    std::remove(other.c_str());
}

TEST(SilentOutput, KeepsTimeAsIfItPlayed)
{
    auto out = TDXSound::opensilent();
    EXPECT_EQ(out->mode(), TDXSound::kind::silent);
    TDXWaveList list(*out);
    list.assign({sine("long", 1000, 0, 120, false), sine("short", 1000, 0, 2, false),
                 sine("hum", 1000, 1, 2, true)});

    auto& longwave = list.find("long");
    EXPECT_EQ(longwave.durationms(), 120);
    auto start = std::chrono::steady_clock::now();
    longwave.play(true);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(120));
    EXPECT_FALSE(longwave.playing());

    longwave.setfrequency(10);  // 12 s a pass: a fast clock must not wait for it
    vclock::setfast(true);
    start = std::chrono::steady_clock::now();
    longwave.play(true);
    vclock::setfast(false);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));

    auto& shortwave = list.find("short");
    auto& hum = list.find("hum");
    shortwave.play(false);
    hum.play(false);
    EXPECT_TRUE(shortwave.playing());
    vclock::sleep(20);
    EXPECT_FALSE(shortwave.playing());
    EXPECT_TRUE(hum.playing());
    hum.stop();
    EXPECT_FALSE(hum.playing());
}

// OpenAL Soft reads its driver list once, before the first device opens: from here on the
// default device of these tests is the null backend, which mixes in real time like hardware but
// is never heard.
const bool nulldevice = ::setenv("ALSOFT_DRIVERS", "null", 1) == 0;

TEST(DefaultOutput, WaitsForTheSoundInRealTime)
{
    ASSERT_TRUE(nulldevice);
    auto out = TDXSound::open();
    ASSERT_EQ(out->mode(), TDXSound::kind::device);
    EXPECT_TRUE(out->makecurrent());
    TDXWaveList list(*out);
    list.load(VANDREL_SOUNDS);

    // The device's own clock counts the frames it has mixed: a wait that covers the sound has
    // let the device mix at least the wave's length, however busy the machine is.
    ALCdevice* device = alcGetContextsDevice(alcGetCurrentContext());
    ASSERT_TRUE(alcIsExtensionPresent(device, "ALC_SOFT_device_clock"));
    auto clock = reinterpret_cast<LPALCGETINTEGER64VSOFT>(alcGetProcAddress(device, "alcGetInteger64vSOFT"));
    ASSERT_NE(clock, nullptr);
    auto mixedns = [&] {
        ALCint64SOFT ns = 0;
        clock(device, ALC_DEVICE_CLOCK_SOFT, 1, &ns);
        return ns;
    };
    auto& beep = list.find("beep");
    const ALCint64SOFT before = mixedns();
    beep.play(true);
    EXPECT_GE(mixedns() - before, static_cast<ALCint64SOFT>(beep.durationms() - 1) * 1000000);
    EXPECT_FALSE(beep.playing());

    auto& note = list.find("snd13");
    note.setlooped(true);
    note.setfrequency(33280);
    note.play(false);
    vclock::sleep(200);  // three passes of the wave
    EXPECT_TRUE(note.playing());
    note.stop();
    EXPECT_FALSE(note.playing());
}

}  // namespace
