// basic2cpp: translates a line-numbered BASIC program into one C++ function.
// Usage: basic2cpp [--name FUNC] -o OUT.cpp FILE.bas [FILE.bas ...]

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "codegen.h"
#include "parser.h"

namespace {

int usage(const char* why)
{
    std::cerr << "basic2cpp: " << why << "\nusage: basic2cpp [--name FUNC] -o OUT.cpp FILE.bas [FILE.bas ...]\n";
    return 2;
}

bool identifier(const std::string& s)
{
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0])))
        return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string function = "runprog", output;
    std::vector<std::string> sources;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--name" || arg == "-o") && i + 1 < argc)
            (arg == "-o" ? output : function) = argv[++i];
        else if (arg.size() > 1 && arg[0] == '-')
            return usage(("unknown option " + arg).c_str());
        else
            sources.push_back(arg);
    }
    if (output.empty() || sources.empty())
        return usage("an output file and at least one source file are needed");
    if (!identifier(function))
        return usage("the function name must be a C++ identifier");

    // A failed translation leaves no output behind, so a build never links an older program.
    std::remove(output.c_str());
    try {
        basic::parser parser;
        for (const std::string& file : sources) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::cerr << file << ": cannot open the file\n";
                return 1;
            }
            std::string text;
            for (int line = 1; std::getline(in, text); ++line) {
                if (!text.empty() && text.back() == '\r')
                    text.pop_back();
                if (line == 1 && text.rfind("\xEF\xBB\xBF", 0) == 0)
                    text.erase(0, 3);
                parser.line(text, file, line);
            }
        }
        const std::string code = basic::generate(parser.finish(), function, sources, output);
        std::ofstream out(output, std::ios::binary);
        if (!(out << code) || !out.flush()) {
            std::cerr << output << ": cannot write the file\n";
            std::remove(output.c_str());
            return 1;
        }
    } catch (const basic::translateerror& e) {
        std::cerr << e.pos.file << ":" << e.pos.line << ":" << e.pos.column << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
