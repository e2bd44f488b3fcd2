// Runs the real vandrel executable headless on a script, in a fresh copy of its run folder, and
// gives back its exit status, trace and screen.
#pragma once

#include <map>
#include <string>
#include <vector>

// One trace event: its fields as raw JSON values (strings unquoted and unescaped).
struct traceevent {
    std::map<std::string, std::string> fields;
    const std::string& operator[](const std::string& k) const;
    std::string event() const { return (*this)["event"]; }
};

struct headlessrun {
    int status = -1;
    std::vector<traceevent> trace;
    std::vector<std::string> screen;
    std::string folder;  // the run folder, kept until the next run of the same fixture
    std::string stderrtext;

    // The texts of every print event, in order.
    std::vector<std::string> prints() const;
};

struct headlessoptions {
    std::vector<std::string> args = {"--fast"};
    // Files to put into the run folder before starting (name -> content).
    std::map<std::string, std::string> files;
    // Files of the run folder to leave out (e.g. "sounds.dat"), and folders to make in it.
    std::vector<std::string> without, folders;
    int timeoutms = 120000;
};

headlessrun runheadless(const std::string& script, const headlessoptions& options = {});
