#include "lexer.h"

#include <array>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "platform/codepage.h"

namespace basic {
namespace {

constexpr std::array keywords = {
    "AND",   "BEEP",  "CHR$",  "CLEAR", "CLICK", "END",   "FOR",    "GOSUB", "GOTO",
    "IF",    "INKEY$", "INPUT", "LEFT$", "LET",   "NEXT",  "NOT",    "OR",    "PAUSE",
    "PEEK",  "PITCH", "PLAY",  "POKE",  "PRINT", "REM",   "RETURN", "STEP",  "THEN",
    "TIME$", "TO",    "VAL",
};

bool isletter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isdigit(char32_t c) { return c >= '0' && c <= '9'; }

std::string describe(char32_t c)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    if (c < 0x20 || c == 0x7F)
        return code;
    std::string out = "'";
    codepage::appendutf8(out, c);
    return out + "' (" + code + ")";
}

// The line as code points, so that columns count characters. Malformed UTF-8 is an error.
std::u32string decode(const std::string& text, const std::string& file, int line)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t c = len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool ok = len > 0 && i + len <= text.size();
        if (len == 1)
            c = b;
        for (int k = 1; ok && k < len; ++k) {
            const auto t = static_cast<unsigned char>(text[i + k]);
            ok = (t & 0xC0) == 0x80;
            c = (c << 6) | (t & 0x3F);
        }
        constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!ok || c < least[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            throw translateerror({file, line, static_cast<int>(out.size()) + 1}, "malformed UTF-8");
        out += c;
        i += len;
    }
    return out;
}

}  // namespace

std::vector<token> lexline(const std::string& text, const std::string& file, int line)
{
    const std::u32string s = decode(text, file, line);
    std::vector<token> out;
    std::size_t i = 0;
    auto at = [&](std::size_t k) { return k < s.size() ? s[k] : U'\0'; };
    auto pos = [&](std::size_t k) { return position{file, line, static_cast<int>(k) + 1}; };

    while (true) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        if (i >= s.size())
            break;
        const std::size_t start = i;
        const char32_t c = s[i];

        if (isdigit(c) || (c == '.' && isdigit(at(i + 1)))) {
            std::string digits;
            while (isdigit(at(i)) || at(i) == '.') {
                if (at(i) == '.' && digits.find('.') != std::string::npos)
                    break;
                digits += static_cast<char>(s[i++]);
            }
            const char32_t e = at(i);
            const std::size_t sign = (at(i + 1) == '+' || at(i + 1) == '-') ? 1 : 0;
            if ((e == 'e' || e == 'E') && isdigit(at(i + 1 + sign))) {
                for (std::size_t k = 0; k < 1 + sign; ++k)
                    digits += static_cast<char>(s[i++]);
                while (isdigit(at(i)))
                    digits += static_cast<char>(s[i++]);
            }
            double value = 0;
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (!std::isfinite(value))
                throw translateerror(pos(start), "number out of range: " + digits);
            out.push_back({tokenkind::number, digits, value, pos(start)});
        } else if (c == '"') {
            std::string bytes;
            for (++i; at(i) != '"'; ++i) {
                if (i >= s.size())
                    throw translateerror(pos(start), "unterminated string");
                const int b = codepage::fromunicode(s[i]);
                if (b < 0)
                    throw translateerror(pos(i), "character " + describe(s[i]) + " is not in code page 1250");
                bytes += static_cast<char>(b);
            }
            ++i;
            out.push_back({tokenkind::string, bytes, 0, pos(start)});
        } else if (isletter(c)) {
            std::string word;
            while (isletter(at(i)) || isdigit(at(i)) || at(i) == '_')
                word += static_cast<char>(s[i++]);
            if (at(i) == '$')
                word += static_cast<char>(s[i++]);
            std::string upper = word, lower = word;
            for (std::size_t k = 0; k < word.size(); ++k) {
                upper[k] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[k])));
                lower[k] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[k])));
            }
            bool keyword = false;
            for (const char* k : keywords)
                keyword = keyword || upper == k;
            out.push_back({keyword ? tokenkind::keyword : tokenkind::name, keyword ? upper : lower, 0,
                           pos(start)});
            if (keyword && upper == "REM")
                i = s.size();  // the comment runs to the end of the line
        } else {
            if (c >= 0x80 || std::string_view("(),;:=<>+-*/").find(static_cast<char>(c)) == std::string_view::npos)
                throw translateerror(pos(start), "unexpected character " + describe(c));
            std::string sym(1, static_cast<char>(c));
            if ((c == '<' && (at(i + 1) == '>' || at(i + 1) == '=')) || (c == '>' && at(i + 1) == '='))
                sym += static_cast<char>(s[i + 1]);
            i += sym.size();
            out.push_back({tokenkind::symbol, sym, 0, pos(start)});
        }
    }
    out.push_back({tokenkind::end, "", 0, pos(s.size())});
    return out;
}

}  // namespace basic
