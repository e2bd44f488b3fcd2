// Speech through the speech-dispatcher daemon (libspeechd): the SAPI 5 voice, and the SAPI 4
// engine of headless runs with --speech speechd.
//
// The daemon is found at $SPEECHD_ADDRESS, else at its default address. Without
// $SPEECHD_ADDRESS a daemon that is not running is started, as desktop clients do; with it, the
// daemon named there is expected to run. A daemon that cannot be reached is a missing engine.
//
// SAPI 5: the desktop's default voice and settings. Each Speak is one message; its begin becomes
// StartStream and its end or cancellation EndStream. A purge cancels this client's messages and
// ends their streams at once. The XML flag sends the text as SSML.
//
// SAPI 4: the daemon's Czech, Slovak and English voices (Czech first) are the modes. Pitch,
// speed and volume run 0 to 200 (the daemon's -100 to 100), volume 0 to 0xFFFF per channel.
// AudioStart comes when the daemon takes a text while nothing plays, AudioStop when it reports
// the end of the last one (or at AudioReset, which cancels everything).
#pragma once

#include "sapi4.h"
#include "sapi5.h"

#include <memory>

namespace speechd {

// Throws vdrerror when the daemon cannot be reached.
std::unique_ptr<TSpVoice> createvoice();
// Null when the daemon cannot be reached or has no voice.
std::shared_ptr<ITTSEnum> createenum();
std::shared_ptr<IAudioMultiMediaDevice> createaudiodest();

}  // namespace speechd
