#include "vdrcommands.h"

#include "input.h"
#include "screen.h"
#include "sound.h"

#include "platform/hexdigit.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/trace.h"
#include "speech/service.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vdrcommands {
namespace {

std::int64_t truncated(double v)
{
    const double t = std::trunc(v);
    if (!std::isfinite(t))
        return 0;
    return static_cast<std::int64_t>(std::fmod(t, 18446744073709551616.0));
}

bool isdigit(char c) { return c >= '0' && c <= '9'; }

// Leading blanks, an optional sign, "$" and hexadecimal digits that fit in 32 bits.
bool readhex(const std::string& s, double& result)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    if (i >= s.size() || s[i] != '$')
        return false;
    ++i;
    if (i >= s.size())
        return false;
    std::uint64_t v = 0;
    for (; i < s.size(); ++i) {
        const int d = hexdigit(s[i]);
        if (d < 0)
            return false;
        v = v * 16 + d;
        if (v > 0xFFFFFFFFu)
            return false;
    }
    const auto as32 = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    result = negative ? -static_cast<double>(as32) : static_cast<double>(as32);
    return true;
}

// Leading blanks, an optional sign, digits with an optional fraction, an optional exponent.
bool readdecimal(const std::string& s, double& result)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    const std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < s.size() && isdigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isdigit(s[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expdigits = 0;
        for (; i < s.size() && isdigit(s[i]); ++i)
            ++expdigits;
        if (expdigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    result = std::strtod(s.substr(start).c_str(), nullptr);
    return true;
}

}  // namespace

void timestr(std::string& dest)
{
    const auto t = vclock::now();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d %02d %02d ", t.hour, t.minute, t.second);
    dest = buf;
}

void pitch(double n)
{
    trace::pitch(n);
    if (!voiceready)
        return;
    if (n > 100)
        n = 100;
    // n has no lower bound: a value far below it gives a tag that the engine clamps, never an
    // integer overflow.
    const double t = std::trunc(100 - n);
    const long long v = std::isnan(t) ? 0 : static_cast<long long>(std::min(t, 1e15));
    if (usesapi5)
        return;
    injectpitch(v);
}

void leftstr(const std::string& text, std::string& dest, double count)
{
    const double n = std::trunc(count);
    if (!(n > 0))
        dest.clear();
    else if (n >= static_cast<double>(text.size()))
        dest = text;
    else
        dest = text.substr(0, static_cast<std::size_t>(n));
}

double val(const std::string& text)
{
    if (text.find('%') != std::string::npos) {
        std::string s = text;
        for (char& c : s)
            if (c == '%')
                c = '$';
        double result = 0;
        if (!readhex(s, result))
            throw vdrerror("'" + codepage::toutf8(s) + "' is not a valid integer value");
        return result;
    }
    double result = 0;
    return readdecimal(text, result) ? result : 0.0;
}

void chrstr(std::string& dest, double code)
{
    dest.assign(1, static_cast<char>(static_cast<std::uint64_t>(truncated(code)) & 0xFF));
}

void Sleep(double ms)
{
    messages::checkend();
    trace::sleep(ms);
    const double t = std::trunc(ms);
    vclock::sleep(t > 0 && t < 2147483647.0 ? static_cast<int>(t) : 0);
}

void runinit()
{
    pendinginput.clear();
    lastoctave = 1;
    lastduration = 1;
    scrcursor.setcolumn(0);
}

}  // namespace vdrcommands
