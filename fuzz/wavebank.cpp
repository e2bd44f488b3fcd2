// The wave-bank reader. A bank that parses is within every documented limit and serialises back
// to exactly its bytes; anything else is a vdrerror naming the file. The input is tried as it is
// and with its last four bytes replaced by the right checksum (zlib's CRC-32), so that the fuzzer
// reaches the fields behind the checksum test.
#include "check.h"

#include "platform/errors.h"
#include "platform/wavebank.h"

#include <zlib.h>

#include <cstdint>
#include <string>

namespace {

void roundtrip(const std::string& bytes)
{
    std::vector<wavebank::wave> waves;
    try {
        waves = wavebank::parse(bytes, "fuzz.dat");
    } catch (const vdrerror& e) {
        FUZZ_CHECK(std::string(e.what()).starts_with("Damaged wave bank fuzz.dat: "));
        return;
    }
    FUZZ_CHECK(waves.size() <= wavebank::maxwaves);
    for (const wavebank::wave& w : waves) {
        FUZZ_CHECK(!w.name.empty() && w.name.size() <= wavebank::maxnamelength);
        FUZZ_CHECK(w.rate >= wavebank::minrate && w.rate <= wavebank::maxrate);
        FUZZ_CHECK(w.frequency >= 1 && w.frequency <= std::uint64_t(w.rate) * wavebank::maxpitch);
        FUZZ_CHECK(w.volume >= -10000 && w.volume <= 0);
        FUZZ_CHECK(!w.samples.empty() && w.samples.size() <= wavebank::maxsamples);
        FUZZ_CHECK(std::uint64_t(w.cycles) * 2 <= w.samples.size());
    }
    FUZZ_CHECK(wavebank::serialize(waves) == bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    roundtrip(bytes);
    if (size < 4)
        return 0;
    std::uint32_t crc = crc32(0, data, static_cast<uInt>(size - 4));
    for (std::size_t i = size - 4; i < size; ++i, crc >>= 8)
        bytes[i] = static_cast<char>(crc & 0xFF);
    roundtrip(bytes);
    return 0;
}
