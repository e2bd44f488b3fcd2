#include "sound.h"

bool vandrelsounds = true;
int sndvolume = 0;
std::uint8_t lastoctave = 1;
int lastduration = 1;
bool noteplaying = false;
