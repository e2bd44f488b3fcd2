// The braille table and key-name loaders, each on the input as its file. Both fill exactly what a
// small model of the file rules gives: at most 10 prefixes and 255 cells for the braille table,
// the slots in order (wrapping after 255) for the key names, and a bad code is the vdrerror that
// names it, with the lines before it kept.
#include "check.h"
#include "scratch.h"

#include "text/keytables.h"
#include "platform/codepage.h"
#include "platform/errors.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

// Lines end at LF or CR LF; a last line without an end counts when it is not empty.
std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> out;
    while (!text.empty()) {
        const auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (nl != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        out.emplace_back(line);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    }
    return out;
}

std::pair<std::string, std::string> split(const std::string& line)
{
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::pair{line, line} : std::pair{line.substr(0, eq), line.substr(eq + 1)};
}

void brailletable(const std::vector<std::string>& file)
{
    std::vector<brlpreftype> prefixes;
    std::vector<brlchartype> cells;
    std::string section;
    bool inside = false;  // past the first header
    for (const std::string& line : file) {
        if (line.starts_with('[')) {
            inside = true;
            section = line.size() < 2 ? "" : line.substr(1, line.size() - 2);
            if (section == "prefixes")
                prefixes.clear();
            continue;
        }
        if (!inside || line.empty())
            continue;
        if (section == "prefixes" && line[0] == '#' && prefixes.size() < 10) {
            auto [name, dots] = split(line);
            prefixes.push_back({name, dots});
        } else if ((section == "characters" || section.starts_with('#')) && cells.size() < 255) {
            auto [chars, dots] = split(line);
            cells.push_back({section == "characters" ? "" : section, chars, dots});
        }
    }

    loadbrltable();
    FUZZ_CHECK(brlprefixcount == prefixes.size());
    FUZZ_CHECK(brlcharcount == cells.size());
    for (std::size_t i = 0; i < prefixes.size(); ++i)
        FUZZ_CHECK(brlprefixes[i + 1].name == prefixes[i].name && brlprefixes[i + 1].dots == prefixes[i].dots);
    for (std::size_t i = 0; i < cells.size(); ++i)
        FUZZ_CHECK(brlchars[i + 1].prefix == cells[i].prefix && brlchars[i + 1].chars == cells[i].chars &&
                   brlchars[i + 1].dots == cells[i].dots);
}

// A decimal integer with an optional sign that fits 32 bits.
std::optional<std::int32_t> code(std::string_view s)
{
    if (s.starts_with('+') && !s.starts_with("+-"))
        s.remove_prefix(1);
    std::int32_t v = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

void keynames(const std::vector<std::string>& file)
{
    std::array<echokeytype, 256> slots{};
    std::size_t slot = 0;
    std::optional<std::string> bad;
    for (const std::string& line : file) {
        if (line.empty())
            continue;
        const auto eq = line.find('=');
        const auto c = eq == std::string::npos ? std::nullopt : code(std::string_view(line).substr(0, eq));
        if (!c) {
            bad = "'" + codepage::toutf8(line.substr(0, eq)) + "' is not a valid integer value";
            break;
        }
        slots[slot % 256] = {static_cast<unsigned char>(*c & 0xFF), line.substr(eq + 1)};
        ++slot;
    }

    try {
        loadkeynames();
        FUZZ_CHECK(!bad);
    } catch (const vdrerror& e) {
        // what() is a C string: a code with a NUL byte shows up to the NUL.
        FUZZ_CHECK(bad && e.what() == std::string(bad->c_str()));
    }
    for (std::size_t i = 0; i < slots.size(); ++i)
        FUZZ_CHECK(echokeys[i].keychar == slots[i].keychar && echokeys[i].keyname == slots[i].keyname);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const std::string file = scratch::path("table");
    scratch::put(file, text);
    brltablefile = keynamefile = file;
    const std::vector<std::string> model = lines(text);
    brailletable(model);
    keynames(model);
    return 0;
}
