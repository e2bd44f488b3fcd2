// The settings file: where it lies, and the interface language stored in it.
#pragma once

#include <string>

// The settings file in use (set once at start-up).
extern std::string settingsfile;

// The executable's path with its extension replaced by ".ini"; when the executable's folder
// cannot be written, or a folder or an unreadable file stands in that place,
// $XDG_CONFIG_HOME/vandrel/vandrel.ini (default ~/.config/vandrel/).
std::string defaultsettingsfile(const std::string& executable);

void loadlanguage();
void savelanguage();
