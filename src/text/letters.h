// The Czech and Slovak accented letters, and the capital test that marks a typed capital with a
// note.
#pragma once

#include <string>

// czletters lists the same 45 letters in each of eight encodings (0 Kamenický, 1 code page 852,
// 2 code page 1250, 3 ISO 8859-2, 4 KOI8-CS, 5 MacCE, 6 code page 437, 7 unaccented): small and
// capital of each letter in pairs, small first, then §. The program works in code page 1250
// only, so that is the one row carried.
constexpr int cp1250row = 2;

// The row of an encoding; throws std::out_of_range for a row this build does not carry.
const std::string& czletters(int row);

// A to Z below 128; above it, a capital of the pairs in the row (§ and letters outside the row,
// such as Ł, are not capitals here).
bool iscapital(char c, int row = cp1250row);
