#include "sound.h"

#include "clock.h"
#include "errors.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unistd.h>
#include <stdexcept>
#include <thread>
#include <utility>

namespace {

// Mixing period of the default device: 1/150 s, about 20 ms over OpenAL Soft's three periods.
constexpr ALCint refreshrate = 150;
// Frames a waiting play on the loopback output mixes at a time.
constexpr int waitchunk = 64;
// How long a waiting play on a device may outlast its wave before it gives up on the device.
constexpr auto devicegrace = std::chrono::milliseconds(1000);
// The buffer configuration written for OpenAL Soft, removed once the device has read it.
std::string configfile;

// OpenAL Soft 1.19 sizes a device's buffer from its configuration, not from ALC_REFRESH. Unless
// the user points it at a configuration of their own, give it one with three periods of 256
// frames (about 16 ms at 48 kHz), so speech and notes start and stop at once. It is read when the
// library first starts, so this runs before the first OpenAL call.
void shortbuffers()
{
    if (std::getenv("ALSOFT_CONF"))
        return;
    char path[] = "/tmp/vandrel-alsoft-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return;
    const char text[] = "[general]\nperiod_size = 256\nperiods = 3\n";
    const bool written = write(fd, text, sizeof text - 1) == static_cast<ssize_t>(sizeof text - 1);
    close(fd);
    if (written)
        setenv("ALSOFT_CONF", path, 0);
    // The file may go once the library has read it, when the device opens.
    configfile = written ? path : "";
    if (!written)
        unlink(path);
}

void checkal(const std::string& what)
{
    if (const ALenum e = alGetError(); e != AL_NO_ERROR)
        throw vdrerror(what + " (OpenAL error " + std::to_string(e) + ")");
}

}  // namespace

struct TDXSound::impl {
    kind k = kind::silent;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    int rate = 0;
    LPALCRENDERSAMPLESSOFT rendersamples = nullptr;
    std::vector<float> recorded;

    ~impl()
    {
        if (context) {
            if (alcGetCurrentContext() == context)
                alcMakeContextCurrent(nullptr);
            alcDestroyContext(context);
        }
        if (device)
            alcCloseDevice(device);
    }

    // Finishes an opened device: the context, and sound that no distance or direction changes.
    bool start(const ALCint* attributes)
    {
        context = alcCreateContext(device, attributes);
        if (!context || !alcMakeContextCurrent(context))
            return false;
        alDistanceModel(AL_NONE);
        ALCint r = 0;
        alcGetIntegerv(device, ALC_FREQUENCY, 1, &r);
        rate = r;
        return alGetError() == AL_NO_ERROR;
    }

    void use() const
    {
        if (context && alcGetCurrentContext() != context)
            alcMakeContextCurrent(context);
    }
};

TDXSound::TDXSound(std::unique_ptr<impl> p) : d(std::move(p)) {}
TDXSound::~TDXSound() = default;

std::unique_ptr<TDXSound> TDXSound::open()
{
    shortbuffers();
    auto p = std::make_unique<impl>();
    p->device = alcOpenDevice(nullptr);
    if (!configfile.empty()) {
        unlink(configfile.c_str());
        configfile.clear();
    }
    if (!p->device)
        return opensilent();
    const ALCint attributes[] = {ALC_REFRESH, refreshrate, 0};
    if (!p->start(attributes))
        return opensilent();
    p->k = kind::device;
    return std::unique_ptr<TDXSound>(new TDXSound(std::move(p)));
}

std::unique_ptr<TDXSound> TDXSound::opensilent()
{
    return std::unique_ptr<TDXSound>(new TDXSound(std::make_unique<impl>()));
}

std::unique_ptr<TDXSound> TDXSound::openloopback(int rate)
{
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
        throw vdrerror("The OpenAL library has no loopback device");
    auto opendevice = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    auto supported = reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(
        alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
    auto p = std::make_unique<impl>();
    p->rendersamples =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!opendevice || !supported || !p->rendersamples)
        throw vdrerror("The OpenAL library has no loopback device");
    p->device = opendevice(nullptr);
    if (!p->device || !supported(p->device, rate, ALC_MONO_SOFT, ALC_FLOAT_SOFT))
        throw vdrerror("The OpenAL loopback device cannot mix mono floats at " +
                       std::to_string(rate) + " Hz");
    // Without the limiter the mix is exactly the sum of the sources, which tests measure.
    const ALCint attributes[] = {ALC_FREQUENCY,          rate,        ALC_FORMAT_CHANNELS_SOFT,
                                 ALC_MONO_SOFT,          ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                                 ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE,   0};
    if (!p->start(attributes))
        throw vdrerror("The OpenAL loopback device cannot be started");
    p->k = kind::loopback;
    return std::unique_ptr<TDXSound>(new TDXSound(std::move(p)));
}

TDXSound::kind TDXSound::mode() const { return d->k; }
int TDXSound::rate() const { return d->rate; }

void TDXSound::render(int frames)
{
    if (d->k != kind::loopback)
        throw std::logic_error("render needs a loopback output");
    if (frames <= 0)
        return;
    d->use();
    const std::size_t old = d->recorded.size();
    d->recorded.resize(old + static_cast<std::size_t>(frames));
    d->rendersamples(d->device, d->recorded.data() + old, frames);
}

std::vector<float> TDXSound::take()
{
    if (d->k != kind::loopback)
        throw std::logic_error("take needs a loopback output");
    return std::exchange(d->recorded, {});
}

bool TDXSound::makecurrent() const
{
    d->use();
    return d->context != nullptr;
}

