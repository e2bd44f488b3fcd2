// The SAPI 4 engine objects of the program: null until created or selected, kept to the end.
#pragma once

#include "sapi4.h"

#include <memory>

extern std::shared_ptr<ITTSEnum> ttsenum;
extern std::shared_ptr<IAudioMultiMediaDevice> audiodest;
// The selected mode; null until a mode is selected.
extern std::shared_ptr<ITTSCentral> ttscentral;
extern std::shared_ptr<ITTSAttributes> ttsattributes;
// The record of the mode chosen in the voice list; null until one is chosen.
extern std::unique_ptr<TTSMODEINFO> ttsmodeinfo;
// Handed to TextData; never assigned.
extern ITTSBufNotifySink* bufnotifysink;
// The one notification sink of the program, and the key of its registration with ttscentral.
extern std::shared_ptr<ITTSNotifySink> ttsnotifysink;
extern DWORD notifykey;
