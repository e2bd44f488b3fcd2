#include "settingsfile.h"

#include "platform/profile.h"
#include "text/resourcelocalizer.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

std::string settingsfile;

namespace fs = std::filesystem;

std::string defaultsettingsfile(const std::string& executable)
{
    fs::path beside = fs::path(executable).replace_extension(".ini");
    const fs::path folder = beside.parent_path().empty() ? fs::path(".") : beside.parent_path();
    // A folder or an unreadable file in the settings file's place could never hold a setting.
    std::error_code ec;
    const auto kind = fs::status(beside, ec).type();
    const bool usable = kind == fs::file_type::not_found ||
                        (kind == fs::file_type::regular && access(beside.c_str(), R_OK | W_OK) == 0);
    if (usable && access(folder.c_str(), W_OK) == 0)
        return beside.string();
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    fs::path config = xdg && *xdg ? fs::path(xdg) : fs::path(home ? home : ".") / ".config";
    fs::create_directories(config / "vandrel", ec);
    return (config / "vandrel" / "vandrel.ini").string();
}

void loadlanguage()
{
    languagebase = profile::readint(settingsfile, "environment", "language", 1000);
}

void savelanguage()
{
    profile::writeint(settingsfile, "environment", "language", languagebase);
}
