#include "codegen.h"

namespace basic {
namespace {

std::string quoted(const std::string& path)
{
    std::string out = "\"";
    for (char c : path) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string generate(const program& prog, const std::string& function, const std::vector<std::string>& sources,
                     const std::string& output)
{
    std::vector<std::string> out;
    auto add = [&](const std::string& s) { out.push_back(s); };

    std::string from;
    for (const std::string& s : sources)
        from += " " + s;
    add("// Translated by basic2cpp from" + from + "; edit the BASIC source, not this file.");
    add("#include <string>");
    add("");
    add("#include \"runtime/stack.h\"");
    add("#include \"runtime/vdrcommands.h\"");
    add("");
    add("// Every BASIC line has a label, and most lines are never jumped to.");
    add("#pragma GCC diagnostic ignored \"-Wunused-label\"");
    add("");
    add("void " + function + "()");
    add("{");
    add("    using namespace std::string_literals;");
    for (const std::string& v : prog.numvars)
        add("    double " + v + " = 0;");
    for (const std::string& v : prog.strvars)
        add("    std::string " + v + ";");
    for (int i = 1; i <= prog.strtemps; ++i)
        add("    std::string str" + std::to_string(i) + ";");
    for (int n : prog.notelists)
        add("    double notes" + std::to_string(n) + "[" + std::to_string(n) + "] = {};");
    for (int i = 1; i <= prog.fors; ++i)
        add("    double forlim" + std::to_string(i) + " = 0, forstep" + std::to_string(i) + " = 0;");
    add("");
    add("    // The variables of the program only: the return stack and the hidden values stay.");
    add("    auto clearvars = [&] {");
    for (const std::string& v : prog.numvars)
        add("        " + v + " = 0;");
    for (const std::string& v : prog.strvars)
        add("        " + v + ".clear();");
    add("    };");
    add("");
    add("    stackclear(retstack);");
    add("    clearvars();");

    // One C++ line per BASIC line, marked with the place of the BASIC line for compiler messages and
    // debuggers; a #line is needed only where the source lines do not follow one another.
    const position* last = nullptr;
    for (const basicline& l : prog.lines) {
        if (!last || last->file != l.pos.file || last->line + 1 != l.pos.line)
            add("#line " + std::to_string(l.pos.line) + " " + quoted(l.pos.file));
        last = &l.pos;
        std::string code = "line" + std::to_string(l.number) + ":;";
        for (const std::string& statement : l.code)
            code += " " + statement;
        add(code);
    }
    // The generated file by its name alone, so that it reads the same on every machine.
    add("#line " + std::to_string(out.size() + 2) + " " + quoted(output.substr(output.rfind('/') + 1)));
    add("    return;");

    if (prog.returns) {
        add("dispatch:");
        add("    if (!retstack)");
        add("        return;  // RETURN without a pending GOSUB ends the program");
        add("    stackpop(retid, retstack);");
        if (!prog.returnids.empty()) {
            add("    switch (retid) {");
            for (int id : prog.returnids)
                add("    case " + std::to_string(id) + ": goto ret" + std::to_string(id) + ";");
            add("    }");
        }
        add("    // An id that no GOSUB of this program pushed ends the program.");
    }
    add("}");

    std::string text;
    for (const std::string& s : out)
        text += s + "\n";
    return text;
}

}  // namespace basic
