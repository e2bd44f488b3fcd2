// The silent engines of headless runs (--speech none): a SAPI 4 engine with one mode, "Silent",
// and a SAPI 5 voice. Both end each text at once: its start and end are queued together, so a
// speaking wait returns after one pass. Ranges as eSpeak NG's: pitch 0 to 100, speed 80 to 450,
// volume 0 to 0xFFFF per channel.
#pragma once

#include "sapi4.h"
#include "sapi5.h"

#include <memory>

namespace silent {

std::shared_ptr<ITTSEnum> createenum();
std::shared_ptr<IAudioMultiMediaDevice> createaudiodest();
std::unique_ptr<TSpVoice> createvoice();

}  // namespace silent
