// The device's sound set: beep, clicks and notes, played from the wave bank.
#pragma once

#include <cstdint>

// When false, beep, click and play do nothing at all.
extern bool vandrelsounds;
// Attenuation of every wave in hundredths of a decibel, -10000 (silent) to 0 (full).
extern int sndvolume;
extern std::uint8_t lastoctave;
extern int lastduration;
// True while play waits for its notes to end.
extern bool noteplaying;
