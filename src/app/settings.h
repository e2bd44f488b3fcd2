// The routines that read and write the general and the voice settings.
#pragma once

#include "shell/settingsfile.h"

#include <string>

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
