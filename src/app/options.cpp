#include "options.h"

#include <cstdio>

std::optional<options> parseoptions(int argc, char** argv, std::string& error)
{
    options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                error = a + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        if (a == "--script" || a == "--trace" || a == "--screen" || a == "--settings") {
            std::string& into = a == "--script" ? o.script : a == "--trace" ? o.trace
                              : a == "--screen" ? o.screen : o.settings;
            if (!value(into))
                return std::nullopt;
        } else if (a == "--speech") {
            if (!value(o.speech))
                return std::nullopt;
            if (o.speech != "none" && o.speech != "espeak" && o.speech != "speechd") {
                error = "--speech takes none, espeak or speechd";
                return std::nullopt;
            }
        } else if (a == "--fast") {
            o.fast = true;
        } else if (a == "--clock") {
            std::string t;
            if (!value(t))
                return std::nullopt;
            int h = -1, m = -1, s = -1;
            char tail = 0;
            if (t.size() != 8 || std::sscanf(t.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &tail) != 3 ||
                h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) {
                error = "--clock takes HH:MM:SS";
                return std::nullopt;
            }
            o.clock = h * 3600 + m * 60 + s;
        } else {
            error = "unknown argument: " + a;
            return std::nullopt;
        }
    }
    return o;
}
