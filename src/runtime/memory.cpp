#include "memory.h"

#include "vdrcommands.h"

#include "platform/errors.h"
#include "platform/trace.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

std::array<std::uint8_t, 65536> ram{};
bool imagekept = false;

namespace {

const char* const kepttext = ". The memory image is left as it is: this run will not write it.";

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
    imagekept = false;
    struct stat st {};
    if (stat(ramfile, &st) != 0) {
        if (errno == ENOENT)
            return;
        imagekept = true;
        throw vdrerror(ioerror("Cannot read") + kepttext);
    }
    // Opening a FIFO or a device would block or read what is no memory image.
    if (!S_ISREG(st.st_mode)) {
        imagekept = true;
        throw vdrerror(std::string(ramfile) + " is not a regular file" + kepttext);
    }
    std::FILE* f = std::fopen(ramfile, "rb");
    if (!f) {
        imagekept = true;
        throw vdrerror(ioerror("Cannot read") + kepttext);
    }
    std::fread(ram.data(), 1, ram.size(), f);
    const bool failed = std::ferror(f);
    const int saved = errno;
    std::fclose(f);
    if (failed) {
        imagekept = true;
        errno = saved;
        throw vdrerror(ioerror("Cannot read") + kepttext);
    }
}

void saveram()
{
    // What this run holds is not the user's memory: writing it would destroy the image.
    if (imagekept)
        return;
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
