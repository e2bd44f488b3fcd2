#include "keyboard.h"

bool braillekeys = false;
