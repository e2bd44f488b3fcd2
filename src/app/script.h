// The script of the headless driver: one action per line.
#pragma once

#include <string>
#include <vector>

struct scriptaction {
    enum kind { type, close, key, press, dialog, chord, start, idle } what;
    std::string arg;  // UTF-8: the text, key, or dots
    int ms = 0;       // idle
    int line = 0;
};

// Reads a script; on a bad line returns false and sets error to "FILE:LINE: message".
bool readscript(const std::string& path, std::vector<scriptaction>& actions, std::string& error);
// Whether K names a key the driver can press ("a", "ř", "Enter", "Ctrl+B", "Shift+F10", ...).
bool validkey(const std::string& k);
// Whether DOTS is "space" or a sequence of the digits 1 to 6.
bool validchord(const std::string& dots);
