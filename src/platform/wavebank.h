// The wave bank container (sounds.dat): reading with full validation, and writing.
// docs/wavebank.md describes the bytes. A bank is read into memory whole; every field and every
// length is checked against the limits below and against the bytes actually present before it
// is used, so a damaged file gives a vdrerror naming the file, never a read past the data.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wavebank {

inline constexpr char magic[8] = {'V', 'D', 'R', 'W', 'A', 'V', 'E', 'S'};
inline constexpr std::uint32_t version = 1;
inline constexpr std::uint32_t maxwaves = 1024;
inline constexpr std::size_t maxnamelength = 64;
inline constexpr std::uint32_t minrate = 1000;
inline constexpr std::uint32_t maxrate = 384000;
// Playback may run at most this many times the wave's own rate (newer OpenAL Soft releases cap
// the pitch there, so the limit holds whatever library the program meets).
inline constexpr std::uint32_t maxpitch = 10;
inline constexpr std::uint32_t maxsamples = 1u << 22;
inline constexpr std::uint64_t maxfilesize = 64ull << 20;
inline constexpr std::uint8_t formats16 = 1;  // signed 16-bit little-endian PCM, mono

struct wave {
    std::string name;
    std::uint32_t rate = 0;       // sample rate of the data, Hz
    std::uint32_t frequency = 0;  // playback frequency until changed, Hz
    std::int32_t volume = 0;      // hundredths of a decibel, -10000..0
    bool looped = false;
    // Whole cycles of a periodic waveform that the samples hold (0: not periodic). Played at
    // frequency F, such a wave sounds at F * cycles / samples.size() Hz.
    std::uint32_t cycles = 0;
    std::vector<std::int16_t> samples;

    bool operator==(const wave&) const = default;
};

// Parses a whole bank held in bytes. file is the name that error messages give.
std::vector<wave> parse(std::string_view bytes, const std::string& file);
// Reads and parses the file at path.
std::vector<wave> read(const std::string& path);
// Throws vdrerror when a wave breaks a limit or two waves share a name.
void check(const std::vector<wave>& waves);
// The bytes of a bank holding waves (checked first).
std::string serialize(const std::vector<wave>& waves);
void write(const std::string& path, const std::vector<wave>& waves);

// ASCII comparison without case: wave names are found this way.
bool samename(std::string_view a, std::string_view b);

}  // namespace wavebank
