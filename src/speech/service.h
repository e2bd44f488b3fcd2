// The speech service: the four speech operations over the SAPI 4 and SAPI 5 engines, the flags
// that tell whether speech is allowed, ready and running, and the notification sink through which
// the SAPI 4 engine reports the start and end of audio. Texts are code page 1250.
#pragma once

#include "sapi4.h"

#include <functional>
#include <set>
#include <string>

class TSpVoice;

extern bool usesapi5;
extern bool voiceallowed;
extern bool voiceready;
extern bool sapi4speaking;
extern bool sapi5speaking;

// The characters that end a word for the word-reading keys: carriage return, space and comma.
// Filled when the voice dialog is created.
extern std::set<char> wordseparators;

// The short high note that marks a capital letter before its key name. The device's sounds lie
// above the speech service, so the program sets it (to the runtime's note) at start-up.
extern std::function<void()> capitalnote;

// The SAPI 5 voice the voice dialog carries; null until that dialog exists.
extern TSpVoice* voice5;

// Speaks text and returns when it has been spoken, handling window messages meanwhile.
void speakwait(const std::string& text);
// Hands text to the engine and returns at once.
void speaknowait(const std::string& text);
// Speaks the key name of the first character of text (a single capital letter first gets a note).
void speakkey(const std::string& text);
// Cuts off the speech in progress and drops what is queued.
void stopspeech();

// Sets the pitch of the SAPI 4 voice: cuts off what is being spoken and injects "\Pit=value\".
void injectpitch(long long value);

// Whether a SAPI 4 engine (its enumerator) exists on this machine.
bool sapi4available();
// Creates the audio destination and the enumerator; a failure leaves the program without SAPI 4.
void initsapi4();
// Releases every SAPI 4 object, silencing the voice; called when the program ends.
void releasesapi4();

// The SAPI 4 notification sink: AudioStart sets sapi4speaking, AudioStop clears it.
class TTTSNotifySink : public ITTSNotifySink {
public:
    HRESULT AttribChanged(DWORD) override;
    HRESULT AudioStart(QWORD) override;
    HRESULT AudioStop(QWORD) override;
    HRESULT Visual(QWORD, char, char, DWORD, void*) override;
};

// The SAPI 5 voice's stream events.
void voice5StartStream();
void voice5EndStream();

// The longest a speaking wait trusts an engine to report the end of a text of this length
// before it gives up on the notification and goes on.
int safetytimeoutms(std::size_t textlength);
