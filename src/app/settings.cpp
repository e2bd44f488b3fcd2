#include "settings.h"

#include "input/braille.h"

#include "platform/profile.h"
#include "review/resourcelocalizer.h"
#include "runtime/sound.h"
#include "speech/service.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

std::string settingsfile;

namespace fs = std::filesystem;

std::string defaultsettingsfile(const std::string& executable)
{
    fs::path beside = fs::path(executable).replace_extension(".ini");
    const fs::path folder = beside.parent_path().empty() ? fs::path(".") : beside.parent_path();
    if (access(folder.c_str(), W_OK) == 0)
        return beside.string();
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    fs::path config = xdg && *xdg ? fs::path(xdg) : fs::path(home ? home : ".") / ".config";
    std::error_code ec;
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

void loadsettings(bool& usesapi5checked, bool& braillechecked)
{
    if (fs::exists(settingsfile)) {
        voiceallowed = profile::readint(settingsfile, "voice", "voiceallowed", 1) != 0;
        vandrelsounds = profile::readint(settingsfile, "sounds", "vandrelsounds", 1) != 0;
        sndvolume = profile::readint(settingsfile, "sounds", "sndvolume", 0);
        braillekeys = profile::readint(settingsfile, "keyboard", "braillekeys", 0) != 0;
        usesapi5checked = profile::readint(settingsfile, "Voice", "sapi5", 0) != 0;
        braillechecked = braillekeys;
    } else {
        voiceallowed = sapi4available();
        profile::writeint(settingsfile, "voice", "voiceallowed", voiceallowed ? 1 : 0);
    }
}

void savesettings()
{
    profile::writeint(settingsfile, "voice", "voiceallowed", voiceallowed ? 1 : 0);
    profile::writeint(settingsfile, "sounds", "vandrelsounds", vandrelsounds ? 1 : 0);
    profile::writeint(settingsfile, "sounds", "sndvolume", sndvolume);
    profile::writeint(settingsfile, "keyboard", "braillekeys", braillekeys ? 1 : 0);
}
