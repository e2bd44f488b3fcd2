// Our code page 1250 tables against glibc's.
#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace {

// glibc's conversion of text; false where glibc has no mapping.
bool iconvconvert(const char* to, const char* from, const std::string& in, std::string& out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string src = in;
    char buffer[64];
    char* inp = src.data();
    std::size_t inleft = src.size();
    char* outp = buffer;
    std::size_t outleft = sizeof buffer;
    const bool ok = iconv(cd, &inp, &inleft, &outp, &outleft) != static_cast<std::size_t>(-1)
                    && inleft == 0;
    iconv_close(cd);
    out.assign(buffer, static_cast<std::size_t>(outp - buffer));
    return ok;
}

TEST(Codepage, EveryByteMatchesGlibc)
{
    int defined = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        std::string utf8;
        if (!iconvconvert("UTF-8", "CP1250", byte, utf8))
            continue;
        ++defined;
        EXPECT_EQ(codepage::toutf8(byte), utf8) << "byte " << b;
        bool ok = false;
        EXPECT_EQ(codepage::fromutf8(utf8, &ok), byte) << "byte " << b;
        EXPECT_TRUE(ok) << "byte " << b;
    }
    // glibc leaves 0x81, 0x83, 0x88, 0x90 and 0x98 undefined.
    EXPECT_EQ(defined, 251);
}

TEST(Codepage, AllBytesSurviveARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    bool ok = false;
    EXPECT_EQ(codepage::fromutf8(codepage::toutf8(all), &ok), all);
    EXPECT_TRUE(ok);
    EXPECT_EQ(codepage::fromutf16(codepage::toutf16(all)), all);
}

}  // namespace
