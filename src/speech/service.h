// The speech service: the four speech operations and the flags that tell whether speech is
// allowed, ready and running. Texts are code page 1250.
#pragma once

#include <string>

extern bool usesapi5;
extern bool voiceallowed;
extern bool voiceready;
extern bool sapi4speaking;
extern bool sapi5speaking;

// Speaks text and returns when it has been spoken, handling window messages meanwhile.
void speakwait(const std::string& text);
// Hands text to the engine and returns at once.
void speaknowait(const std::string& text);
// Speaks the key name of the first character of text.
void speakkey(const std::string& text);
// Cuts off the speech in progress and drops what is queued.
void stopspeech();

// Sets the pitch of the SAPI 4 voice: cuts off what is being spoken and injects the pitch tag.
void injectpitch(int value);

// Whether a SAPI 4 engine (its enumerator) exists on this machine.
bool sapi4available();
