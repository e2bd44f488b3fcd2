// The device's 64 KiB memory and its image ram.dat, kept from one use of the program to the next.
#pragma once

#include <array>
#include <cstdint>
#include <string>

extern std::array<std::uint8_t, 65536> ram;

// The memory image, opened by bare name in the current directory.
inline const char* const ramfile = "ram.dat";

// An image exists that loadram could not read (no permission, a read error, not a regular
// file): the memory does not hold it, so saveram leaves it alone for the rest of the run.
extern bool imagekept;

// Loads as many bytes as the image holds, at most 65536, from address 0; a missing image leaves
// the memory as it is. An image that exists but cannot be read throws vdrerror, whose text says
// that the image is kept, and sets imagekept.
void loadram();
// Writes all 65536 bytes through a temporary file and a rename, so a failed write never
// destroys the previous image. Throws vdrerror naming the file when the write fails. Does
// nothing while imagekept is set.
void saveram();
