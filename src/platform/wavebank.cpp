#include "wavebank.h"

#include "errors.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace wavebank {
namespace {

std::uint32_t crc32(std::string_view bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes)
        c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string namefault(const std::string& name)
{
    if (name.empty() || name.size() > maxnamelength)
        return "name length " + std::to_string(name.size()) + " is not 1 to " +
               std::to_string(maxnamelength);
    for (unsigned char c : name)
        if (c < 0x21 || c > 0x7E)
            return "name holds a character other than printable ASCII";
    return {};
}

// What is wrong with one wave's fields, or an empty text when nothing is.
std::string fault(const wave& w)
{
    if (std::string f = namefault(w.name); !f.empty())
        return f;
    if (w.rate < minrate || w.rate > maxrate)
        return "sample rate " + std::to_string(w.rate) + " Hz is not " + std::to_string(minrate) +
               " to " + std::to_string(maxrate);
    if (w.frequency < 1 || std::uint64_t(w.frequency) > std::uint64_t(w.rate) * maxpitch)
        return "playback frequency " + std::to_string(w.frequency) + " Hz is not 1 to " +
               std::to_string(maxpitch) + " times the sample rate";
    if (w.volume < -10000 || w.volume > 0)
        return "volume " + std::to_string(w.volume) + " is not -10000 to 0";
    if (w.samples.empty() || w.samples.size() > maxsamples)
        return "length " + std::to_string(w.samples.size()) + " samples is not 1 to " +
               std::to_string(maxsamples);
    if (std::uint64_t(w.cycles) * 2 > w.samples.size())
        return std::to_string(w.cycles) + " cycles do not fit in " +
               std::to_string(w.samples.size()) + " samples";
    return {};
}

struct reader {
    std::string_view bytes;
    const std::string& file;
    std::size_t pos = 0;

    [[noreturn]] void fail(const std::string& what) const
    {
        throw vdrerror("Damaged wave bank " + file + ": " + what);
    }
    void need(std::size_t n, const std::string& what) const
    {
        if (bytes.size() - pos < n)
            fail("truncated in " + what + " (needs " + std::to_string(n) + " bytes at offset " +
                 std::to_string(pos) + ", the file ends at " + std::to_string(bytes.size()) + ")");
    }
    std::uint8_t u8(const std::string& what)
    {
        need(1, what);
        return static_cast<std::uint8_t>(bytes[pos++]);
    }
    std::uint32_t u32(const std::string& what)
    {
        need(4, what);
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<std::uint8_t>(bytes[pos + i]);
        pos += 4;
        return v;
    }
};

void put32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

bool samename(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto low = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
        if (low(a[i]) != low(b[i]))
            return false;
    }
    return true;
}

std::vector<wave> parse(std::string_view bytes, const std::string& file)
{
    reader r{bytes, file};
    r.need(sizeof magic, "the header");
    if (bytes.substr(0, sizeof magic) != std::string_view(magic, sizeof magic))
        r.fail("not a wave bank (the file does not start with \"VDRWAVES\")");
    r.pos = sizeof magic;
    const std::uint32_t ver = r.u32("the header");
    if (ver != version)
        r.fail("version " + std::to_string(ver) + " is not supported (only " +
               std::to_string(version) + ")");
    const std::uint32_t count = r.u32("the header");
    if (count > maxwaves)
        r.fail("it claims " + std::to_string(count) + " waves, more than " +
               std::to_string(maxwaves));

    std::vector<wave> waves;
    waves.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string where = "wave " + std::to_string(i + 1);
        wave w;
        const std::uint8_t namelength = r.u8(where);
        r.need(namelength, where + "'s name");
        w.name.assign(bytes.substr(r.pos, namelength));
        r.pos += namelength;
        if (const std::string f = namefault(w.name); !f.empty())
            r.fail(where + ": " + f);
        const std::string what = where + " (\"" + w.name + "\")";
        w.rate = r.u32(what);
        w.frequency = r.u32(what);
        w.volume = static_cast<std::int32_t>(r.u32(what));
        const std::uint8_t flags = r.u8(what);
        if (flags > 1)
            r.fail(what + " has unknown flags " + std::to_string(flags));
        w.looped = flags & 1;
        const std::uint8_t format = r.u8(what);
        if (format != formats16)
            r.fail(what + " has unknown sample format " + std::to_string(format));
        w.cycles = r.u32(what);
        const std::uint32_t length = r.u32(what);
        if (length < 1 || length > maxsamples)
            r.fail(what + ": length " + std::to_string(length) + " samples is not 1 to " +
                   std::to_string(maxsamples));
        r.need(std::size_t(length) * 2, what + "'s samples");
        w.samples.resize(length);
        for (std::uint32_t k = 0; k < length; ++k) {
            const auto lo = static_cast<std::uint8_t>(bytes[r.pos + 2 * k]);
            const auto hi = static_cast<std::uint8_t>(bytes[r.pos + 2 * k + 1]);
            w.samples[k] = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
        }
        r.pos += std::size_t(length) * 2;
        if (const std::string f = fault(w); !f.empty())
            r.fail(what + ": " + f);
        for (const wave& earlier : waves)
            if (samename(earlier.name, w.name))
                r.fail(what + " has the same name as an earlier wave");
        waves.push_back(std::move(w));
    }
    const std::size_t body = r.pos;
    const std::uint32_t stored = r.u32("the checksum");
    if (r.pos != bytes.size())
        r.fail(std::to_string(bytes.size() - r.pos) + " bytes follow the checksum");
    if (stored != crc32(bytes.substr(0, body)))
        r.fail("checksum mismatch (the content is corrupt)");
    return waves;
}

