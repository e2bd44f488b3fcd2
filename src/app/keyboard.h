// The main window's keyboard state.
#pragma once

// The six-key braille keyboard is on: F D S J K L type braille chords.
extern bool braillekeys;
