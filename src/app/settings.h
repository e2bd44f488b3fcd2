// The settings file: where it lies and the routines that read and write the general settings.
#pragma once

#include <string>

// The settings file in use (set once at start-up).
extern std::string settingsfile;

// The executable's path with its extension replaced by ".ini"; when the executable's folder
// cannot be written, $XDG_CONFIG_HOME/vandrel/vandrel.ini (default ~/.config/vandrel/).
std::string defaultsettingsfile(const std::string& executable);

void loadlanguage();
void savelanguage();
// Reads the general settings; on a first start (no file) writes voice/voiceallowed.
// usesapi5checked and braillechecked receive the check marks for the menu.
void loadsettings(bool& usesapi5checked, bool& braillechecked);
void savesettings();
// Reads the stored voice and applies it: chooses it in the voice list, selects it and sets the
// three sliders (each change applied to the engine). A stored voice that the engine no longer
// has ends the program after message 43.
void loadvoicesettings();
// Stores the voice chosen in the list and the positions of the three sliders.
void savevoicesettings();
