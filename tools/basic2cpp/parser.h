// Reads a BASIC program line by line, checks it and translates every statement into C++.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "lexer.h"

namespace basic {

struct basicline {
    int number;
    position pos;
    std::vector<std::string> code;  // C++ statements
};

// What the code generator needs besides the lines: the locals to declare and the return ids.
struct program {
    std::vector<basicline> lines;
    std::set<std::string> numvars, strvars;  // C++ names
    int strtemps = 0;                        // hidden strings str1 .. strN
    std::set<int> notelists;                 // lengths of the hidden note arrays
    int fors = 0;                            // loops for1 .. forN, with forlimK and forstepK
    std::vector<int> returnids;              // in source order
    bool returns = false;                    // some RETURN exists
};

class parser {
public:
    // Takes the next text line of the program; line counts the lines of file from 1.
    void line(const std::string& text, const std::string& file, int line);
    // Checks what only the whole program shows (jump targets, unclosed FORs) and hands it over.
    program finish();

private:
    struct value {
        bool string;       // else a number
        std::string code;  // C++ expression
        bool boolean;      // code is a C++ bool (a comparison or logic), not a double
        position pos;
    };
    struct openfor {
        std::string var;
        int id;
        position pos;
        std::size_t lineindex;
    };
    struct jump {
        int target;
        position pos;
        std::size_t lineindex;
    };

    struct nesting;

    const token& peek() const { return toks[at]; }
    token next() { return toks[at < toks.size() - 1 ? at++ : at]; }
    bool accept(tokenkind kind, const char* text);
    void expect(tokenkind kind, const char* text, const char* message);
    bool atstatementend() const;
    void emit(const std::string& code);

    void statements();
    void statement();
    void assignment(const token& name);
    void print();
    void input();
    void play();
    void fornext(const token& keyword);
    void next(const token& keyword);
    void ifthen();
    void jumpto(const std::string& prefix);
    int linenumber(const token& t);

    value expr();
    value orexpr();
    value andexpr();
    value notexpr();
    value comparison();
    value sum();
    value product();
    value unary();
    value primary();
    value function(const token& name);
    std::string number(const value& v);
    std::string condition(const value& v);
    std::string variable(const token& name);
    std::string hiddenstring();

    program prog;
    std::vector<token> toks;
    std::size_t at = 0;
    int gosubs = 0;   // GOSUBs seen so far in the line
    int depth = 0;    // expressions being read, each inside the one before
    std::vector<openfor> fors;
    std::vector<jump> jumps;
};

}  // namespace basic
