#include "service.h"

#include "platform/messages.h"

bool usesapi5 = false;
bool voiceallowed = false;
bool voiceready = false;
bool sapi4speaking = false;
bool sapi5speaking = false;

// No engine is linked into this build yet: nothing is spoken, and a wait returns at once.
void speakwait(const std::string&)
{
    messages::checkend();
}

void speaknowait(const std::string&) {}

void speakkey(const std::string&) {}

void stopspeech() {}

void injectpitch(int) {}

bool sapi4available()
{
    return false;
}