std::vector<wave> read(const std::string& path)
{
    // A folder opens as a stream that says its size is the largest there is.
    std::error_code ec;
    if (const auto kind = std::filesystem::status(path, ec).type();
        kind != std::filesystem::file_type::regular && kind != std::filesystem::file_type::not_found)
        throw vdrerror("Cannot read wave bank " + path + ": it is not a file");
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw vdrerror("Cannot read wave bank " + path + ": " + std::strerror(errno));
    const std::streamoff size = in.tellg();
    if (size < 0)
        throw vdrerror("Cannot read wave bank " + path);
    if (std::uint64_t(size) > maxfilesize)
        throw vdrerror("Damaged wave bank " + path + ": " + std::to_string(size) +
                       " bytes is larger than any bank (" + std::to_string(maxfilesize) + ")");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size))
        throw vdrerror("Cannot read wave bank " + path);
    return parse(bytes, path);
}

void check(const std::vector<wave>& waves)
{
    if (waves.size() > maxwaves)
        throw vdrerror("A wave bank holds at most " + std::to_string(maxwaves) + " waves");
    for (std::size_t i = 0; i < waves.size(); ++i) {
        if (const std::string f = fault(waves[i]); !f.empty())
            throw vdrerror("Wave " + std::to_string(i + 1) + ": " + f);
        for (std::size_t j = 0; j < i; ++j)
            if (samename(waves[j].name, waves[i].name))
                throw vdrerror("Wave \"" + waves[i].name + "\" is in the bank twice");
    }
}

std::string serialize(const std::vector<wave>& waves)
{
    check(waves);
    std::string out(magic, sizeof magic);
    put32(out, version);
    put32(out, static_cast<std::uint32_t>(waves.size()));
    for (const wave& w : waves) {
        out.push_back(static_cast<char>(w.name.size()));
        out += w.name;
        put32(out, w.rate);
        put32(out, w.frequency);
        put32(out, static_cast<std::uint32_t>(w.volume));
        out.push_back(static_cast<char>(w.looped ? 1 : 0));
        out.push_back(static_cast<char>(formats16));
        put32(out, w.cycles);
        put32(out, static_cast<std::uint32_t>(w.samples.size()));
        for (std::int16_t s : w.samples) {
            const auto u = static_cast<std::uint16_t>(s);
            out.push_back(static_cast<char>(u & 0xFF));
            out.push_back(static_cast<char>(u >> 8));
        }
    }
    put32(out, crc32(out));
    return out;
}

// Through a temporary file and a rename, so a failed write never leaves half a bank behind.
void write(const std::string& path, const std::vector<wave>& waves)
{
    const std::string bytes = serialize(waves);
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out && out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) &&
            out.flush()) {
            out.close();
            if (out && std::rename(temp.c_str(), path.c_str()) == 0)
                return;
        }
    }
    std::remove(temp.c_str());
    throw vdrerror("Unable to write to " + path);
}

}  // namespace wavebank
