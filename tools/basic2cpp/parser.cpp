#include "parser.h"

#include <charconv>
#include <cstdint>

namespace basic {
namespace {

std::string doubleliteral(double v)
{
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    std::string s(buf, end);
    if (s.find_first_of(".e") == std::string::npos)
        s += ".0";
    return s;
}

// A C++ literal of exactly these bytes. Octal escapes always take three digits, so a following
// digit cannot join them; a '?' next to another is escaped so that no trigraph appears.
std::string stringliteral(const std::string& bytes)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const bool pairedquestion =
            b == '?' && ((i > 0 && bytes[i - 1] == '?') || (i + 1 < bytes.size() && bytes[i + 1] == '?'));
        if (b == '"' || b == '\\' || pairedquestion) {
            out += '\\';
            out += static_cast<char>(b);
        } else if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
        } else {
            const char esc[] = {'\\', static_cast<char>('0' + (b >> 6)), static_cast<char>('0' + ((b >> 3) & 7)),
                                static_cast<char>('0' + (b & 7))};
            out.append(esc, 4);
        }
    }
    return out + "\"s";
}

std::string comparisonop(const std::string& op)
{
    return op == "=" ? "==" : op == "<>" ? "!=" : op;
}

}  // namespace

bool parser::accept(tokenkind kind, const char* text)
{
    if (!peek().is(kind, text))
        return false;
    next();
    return true;
}

void parser::expect(tokenkind kind, const char* text, const char* message)
{
    if (!accept(kind, text))
        throw translateerror(peek().pos, message);
}

bool parser::atstatementend() const
{
    return peek().kind == tokenkind::end || peek().is(tokenkind::symbol, ":");
}

void parser::emit(const std::string& code)
{
    prog.lines.back().code.push_back(code);
}

void parser::line(const std::string& text, const std::string& file, int line)
{
    toks = lexline(text, file, line);
    at = 0;
    if (peek().kind == tokenkind::end)
        return;
    const token first = next();
    if (first.kind != tokenkind::number)
        throw translateerror(first.pos, "line number expected");
    const int n = linenumber(first);
    if (!prog.lines.empty() && n <= prog.lines.back().number)
        throw translateerror(first.pos, "line number " + first.text + " is not above the line before it, " +
                                            std::to_string(prog.lines.back().number));
    prog.lines.push_back({n, first.pos, {}});
    gosubs = 0;
    statements();
}

int parser::linenumber(const token& t)
{
    if (t.kind != tokenkind::number)
        throw translateerror(t.pos, "line number expected");
    if (t.text.find_first_not_of("0123456789") != std::string::npos || t.value < 1 || t.value > 99999)
        throw translateerror(t.pos, "a line number is a whole number from 1 to 99999");
    return static_cast<int>(t.value);
}

program parser::finish()
{
    // Report whichever of these problems comes first in the source.
    const position* first = nullptr;
    std::string message;
    std::size_t firstline = 0;
    auto consider = [&](const position& pos, std::size_t lineindex, std::string text) {
        if (!first || lineindex < firstline || (lineindex == firstline && pos.column < first->column)) {
            first = &pos;
            firstline = lineindex;
            message = std::move(text);
        }
    };
    std::set<int> numbers;
    for (const basicline& l : prog.lines)
        numbers.insert(l.number);
    for (const jump& j : jumps)
        if (!numbers.count(j.target))
            consider(j.pos, j.lineindex, "line " + std::to_string(j.target) + " does not exist");
    for (const openfor& f : fors)
        consider(f.pos, f.lineindex, "FOR without NEXT");
    if (first)
        throw translateerror(*first, message);
    return std::move(prog);
}

// ---- statements ----

void parser::statements()
{
    while (peek().kind != tokenkind::end) {
        if (accept(tokenkind::symbol, ":"))
            continue;
        statement();
        if (peek().kind != tokenkind::end)
            expect(tokenkind::symbol, ":", "expected ':' or the end of the line");
    }
}

