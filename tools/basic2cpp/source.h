// Positions in the BASIC source and the one error the translator reports.
#pragma once

#include <stdexcept>
#include <string>

namespace basic {

// Line and column of the text file, both counted from 1; columns count characters, not bytes.
struct position {
    std::string file;
    int line = 0;
    int column = 0;
};

struct translateerror : std::runtime_error {
    translateerror(position p, const std::string& message)
        : std::runtime_error(message), pos(std::move(p)) {}
    position pos;
};

}  // namespace basic
