// VAL against a model of its rules. With a "%" in the text, every "%" reads as "$" and the text
// must be blanks, a sign, "$" and hexadecimal digits worth at most 32 bits (taken as a signed
// 32-bit integer), else the run ends with a conversion error. Without one, the text is blanks, a
// sign, digits with a fraction and an exponent, and nothing else, or the value is 0.
#include "check.h"

#include "platform/codepage.h"
#include "platform/errors.h"
#include "runtime/vdrcommands.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

std::string_view unsign(std::string_view& s)
{
    const auto blanks = s.find_first_not_of(' ');
    s.remove_prefix(blanks == std::string_view::npos ? s.size() : blanks);
    std::string_view sign;
    if (s.starts_with('+') || s.starts_with('-')) {
        sign = s.substr(0, 1);
        s.remove_prefix(1);
    }
    return sign;
}

std::optional<double> hex(std::string_view s)
{
    const bool negative = unsign(s) == "-";
    if (!s.starts_with('$') || s.size() == 1)
        return std::nullopt;
    s.remove_prefix(1);
    std::uint64_t v = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
    if (error != std::errc() || end != s.data() + s.size() || v > 0xFFFFFFFFu)
        return std::nullopt;
    const double n = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return negative ? -n : n;
}

// The decimal's value, or nothing when the text is not of the form.
std::optional<double> decimal(std::string_view s, bool& outofrange)
{
    const bool negative = unsign(s) == "-";
    std::size_t i = 0, digits = 0;
    for (; i < s.size() && digit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && digit(s[i]); ++i)
            ++digits;
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        if (++i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t from = i;
        while (i < s.size() && digit(s[i]))
            ++i;
        if (i == from)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    double v = 0;
    outofrange = std::from_chars(s.data(), s.data() + s.size(), v).ec == std::errc::result_out_of_range;
    return negative ? -v : v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    double got = 0;
    std::optional<std::string> error;
    try {
        got = vdrcommands::val(text);
    } catch (const vdrerror& e) {
        error = e.what();
    }

    if (text.find('%') != std::string::npos) {
        std::string dollars = text;
        for (char& c : dollars)
            if (c == '%')
                c = '$';
        const auto want = hex(dollars);
        if (want)
            FUZZ_CHECK(!error && got == *want);
        else
            // what() is a C string: a text with a NUL byte shows up to the NUL.
            FUZZ_CHECK(error && *error == ("'" + codepage::toutf8(dollars) + "' is not a valid integer value").c_str());
        return 0;
    }
    FUZZ_CHECK(!error);
    bool outofrange = false;
    const auto want = decimal(text, outofrange);
    if (!want)
        FUZZ_CHECK(got == 0 && !std::signbit(got));
    else if (outofrange)
        // Too large is infinite, too small is a value next to 0.
        FUZZ_CHECK(std::isinf(got) || std::fabs(got) < 1e-300);
    else
        FUZZ_CHECK(got == *want && std::signbit(got) == std::signbit(*want));
    return 0;
}
