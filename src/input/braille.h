// Braille chord entry: the six dot keys F D S J K L and the space bar type braille cells, which
// the braille table turns into text.
#pragma once

#include <string>

// Braille mode is on; mirrors the check mark of the menu item.
extern bool braillekeys;
// The dot string of the chord being typed ("12" for dots 1 and 2), " " for the space cell.
extern std::string chord;
// The prefix cell waiting for its character, such as "#cap"; empty when none.
extern std::string pendingprefix;

// Samples the dot keys that are down (as of the key event being handled) into chord.
void samplechord();
// The text of a cell; a prefix cell gives "" and becomes pending, "#cap" is used up by one cell.
std::string brltranslate(const std::string& dots);
