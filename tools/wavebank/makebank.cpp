// makebank: synthesises the program's wave bank and writes it to the file named on the command
// line. Every wave is computed here, deterministically, so the bank is the same on every build.
//
// Notes: "snd<i><o>" for chord positions i = 1..4 and octave digits o = 0..9, each a looped
// whole number of cycles of a soft organ-like timbre, recorded at 64000 Hz. The runtime plays
// note f at f * 64 Hz, i.e. at f / 1000 of the recorded speed (within OpenAL Soft's pitch cap
// of 10 up to f = 10000). A cycle of octave o lasts 64 * 2^((3 - o) / 2) samples, so octave 3
// sounds at f Hz and each octave digit moves the pitch half an octave: 2^((o - 3) / 2) * f Hz.
// The clicks and the beep are short one-shots at 48000 Hz.
#include "platform/errors.h"
#include "platform/wavebank.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr std::uint32_t noterate = 64000;
constexpr std::uint32_t clickrate = 48000;
// Four notes sound together at most; this peak keeps their sum below full scale.
constexpr double notepeak = 0.3;
// Samples a note wave holds about; many cycles make even the irrational cycle lengths exact.
constexpr double notelength = 4096;

// Deterministic white noise in -1..1.
struct noise {
    std::uint32_t state;
    double next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483647.5 - 1.0;
    }
};

std::vector<std::int16_t> quantise(const std::vector<double>& x, double peak)
{
    double top = 0;
    for (double v : x)
        top = std::max(top, std::fabs(v));
    std::vector<std::int16_t> out(x.size());
    const double scale = top > 0 ? peak * 32767.0 / top : 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        out[i] = static_cast<std::int16_t>(std::lround(x[i] * scale));
    return out;
}

wavebank::wave note(int position, int octave)
{
    const double cycle = 64.0 * std::pow(2.0, (3 - octave) / 2.0);
    const auto cycles = static_cast<std::uint32_t>(std::max(1.0, std::round(notelength / cycle)));
    const auto length = static_cast<std::size_t>(std::lround(cycles * cycle));
    // Harmonics fall off gently; those at or above half a cycle's samples would alias.
    const double harmonics[] = {1.0, 0.35, 0.2, 0.1, 0.05};
    std::vector<double> x(length);
    for (std::size_t n = 0; n < length; ++n) {
        const double phase = 2 * pi * cycles * static_cast<double>(n) / static_cast<double>(length);
        for (int h = 1; h <= 5; ++h)
            if (h * 2 < cycle)
                x[n] += harmonics[h - 1] * std::sin(h * phase);
    }
    wavebank::wave w;
    w.name = "snd" + std::to_string(position) + std::to_string(octave);
    w.rate = noterate;
    w.frequency = noterate;
    w.looped = true;
    w.cycles = cycles;
    w.samples = quantise(x, notepeak);
    return w;
}

// A decaying sine: amplitude a, frequency hz, time constant tau seconds, starting at t0.
double ring(double t, double t0, double a, double hz, double tau)
{
    if (t < t0)
        return 0;
    return a * std::exp(-(t - t0) / tau) * std::sin(2 * pi * hz * (t - t0));
}

// A burst of noise decaying with time constant tau, from t0.
double burst(noise& n, double t, double t0, double a, double tau)
{
    if (t < t0)
        return 0;
    return a * std::exp(-(t - t0) / tau) * n.next();
}

template <class F>
wavebank::wave oneshot(const std::string& name, double seconds, double peak, F sample)
{
    const auto length = static_cast<std::size_t>(seconds * clickrate);
    noise n{0x9E3779B9u};
    std::vector<double> x(length);
    for (std::size_t i = 0; i < length; ++i)
        x[i] = sample(static_cast<double>(i) / clickrate, n);
    // A short fade at the end, so no wave stops with a spurious crack of its own.
    const std::size_t fade = std::min<std::size_t>(length / 4, clickrate / 1000);
    for (std::size_t i = 0; i < fade; ++i) {
        const double g = static_cast<double>(i) / static_cast<double>(fade);
        x[length - 1 - i] *= g;
    }
    x[0] = 0;
    wavebank::wave w;
    w.name = name;
    w.rate = clickrate;
    w.frequency = clickrate;
    w.samples = quantise(x, peak);
    return w;
}

std::vector<wavebank::wave> bank()
{
    std::vector<wavebank::wave> waves;
    // A clear 1 kHz tone of a tenth of a second with soft edges.
    waves.push_back(oneshot("beep", 0.1, 0.5, [](double t, noise&) {
        const double edge = std::min({1.0, t / 0.004, (0.1 - t) / 0.01});
        return edge * (std::sin(2 * pi * 1000 * t) + 0.2 * std::sin(2 * pi * 3000 * t));
    }));
    // Light ticks: a few milliseconds of a high ring; click16 lower and rounder than click2.
    waves.push_back(oneshot("click2", 0.006, 0.6, [](double t, noise& n) {
        return ring(t, 0, 1.0, 3500, 0.0008) + burst(n, t, 0, 0.4, 0.0003);
    }));
    waves.push_back(oneshot("click16", 0.01, 0.5, [](double t, noise& n) {
        return ring(t, 0, 1.0, 1800, 0.0015) + ring(t, 0, 0.4, 2900, 0.0008) +
               burst(n, t, 0, 0.2, 0.0003);
    }));
    // A recorder's switch: the key's snap, then the heavier clunk of the latch.
    waves.push_back(oneshot("click3", 0.09, 0.7, [](double t, noise& n) {
        return burst(n, t, 0, 0.8, 0.0007) + ring(t, 0, 0.7, 2200, 0.003) +
               burst(n, t, 0.035, 0.6, 0.0012) + ring(t, 0.035, 1.0, 700, 0.008) +
               ring(t, 0.035, 0.6, 320, 0.015);
    }));
    // A knock on a wooden door: a dull thud with body resonances.
    waves.push_back(oneshot("click18", 0.16, 0.8, [](double t, noise& n) {
        return burst(n, t, 0, 0.5, 0.001) + ring(t, 0, 1.0, 190, 0.03) +
               ring(t, 0, 0.6, 430, 0.018) + ring(t, 0, 0.3, 1100, 0.005);
    }));
    // A shot: a loud crack of noise, a low boom, and a fading echo.
    // The crack's noise goes through a one-pole low-pass, which darkens it.
    waves.push_back(oneshot("click19", 0.45, 0.95, [low = 0.0](double t, noise& n) mutable {
        low += 0.35 * (burst(n, t, 0, 1.0, 0.03) - low);
        return 1.6 * low + burst(n, t, 0, 0.35, 0.004) + ring(t, 0, 0.9, 70, 0.09) +
               burst(n, t, 0.02, 0.12, 0.12);
    }));
    for (int position = 1; position <= 4; ++position)
        for (int octave = 0; octave <= 9; ++octave)
            waves.push_back(note(position, octave));
    return waves;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makebank OUTPUT\n");
        return 2;
    }
    try {
        wavebank::write(argv[1], bank());
    } catch (const vdrerror& e) {
        std::fprintf(stderr, "makebank: %s\n", e.what());
        return 1;
    }
    return 0;
}
