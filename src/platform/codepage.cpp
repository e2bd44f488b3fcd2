#include "codepage.h"

#include <array>

namespace codepage {
namespace {

// Unicode code points of the bytes 0x80 to 0xFF; the five unassigned bytes map to the C1
// control characters of the same value so that every byte survives a round trip.
constexpr std::array<char16_t, 128> high = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

}  // namespace

void appendutf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {

// Decodes one UTF-8 sequence at s[i]; a malformed one yields U+FFFD and consumes one byte.
char32_t nextutf8(std::string_view s, std::size_t& i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k < len; ++k) {
        const auto t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (t & 0x3F);
    }
    i += len;
    return c;
}

}  // namespace

char32_t tounicode(unsigned char b)
{
    return b < 0x80 ? b : high[b - 0x80];
}

int fromunicode(char32_t c)
{
    if (c < 0x80)
        return static_cast<int>(c);
    for (int k = 0; k < 128; ++k)
        if (high[k] == c)
            return 0x80 + k;
    return -1;
}

std::string toutf8(std::string_view cp1250)
{
    std::string out;
    out.reserve(cp1250.size() * 2);
    for (char ch : cp1250)
        appendutf8(out, tounicode(static_cast<unsigned char>(ch)));
    return out;
}

std::string fromutf8(std::string_view utf8, bool* ok)
{
    std::string out;
    out.reserve(utf8.size());
    bool all = true;
    for (std::size_t i = 0; i < utf8.size();) {
        const int b = fromunicode(nextutf8(utf8, i));
        if (b < 0)
            all = false;
        out += static_cast<char>(b < 0 ? '?' : b);
    }
    if (ok)
        *ok = all;
    return out;
}

std::u16string toutf16(std::string_view cp1250)
{
    std::u16string out;
    out.reserve(cp1250.size());
    for (char ch : cp1250)
        out += static_cast<char16_t>(tounicode(static_cast<unsigned char>(ch)));
    return out;
}

std::string fromutf16(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (char16_t c : utf16) {
        const int b = fromunicode(c);
        out += static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

}  // namespace codepage
