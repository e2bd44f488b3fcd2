// Captures the trace of a test into a temporary file and reads it back as lines.
#pragma once

#include "platform/trace.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <string>
#include <vector>

class tracefile {
public:
    tracefile()
        : path((std::filesystem::temp_directory_path() / ("vandrel-trace-" + std::to_string(getpid()))).string())
    {
        trace::open(path);
    }
    ~tracefile()
    {
        trace::close();
        std::remove(path.c_str());
    }
    std::vector<std::string> lines()
    {
        trace::close();
        std::vector<std::string> out;
        std::ifstream in(path);
        for (std::string l; std::getline(in, l);)
            out.push_back(l);
        trace::open(path + ".more");
        std::remove((path + ".more").c_str());
        return out;
    }

private:
    std::string path;
};