void parser::statement()
{
    token t = next();
    if (t.kind == tokenkind::keyword && t.text == "LET") {
        t = next();
        if (t.kind != tokenkind::name)
            throw translateerror(t.pos, "variable expected");
    }
    if (t.kind == tokenkind::name)
        return assignment(t);
    if (t.kind != tokenkind::keyword)
        throw translateerror(t.pos, "statement expected");

    const std::string& k = t.text;
    if (k == "REM") {
        // the lexer has dropped the comment
    } else if (k == "PRINT") {
        print();
    } else if (k == "INPUT") {
        input();
    } else if (k == "GOTO") {
        jumpto("");
    } else if (k == "GOSUB") {
        const std::int64_t id = 100000LL * ++gosubs + prog.lines.back().number;
        if (id > INT32_MAX)
            throw translateerror(t.pos, "too many GOSUBs in one line");
        prog.returnids.push_back(static_cast<int>(id));
        jumpto("stackpush(" + std::to_string(id) + ", retstack);");
        emit("ret" + std::to_string(id) + ":;");
    } else if (k == "RETURN") {
        prog.returns = true;
        emit("goto dispatch;");
    } else if (k == "IF") {
        ifthen();
    } else if (k == "FOR") {
        fornext(t);
    } else if (k == "NEXT") {
        next(t);
    } else if (k == "END") {
        emit("return;");
    } else if (k == "CLEAR") {
        emit("clearvars();");
    } else if (k == "PLAY") {
        play();
    } else if (k == "PITCH" || k == "CLICK" || k == "PAUSE") {
        const char* fn = k == "PITCH" ? "pitch" : k == "CLICK" ? "click" : "Sleep";
        emit(std::string("vdrcommands::") + fn + "(" + number(expr()) + ");");
    } else if (k == "BEEP") {
        emit("vdrcommands::beep();");
    } else if (k == "POKE") {
        const std::string address = number(expr());
        expect(tokenkind::symbol, ",", "expected ','");
        emit("vdrcommands::poke(" + address + ", " + number(expr()) + ");");
    } else {
        throw translateerror(t.pos, "statement expected");
    }
}

void parser::assignment(const token& name)
{
    const std::string var = variable(name);
    expect(tokenkind::symbol, "=", "expected '='");
    const bool string = name.text.back() == '$';
    if (string && accept(tokenkind::keyword, "INKEY$")) {
        emit("vdrcommands::inkey(" + var + ");");
        return;
    }
    const value v = expr();
    if (string && !v.string)
        throw translateerror(v.pos, "type mismatch: expected a string");
    emit(var + " = " + (string ? v.code : number(v)) + ";");
}

// Jumps to the line number that follows, after the optional code before the jump.
void parser::jumpto(const std::string& before)
{
    const token t = next();
    const int target = linenumber(t);
    jumps.push_back({target, t.pos, prog.lines.size() - 1});
    if (!before.empty())
        emit(before);
    emit("goto line" + std::to_string(target) + ";");
}

void parser::print()
{
    if (atstatementend()) {
        emit("vdrcommands::print(std::string(), 0);");
        return;
    }
    while (true) {
        const value v = expr();
        if (!v.string)
            throw translateerror(v.pos, "type mismatch: expected a string");
        const int mode = accept(tokenkind::symbol, ";") ? 1 : accept(tokenkind::symbol, ",") ? 2 : 0;
        emit("vdrcommands::print(" + v.code + ", " + std::to_string(mode) + ");");
        if (atstatementend())
            return;
        if (mode == 0)
            throw translateerror(peek().pos, "expected ';', ',' or the end of the statement");
    }
}

void parser::input()
{
    int mode = 0;  // a fresh entry for the first variable, the rest of it for the others
    do {
        const token t = next();
        if (t.kind != tokenkind::name || t.text.back() != '$')
            throw translateerror(t.pos, "string variable expected");
        emit("vdrcommands::input(" + variable(t) + ", " + std::to_string(mode) + ");");
        mode = 1;
    } while (accept(tokenkind::symbol, ","));
}

void parser::play()
{
    const position start = peek().pos;
    std::vector<std::string> notes;
    do
        notes.push_back(number(expr()));
    while (accept(tokenkind::symbol, ","));
    if (notes.size() > 255)
        throw translateerror(start, "PLAY takes at most 255 notes");
    expect(tokenkind::symbol, ";", "expected ';' before the duration");
    const std::string duration = number(expr());
    expect(tokenkind::symbol, ";", "expected ';' before the octave");
    const std::string octave = number(expr());

    const std::string list = "notes" + std::to_string(notes.size());
    prog.notelists.insert(static_cast<int>(notes.size()));
    for (std::size_t i = 0; i < notes.size(); ++i)
        emit(list + "[" + std::to_string(i) + "] = " + notes[i] + ";");
    emit("vdrcommands::play(" + list + ", " + std::to_string(notes.size()) + ", " + duration + ", " + octave +
         ");");
}

