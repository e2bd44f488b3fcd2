// Splits one line of BASIC source into tokens.
#pragma once

#include <string>
#include <vector>

#include "source.h"

namespace basic {

enum class tokenkind {
    number,   // text: the literal as written; value: its value
    string,   // text: the literal's characters in code page 1250
    name,     // text: the variable name in lower case, with its '$' for strings
    keyword,  // text: the keyword in upper case; after REM the rest of the line is skipped
    symbol,   // text: one of ( ) , ; : = <> < > <= >= + - * /
    end,      // end of the line
};

struct token {
    tokenkind kind;
    std::string text;
    double value = 0;
    position pos;

    bool is(tokenkind k, const char* t) const { return kind == k && text == t; }
};

// text is one line of UTF-8 without its line break; the result always ends with an end token.
std::vector<token> lexline(const std::string& text, const std::string& file, int line);

}  // namespace basic
