// Code page 1250, the one text encoding inside the program. Conversions happen only at the
// edges: Qt display, the speech engines, files written for people (trace, screen dump).
#pragma once

#include <string>
#include <string_view>

namespace codepage {

char32_t tounicode(unsigned char b);
// The byte for a code point, or -1 when code page 1250 has no such character.
int fromunicode(char32_t c);

// Appends the UTF-8 form of one code point.
void appendutf8(std::string& out, char32_t c);

std::string toutf8(std::string_view cp1250);
// Characters without a byte become '?'; *ok tells whether every character had one.
std::string fromutf8(std::string_view utf8, bool* ok = nullptr);
std::u16string toutf16(std::string_view cp1250);
std::string fromutf16(std::u16string_view utf16);

}  // namespace codepage
