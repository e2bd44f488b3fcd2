// Where synthesised speech goes. The engine owns the samples until it hands them over here, and
// the output keeps only what it was handed, so a stop silences it at once.
//
// - On the program's OpenAL output (a device or the loopback): one streaming source whose short
//   buffers are queued as samples arrive; a stop stops the source and drops its queue.
// - Without a sound device: nothing sounds, but the output keeps time as if it played.
// - With the fast clock: nothing sounds and no time passes.
//
// Not thread-safe: its user serialises the calls.
#pragma once

#include <cstdint>
#include <memory>

class TDXSound;

class speechoutput {
public:
    virtual ~speechoutput() = default;
    // Hands over mono 16-bit samples at rate Hz and plays them after what is queued. False when
    // the output refused them.
    virtual bool append(const std::int16_t* samples, int count, int rate) = 0;
    // Silences the output and drops everything queued.
    virtual void reset() = 0;
    // True once everything handed over has been played.
    virtual bool drained() = 0;
    // Milliseconds of sound handed over and not yet played.
    virtual int queuedms() = 0;

    // The output for this sound output (null: none yet, keep time only).
    static std::unique_ptr<speechoutput> make(TDXSound* sound);
};
