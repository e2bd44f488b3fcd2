// The BASIC translator's front end and code generator on arbitrary source: the result is either a
// translation with a label for every line, or a translateerror at a place inside the source.
// Nothing else may escape, and nothing may crash.
#include "check.h"

#include "codegen.h"
#include "parser.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Lines as basic2cpp reads a file: split at LF, a CR before it dropped, a byte-order mark
    // before the first line skipped.
    std::vector<std::string> lines;
    for (std::string_view rest(reinterpret_cast<const char*>(data), size); !rest.empty();) {
        const auto nl = rest.find('\n');
        std::string line(rest.substr(0, nl));
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
        if (line.ends_with('\r'))
            line.pop_back();
        if (lines.empty() && line.starts_with("\xEF\xBB\xBF"))
            line.erase(0, 3);
        lines.push_back(std::move(line));
    }

    basic::parser parser;
    try {
        for (std::size_t i = 0; i < lines.size(); ++i)
            parser.line(lines[i], "fuzz.bas", static_cast<int>(i + 1));
        const basic::program prog = parser.finish();
        const std::string code = basic::generate(prog, "runprog", {"fuzz.bas"}, "fuzz.cpp");
        FUZZ_CHECK(code.find("void runprog()") != std::string::npos);
        for (const basic::basicline& l : prog.lines)
            FUZZ_CHECK(code.find("line" + std::to_string(l.number) + ":;") != std::string::npos);
    } catch (const basic::translateerror& e) {
        FUZZ_CHECK(e.pos.file == "fuzz.bas");
        FUZZ_CHECK(e.pos.line >= 1 && static_cast<std::size_t>(e.pos.line) <= lines.size());
        // Columns count characters, so they never pass the line's bytes (plus the end).
        FUZZ_CHECK(e.pos.column >= 1 && static_cast<std::size_t>(e.pos.column) <= lines[e.pos.line - 1].size() + 1);
        FUZZ_CHECK(*e.what() != '\0');
    }
    return 0;
}
