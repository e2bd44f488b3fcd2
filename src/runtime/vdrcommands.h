// The runtime library that a translated BASIC program calls: screen and PRINT, INPUT and
// INKEY$, sound, memory and the small built-ins. Strings are code page 1250 bytes.
#pragma once

#include <cstdint>
#include <string>

namespace vdrcommands {

// Screen and PRINT
void print(const std::string& text, std::uint8_t mode);

// INPUT and INKEY$
void input(std::string& dest, std::uint8_t mode);
void inkey(std::string& dest);

// Sound
void play(const double* notes, int count, double duration, double octave);
void beep();
void click(double n);

// Memory and built-ins
void poke(double address, double value);
std::uint8_t peek(double address);
void timestr(std::string& dest);
void pitch(double n);
void leftstr(const std::string& text, std::string& dest, double count);
double val(const std::string& text);
void chrstr(std::string& dest, double code);

// The program's blocking pause: no window message is handled meanwhile.
void Sleep(double ms);

// Prepares each run (called by Program > Start right before runprog).
void runinit();

}  // namespace vdrcommands