TWaveCollectionItem::TWaveCollectionItem(TDXSound& output, const wavebank::wave& w)
    : output_(output),
      name_(w.name),
      rate_(w.rate),
      cycles_(w.cycles),
      length_(static_cast<std::uint32_t>(w.samples.size())),
      looped_(w.looped),
      frequency_(static_cast<int>(w.frequency)),
      volume_(w.volume)
{
    if (output_.d->k == TDXSound::kind::silent)
        return;
    output_.d->use();
    alGetError();
    alGenBuffers(1, &buffer_);
    checkal("Cannot make a sound buffer for wave " + name_);
    alBufferData(buffer_, AL_FORMAT_MONO16, w.samples.data(),
                 static_cast<ALsizei>(w.samples.size() * sizeof(std::int16_t)),
                 static_cast<ALsizei>(w.rate));
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer_);
        throw vdrerror("Cannot load wave " + name_ + " into a sound buffer");
    }
}

TWaveCollectionItem::~TWaveCollectionItem()
{
    if (!buffer_)
        return;
    output_.d->use();
    if (source_) {
        alSourceStop(source_);
        alDeleteSources(1, &source_);
    }
    alDeleteBuffers(1, &buffer_);
}

void TWaveCollectionItem::applyto(unsigned int source) const
{
    alSourcef(source, AL_PITCH, static_cast<float>(frequency_) / static_cast<float>(rate_));
    alSourcef(source, AL_GAIN,
              volume_ <= -10000 ? 0.0f : static_cast<float>(std::pow(10.0, volume_ / 2000.0)));
}

void TWaveCollectionItem::setlooped(bool on)
{
    looped_ = on;
    if (source_) {
        output_.d->use();
        alSourcei(source_, AL_LOOPING, on ? AL_TRUE : AL_FALSE);
    }
}

void TWaveCollectionItem::setfrequency(int hz)
{
    const long long top = static_cast<long long>(rate_) * wavebank::maxpitch;
    frequency_ = static_cast<int>(std::clamp<long long>(hz, 1, top));
    if (source_) {
        output_.d->use();
        applyto(source_);
    }
}

void TWaveCollectionItem::setvolume(int mb)
{
    volume_ = std::clamp(mb, -10000, 0);
    if (source_) {
        output_.d->use();
        applyto(source_);
    }
}

int TWaveCollectionItem::durationms() const
{
    return static_cast<int>((static_cast<long long>(length_) * 1000 + frequency_ - 1) / frequency_);
}

void TWaveCollectionItem::play(bool wait)
{
    TDXSound::impl& out = *output_.d;
    if (out.k == TDXSound::kind::silent) {
        const auto pass = std::chrono::milliseconds(durationms());
        silentlooping_ = looped_ && !wait;
        silentuntil_ = std::chrono::steady_clock::now() + pass;
        if (wait) {
            vclock::sleep(durationms());
            silentuntil_ = {};
        }
        return;
    }

    out.use();
    alGetError();
    if (!source_) {
        alGenSources(1, &source_);
        if (alGetError() != AL_NO_ERROR) {
            source_ = 0;
            throw vdrerror("No sound source is free to play wave " + name_);
        }
        alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source_, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcei(source_, AL_BUFFER, static_cast<ALint>(buffer_));
    }
    applyto(source_);
    // A waiting play sounds one pass; only a play that returns at once may loop.
    alSourcei(source_, AL_LOOPING, looped_ && !wait ? AL_TRUE : AL_FALSE);
    alSourceRewind(source_);
    alSourcePlay(source_);
    checkal("Cannot play wave " + name_);
    if (!wait)
        return;

    if (out.k == TDXSound::kind::loopback) {
        // Virtual time: mix until the wave ends, bounded by its length in case the mixer stalls.
        const long long bound =
            static_cast<long long>(length_) * out.rate / frequency_ + 4LL * waitchunk;
        for (long long mixed = 0; playing() && mixed < bound; mixed += waitchunk)
            output_.render(waitchunk);
        stop();
    } else if (!vclock::fast()) {
        // Real time, polled gently; a device that stops mixing cannot hold the program for long.
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::milliseconds(durationms()) + devicegrace;
        while (playing() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        stop();
    }
}

void TWaveCollectionItem::stop()
{
    silentuntil_ = {};
    silentlooping_ = false;
    if (source_) {
        output_.d->use();
        alSourceStop(source_);
    }
}

bool TWaveCollectionItem::playing() const
{
    if (output_.d->k == TDXSound::kind::silent)
        return silentlooping_ || std::chrono::steady_clock::now() < silentuntil_;
    if (!source_)
        return false;
    output_.d->use();
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

TDXWaveList::TDXWaveList(TDXSound& output) : output_(output) {}

TDXWaveList::~TDXWaveList() = default;

void TDXWaveList::load(const std::string& path) { assign(wavebank::read(path)); }

void TDXWaveList::assign(const std::vector<wavebank::wave>& waves)
{
    wavebank::check(waves);
    std::vector<std::unique_ptr<TWaveCollectionItem>> fresh;
    fresh.reserve(waves.size());
    for (const wavebank::wave& w : waves)
        fresh.push_back(std::unique_ptr<TWaveCollectionItem>(new TWaveCollectionItem(output_, w)));
    items_ = std::move(fresh);
}

TWaveCollectionItem& TDXWaveList::find(std::string_view name)
{
    for (const auto& item : items_)
        if (wavebank::samename(item->name(), name))
            return *item;
    throw vdrerror("Wave not found: " + std::string(name));
}
