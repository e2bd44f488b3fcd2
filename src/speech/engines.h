// Chooses the engines that stand behind the two speech slots of this program instance.
#pragma once

#include <string>

// "espeak": eSpeak NG in the SAPI 4 slot, speech-dispatcher in the SAPI 5 slot (the product);
// "speechd": speech-dispatcher in both; "none": the silent engines in both.
// Returns false for an unknown name.
bool usespeechengines(const std::string& name);