void parser::fornext(const token& keyword)
{
    const token name = next();
    if (name.kind != tokenkind::name || name.text.back() == '$')
        throw translateerror(name.pos, "numeric variable expected");
    const std::string var = variable(name);
    expect(tokenkind::symbol, "=", "expected '='");
    const std::string start = number(expr());
    expect(tokenkind::keyword, "TO", "expected TO");
    const std::string limit = number(expr());
    const std::string step = accept(tokenkind::keyword, "STEP") ? number(expr()) : "1.0";

    const std::string id = std::to_string(++prog.fors);
    emit(var + " = " + start + ";");
    emit("forlim" + id + " = " + limit + ";");
    emit("forstep" + id + " = " + step + ";");
    emit("for" + id + ":;");
    fors.push_back({name.text, prog.fors, keyword.pos, prog.lines.size() - 1});
}

void parser::next(const token& keyword)
{
    if (fors.empty())
        throw translateerror(keyword.pos, "NEXT without FOR");
    const openfor f = fors.back();
    if (peek().kind == tokenkind::name && peek().text != f.var)
        throw translateerror(peek().pos, "NEXT " + peek().text + " does not match FOR " + f.var);
    if (peek().kind == tokenkind::name)
        next();
    fors.pop_back();

    // A step of 0 ends the loop after one pass instead of looping for ever.
    const std::string var = "n_" + f.var, id = std::to_string(f.id);
    emit(var + " += forstep" + id + ";");
    emit("if ((forstep" + id + " > 0 && " + var + " <= forlim" + id + ") || (forstep" + id + " < 0 && " + var +
         " >= forlim" + id + ")) goto for" + id + ";");
}

// Everything after THEN, up to the end of the line, runs only when the condition holds.
void parser::ifthen()
{
    const value c = expr();
    const std::string test = condition(c);
    const bool gotokeyword = accept(tokenkind::keyword, "GOTO");
    if (!gotokeyword)
        expect(tokenkind::keyword, "THEN", "expected THEN or GOTO");
    if (peek().kind == tokenkind::end)
        throw translateerror(peek().pos, "statement expected");

    emit("if " + test + " {");
    if (gotokeyword || peek().kind == tokenkind::number) {
        jumpto("");
        if (peek().kind != tokenkind::end)
            expect(tokenkind::symbol, ":", "expected ':' or the end of the line");
    }
    statements();
    emit("}");
}

// ---- expressions, from the loosest binding to the tightest ----

// Expressions are read by recursion: one nested deeper than this is an error, so that no source
// can exhaust the translator's stack.
constexpr int maxdepth = 256;

struct parser::nesting {
    explicit nesting(parser& p) : p(p)
    {
        if (++p.depth > maxdepth) {
            --p.depth;
            throw translateerror(p.peek().pos, "expression nested too deeply");
        }
    }
    ~nesting() { --p.depth; }
    parser& p;
};

parser::value parser::expr()
{
    const nesting n(*this);
    return orexpr();
}

parser::value parser::orexpr()
{
    value l = andexpr();
    while (accept(tokenkind::keyword, "OR")) {
        const value r = andexpr();
        l = {false, "(" + condition(l) + " || " + condition(r) + ")", true, l.pos};
    }
    return l;
}

parser::value parser::andexpr()
{
    value l = notexpr();
    while (accept(tokenkind::keyword, "AND")) {
        const value r = notexpr();
        l = {false, "(" + condition(l) + " && " + condition(r) + ")", true, l.pos};
    }
    return l;
}

parser::value parser::notexpr()
{
    if (peek().is(tokenkind::keyword, "NOT")) {
        const nesting n(*this);
        const position pos = next().pos;
        return {false, "(!" + condition(notexpr()) + ")", true, pos};
    }
    return comparison();
}

parser::value parser::comparison()
{
    const value l = sum();
    const std::string op = peek().kind == tokenkind::symbol ? peek().text : "";
    if (op != "=" && op != "<>" && op != "<" && op != ">" && op != "<=" && op != ">=")
        return l;
    next();
    const value r = sum();
    if (r.string != l.string)
        throw translateerror(r.pos, l.string ? "type mismatch: expected a string" : "type mismatch: expected a number");
    // std::string compares as unsigned bytes, which is the order of code page 1250.
    const std::string lc = l.string ? l.code : number(l), rc = r.string ? r.code : number(r);
    return {false, "(" + lc + " " + comparisonop(op) + " " + rc + ")", true, l.pos};
}

