// The command line of the headless driver.
#pragma once

#include <optional>
#include <string>

struct options {
    std::string script;    // --script FILE: play headless with scripted input
    std::string trace;     // --trace FILE
    std::string screen;    // --screen FILE
    std::string settings;  // --settings FILE
    std::string speech = "none";  // --speech none|espeak|speechd
    bool fast = false;     // --fast
    std::optional<int> clock;  // --clock HH:MM:SS, as seconds since midnight
};

// Parses argv; on a bad command line returns nothing and sets error.
std::optional<options> parseoptions(int argc, char** argv, std::string& error);
