// The SAPI 4 engine on the eSpeak NG library.
//
// Modes: the eSpeak NG voices for Czech, Slovak and English, in that order, each plain and in a
// few variants ("Czech", "Czech female2", "Czech male3", "Czech klatt", ...).
// Ranges: pitch 0 to 100 (eSpeak NG's own scale, 50 by default), speed 80 to 450 words per minute
// (175), volume 0 to 0xFFFF per channel (full by default, applied to the samples).
//
// Synthesis runs on one worker thread in eSpeak NG's synchronous mode; the samples go to the
// audio destination's output in short buffers as they are made (see speechout.h), so AudioStart
// and AudioStop are the moments the first samples are handed over and the last ones have played.
#pragma once

#include "sapi4.h"

#include <memory>
#include <string>

namespace espeakng {

// The enumerator; null when eSpeak NG cannot start (its data is missing or unreadable) or has
// none of the three languages. datapath: the folder holding espeak-ng-data (empty: the
// library's own, or $ESPEAK_DATA_PATH). eSpeak NG starts once per process; later calls reuse it.
std::shared_ptr<ITTSEnum> createenum(const std::string& datapath = {});
std::shared_ptr<IAudioMultiMediaDevice> createaudiodest();

}  // namespace espeakng