parser::value parser::sum()
{
    value l = product();
    while (peek().is(tokenkind::symbol, "+") || peek().is(tokenkind::symbol, "-")) {
        const bool plus = next().text == "+";
        if (!plus && l.string)
            throw translateerror(l.pos, "type mismatch: expected a number");
        const value r = product();
        if (r.string != l.string)
            throw translateerror(r.pos, l.string ? "type mismatch: expected a string"
                                                 : "type mismatch: expected a number");
        const std::string lc = l.string ? l.code : number(l), rc = r.string ? r.code : number(r);
        l = {l.string, "(" + lc + (plus ? " + " : " - ") + rc + ")", false, l.pos};
    }
    return l;
}

parser::value parser::product()
{
    value l = unary();
    while (peek().is(tokenkind::symbol, "*") || peek().is(tokenkind::symbol, "/")) {
        const std::string op = next().text;
        const value r = unary();
        l = {false, "(" + number(l) + " " + op + " " + number(r) + ")", false, l.pos};
    }
    return l;
}

parser::value parser::unary()
{
    if (peek().is(tokenkind::symbol, "-")) {
        const nesting n(*this);
        const position pos = next().pos;
        return {false, "(-" + number(unary()) + ")", false, pos};
    }
    return primary();
}

parser::value parser::primary()
{
    const token t = next();
    switch (t.kind) {
    case tokenkind::number:
        return {false, doubleliteral(t.value), false, t.pos};
    case tokenkind::string:
        return {true, stringliteral(t.text), false, t.pos};
    case tokenkind::name:
        return {t.text.back() == '$', variable(t), false, t.pos};
    case tokenkind::keyword:
        return function(t);
    case tokenkind::symbol:
        if (t.text == "(") {
            value v = expr();
            expect(tokenkind::symbol, ")", "expected ')'");
            v.pos = t.pos;
            return v;
        }
        break;
    case tokenkind::end:
        break;
    }
    throw translateerror(t.pos, "expression expected");
}

parser::value parser::function(const token& name)
{
    const std::string& k = name.text;
    if (k == "TIME$") {
        const std::string dest = hiddenstring();
        return {true, "(vdrcommands::timestr(" + dest + "), " + dest + ")", false, name.pos};
    }
    if (k == "INKEY$")
        throw translateerror(name.pos, "INKEY$ can only be assigned on its own, as in k$ = INKEY$");
    if (k != "PEEK" && k != "VAL" && k != "CHR$" && k != "LEFT$")
        throw translateerror(name.pos, "expression expected");

    expect(tokenkind::symbol, "(", "expected '('");
    const value arg = expr();
    const bool wantstring = k == "VAL" || k == "LEFT$";
    if (arg.string != wantstring)
        throw translateerror(arg.pos, wantstring ? "type mismatch: expected a string"
                                                 : "type mismatch: expected a number");
    value result;
    if (k == "PEEK") {
        result = {false, "static_cast<double>(vdrcommands::peek(" + arg.code + "))", false, name.pos};
    } else if (k == "VAL") {
        result = {false, "vdrcommands::val(" + arg.code + ")", false, name.pos};
    } else if (k == "CHR$") {
        const std::string dest = hiddenstring();
        result = {true, "(vdrcommands::chrstr(" + dest + ", " + number(arg) + "), " + dest + ")", false, name.pos};
    } else {
        expect(tokenkind::symbol, ",", "expected ','");
        const std::string count = number(expr());
        const std::string dest = hiddenstring();
        result = {true, "(vdrcommands::leftstr(" + arg.code + ", " + dest + ", " + count + "), " + dest + ")", false,
                  name.pos};
    }
    expect(tokenkind::symbol, ")", "expected ')'");
    return result;
}

// The value as a C++ double; a comparison or logic gives -1 for true and 0 for false.
std::string parser::number(const value& v)
{
    if (v.string)
        throw translateerror(v.pos, "type mismatch: expected a number");
    return v.boolean ? "(" + v.code + " ? -1.0 : 0.0)" : v.code;
}

// The value as a C++ bool: a number holds when it is not 0.
std::string parser::condition(const value& v)
{
    if (v.string)
        throw translateerror(v.pos, "type mismatch: expected a number");
    return v.boolean ? v.code : "(" + v.code + " != 0)";
}

std::string parser::variable(const token& name)
{
    if (name.text.back() == '$') {
        const std::string var = "s_" + name.text.substr(0, name.text.size() - 1);
        prog.strvars.insert(var);
        return var;
    }
    const std::string var = "n_" + name.text;
    prog.numvars.insert(var);
    return var;
}

std::string parser::hiddenstring()
{
    return "str" + std::to_string(++prog.strtemps);
}

}  // namespace basic
