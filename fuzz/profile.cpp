// Settings files. The input's first three lines are a section, a key and a value; the rest is the
// file. Reads of any content give the documented integers, and a write either reads back with
// every other key keeping its value, or is refused for a name or value that cannot be stored and
// leaves the file byte for byte as it was.
#include "check.h"
#include "scratch.h"

#include "platform/errors.h"
#include "platform/profile.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

std::string_view trim(std::string_view s, std::string_view blanks = " \t\r")
{
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

bool samename(std::string_view a, std::string_view b)
{
    auto low = [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (low(a[i]) != low(b[i]))
            return false;
    return true;
}

// A sign, then decimal digits, or "0x"/"0X"/"$" and hexadecimal digits, within the int range.
std::optional<int> integer(std::string_view s)
{
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.starts_with("0x") || s.starts_with("0X")) {
        base = 16;
        s.remove_prefix(2);
    } else if (s.starts_with("$")) {
        base = 16;
        s.remove_prefix(1);
    }
    unsigned long long v = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v, base);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || v > 2147483648ULL)
        return std::nullopt;
    const long long n = negative ? -static_cast<long long>(v) : static_cast<long long>(v);
    if (n > INT_MAX)
        return std::nullopt;
    return static_cast<int>(n);
}

// What a write must refuse: names that are empty once trimmed, line breaks, and the characters
// that would make the line read back as something else.
bool storable(std::string_view section, std::string_view key, std::string_view value)
{
    const auto s = trim(section), k = trim(key);
    auto hasbreak = [](std::string_view t) { return t.find_first_of("\r\n") != std::string_view::npos; };
    return !s.empty() && !k.empty() && !hasbreak(s) && !hasbreak(k) && !hasbreak(value) &&
           s.find(']') == std::string_view::npos && k.find('=') == std::string_view::npos && k[0] != ';' &&
           k[0] != '[';
}

// No value holds a line break, so this default tells a missing key from any value.
const std::string missing = "\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view in(reinterpret_cast<const char*>(data), size);
    std::string fields[3];
    for (std::string& f : fields) {
        const auto nl = in.find('\n');
        f = in.substr(0, nl);
        in = nl == std::string_view::npos ? std::string_view() : in.substr(nl + 1);
    }
    const std::string& section = fields[0];
    const std::string& key = fields[1];
    const std::string& value = fields[2];
    static const std::string file = scratch::path("settings.ini");
    scratch::put(file, in);

    // The names the file spells, and the ones of the write.
    std::vector<std::string> sections{section}, keys{key};
    for (std::string_view rest = in; !rest.empty();) {
        const auto nl = rest.find('\n');
        const std::string_view line = rest.substr(0, nl);
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
        const auto open = line.find('['), close = line.find(']');
        if (open != std::string_view::npos && close != std::string_view::npos && open < close && sections.size() < 6)
            sections.emplace_back(line.substr(open + 1, close - open - 1));
        else if (const auto eq = line.find('='); eq != std::string_view::npos && keys.size() < 6)
            keys.emplace_back(line.substr(0, eq));
    }

    auto readall = [&] {
        std::vector<std::string> got;
        for (const std::string& s : sections)
            for (const std::string& k : keys) {
                got.push_back(profile::readstring(file, s, k, missing));
                const auto n = got.back() == missing ? std::nullopt : integer(got.back());
                const int a = profile::readint(file, s, k, 7), b = profile::readint(file, s, k, -7);
                FUZZ_CHECK(n ? a == *n && b == *n : a == 7 && b == -7);
            }
        return got;
    };

    const std::vector<std::string> before = readall();
    try {
        profile::writestring(file, section, key, value);
    } catch (const vdrerror& e) {
        FUZZ_CHECK(!storable(section, key, value));
        FUZZ_CHECK(e.what() == "Unable to write to " + file);
        FUZZ_CHECK(scratch::get(file) == in);
        return 0;
    }
    FUZZ_CHECK(storable(section, key, value));

    const std::vector<std::string> after = readall();
    std::size_t i = 0;
    for (const std::string& s : sections)
        for (const std::string& k : keys) {
            const bool written = samename(trim(s), trim(section)) && samename(trim(k), trim(key));
            FUZZ_CHECK(after[i] == (written ? std::string(trim(value, " \t")) : before[i]));
            ++i;
        }
    return 0;
}
