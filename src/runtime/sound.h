// The device's sound set: beep, clicks and notes, played from the wave bank.
#pragma once

#include <cstdint>

class QTimer;
class TDXWaveList;

// When false, beep, click and play do nothing at all.
extern bool vandrelsounds;
// Attenuation of every wave in hundredths of a decibel, -10000 (silent) to 0 (full).
extern int sndvolume;
extern std::uint8_t lastoctave;
extern int lastduration;
// True while play waits for its notes to end.
extern bool noteplaying;

// The main window's wave list and timer, which the runtime plays through. The wave list is
// null once the window has released it: nothing sounds after that.
extern TDXWaveList* wavelist;
extern QTimer* notetimer;

// Ends a note being played at once (a key went down in the main window).
void endnote();
// The short high note that marks a capital letter before the key echo names it.
void capitalsignal();
