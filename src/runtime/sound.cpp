#include "sound.h"

#include "vdrcommands.h"

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "platform/trace.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <vector>

bool vandrelsounds = true;
int sndvolume = 0;
std::uint8_t lastoctave = 1;
int lastduration = 1;
bool noteplaying = false;
TDXWaveList* wavelist = nullptr;
QTimer* notetimer = nullptr;

namespace {

long long whole(double v)
{
    const double t = std::trunc(v);
    return std::isfinite(t) && std::fabs(t) < 9e18 ? static_cast<long long>(t) : 0;
}

// The wave of that name in the bank; an error naming the wave when there is no bank.
TWaveCollectionItem& wave(const std::string& name)
{
    if (!wavelist)
        throw vdrerror("Wave not found: " + name);
    return wavelist->find(name);
}

void playone(const std::string& name)
{
    TWaveCollectionItem& w = wave(name);
    w.setvolume(sndvolume);
    w.play(!vclock::fast());
}

}  // namespace

void endnote()
{
    noteplaying = false;
    if (notetimer)
        notetimer->stop();
}

void capitalsignal()
{
    const double note = 2000;
    vdrcommands::play(&note, 1, 20, 1);
}

namespace vdrcommands {

void beep()
{
    messages::checkend();
    trace::beep();
    if (vandrelsounds)
        playone("beep");
}

void click(double n)
{
    messages::checkend();
    trace::click(n);
    if (vandrelsounds)
        playone("click" + std::to_string(whole(n)));
}

void play(const double* notes, int count, double duration, double octave)
{
    messages::checkend();
    trace::play(notes, count, duration, octave);
    if (!vandrelsounds)
        return;
    if (octave > 9)
        octave = lastoctave;
    if (duration < 0)
        duration = lastduration;
    const long long o = whole(octave);
    const long long ms = whole(duration);
    lastoctave = static_cast<std::uint8_t>(o);
    lastduration = static_cast<int>(ms);
    noteplaying = true;
    std::vector<TWaveCollectionItem*> started;
    TDXWaveList* list = wavelist;
    auto stopall = [&] {
        // The window may have released the bank while the notes were waited for.
        if (wavelist == list)
            for (auto* w : started)
                w->stop();
    };
    try {
        for (int i = 0; i < count; ++i) {
            long long f = whole(notes[i]);
            if (f == 0)
                f = 2;
            TWaveCollectionItem& w = wave("snd" + std::to_string(i + 1) + std::to_string(o));
            w.setlooped(true);
            w.setfrequency(static_cast<int>(std::clamp<long long>(f * 64, 1, 1 << 30)));
            w.setvolume(sndvolume);
            w.play(false);
            started.push_back(&w);
        }
        // A duration of 0 runs no timer: the notes sound until a key goes down.
        if (ms > 0 && notetimer) {
            notetimer->setInterval(vclock::fast() ? 0 : static_cast<int>(std::min<long long>(ms, 1 << 30)));
            notetimer->start();
        }
        messages::waitwhile([] { return noteplaying; });
    } catch (...) {
        noteplaying = false;
        stopall();
        throw;
    }
    stopall();
}

}  // namespace vdrcommands
