// The headless trace: one JSON object per line for each event the program produces. Texts given
// here are code page 1250 unless the name says utf8; the file is UTF-8. Without an open trace
// every call does nothing.
#pragma once

#include <string>

namespace trace {

// Throws vdrerror when the file cannot be created.
void open(const std::string& path);
bool enabled();
void close();

void print(const std::string& text, int mode);
void input(int mode, const std::string& value);
void inkey(const std::string& value);
void speak(const char* engine, const std::string& text);
void pitch(double n);
void play(const double* notes, int count, double duration, double octave);
void click(double n);
void beep();
void sleep(double ms);
void poke(double address, double value);
void message(const std::string& utf8text);
void error(const std::string& utf8text);
void end();

// A JSON string literal (quotes included) for a UTF-8 text.
std::string jsonstring(const std::string& utf8);
// A JSON number: integers without a fraction, others in the shortest exact form.
std::string jsonnumber(double v);

}  // namespace trace
