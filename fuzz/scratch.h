// A private folder for the targets that read files by name: in /dev/shm when there is one, so
// that the many writes of a fuzzing run cost no disk, and removed when the process ends.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace scratch {

inline const std::string& folder()
{
    static const std::string dir = [] {
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "vandrel-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        static const std::string made = pattern;
        std::atexit([] { std::filesystem::remove_all(made); });
        return pattern;
    }();
    return dir;
}

inline std::string path(const std::string& name)
{
    return folder() + "/" + name;
}

// Replaces the file's content with bytes.
inline void put(const std::string& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::perror(file.c_str());
        std::abort();
    }
}

inline std::string get(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace scratch
