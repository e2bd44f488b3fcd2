// Lays out a translated program as one C++ function.
#pragma once

#include <string>
#include <vector>

#include "parser.h"

namespace basic {

// The whole C++ file; sources name the BASIC files, output the file being written (for #line).
std::string generate(const program& prog, const std::string& function, const std::vector<std::string>& sources,
                     const std::string& output);

}  // namespace basic
