#include "memory.h"

#include "vdrcommands.h"

#include "platform/errors.h"
#include "platform/trace.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unistd.h>

std::array<std::uint8_t, 65536> ram{};

namespace {

std::string ioerror(const char* what)
{
    return std::string(what) + " " + ramfile + ": " + std::strerror(errno);
}

// Addresses wrap modulo 65536, the way a 16-bit address bus would take them, so no address can
// reach outside the array.
std::size_t cell(double address)
{
    const double a = std::trunc(address);
    if (!std::isfinite(a))
        return 0;
    return static_cast<std::size_t>(static_cast<std::int64_t>(std::fmod(a, 65536.0)) & 0xFFFF);
}

}  // namespace

void loadram()
{
    std::FILE* f = std::fopen(ramfile, "rb");
    if (!f) {
        if (errno == ENOENT)
            return;
        throw vdrerror(ioerror("Cannot read"));
    }
    const std::size_t n = std::fread(ram.data(), 1, ram.size(), f);
    const bool failed = std::ferror(f);
    std::fclose(f);
    (void)n;
    if (failed)
        throw vdrerror(ioerror("Cannot read"));
}

void saveram()
{
    const std::string temp = std::string(ramfile) + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        throw vdrerror(ioerror("Cannot write"));
    bool ok = std::fwrite(ram.data(), 1, ram.size(), f) == ram.size();
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), ramfile) != 0) {
        const int saved = errno;
        std::remove(temp.c_str());
        errno = saved;
        throw vdrerror(ioerror("Cannot write"));
    }
}

namespace vdrcommands {

void poke(double address, double value)
{
    trace::poke(address, value);
    const double v = std::trunc(value);
    const auto low = std::isfinite(v) ? static_cast<std::uint64_t>(static_cast<std::int64_t>(std::fmod(v, 256.0))) : 0;
    ram[cell(address)] = static_cast<std::uint8_t>(low & 0xFF);
}

std::uint8_t peek(double address)
{
    return ram[cell(address)];
}

}  // namespace vdrcommands
