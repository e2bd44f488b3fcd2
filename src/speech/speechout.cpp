#include "speechout.h"

#include "platform/clock.h"
#include "platform/sound.h"

#include <AL/al.h>

#include <chrono>
#include <deque>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

class aloutput : public speechoutput {
public:
    explicit aloutput(TDXSound& sound) : sound_(sound)
    {
        sound_.makecurrent();
        alGetError();
        alGenSources(1, &source_);
        if (alGetError() != AL_NO_ERROR) {
            source_ = 0;
            return;
        }
        alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source_, AL_POSITION, 0.0f, 0.0f, 0.0f);
    }

    ~aloutput() override
    {
        sound_.makecurrent();
        if (source_) {
            alSourceStop(source_);
            alSourcei(source_, AL_BUFFER, 0);
            alDeleteSources(1, &source_);
        }
        for (const auto& q : queued_)
            spare_.push_back(q.buffer);
        if (!spare_.empty())
            alDeleteBuffers(static_cast<ALsizei>(spare_.size()), spare_.data());
    }

    bool append(const std::int16_t* samples, int count, int rate) override
    {
        if (!source_ || count <= 0 || rate <= 0)
            return source_ != 0;
        sound_.makecurrent();
        reclaim();
        ALuint buffer = 0;
        if (!spare_.empty()) {
            buffer = spare_.back();
            spare_.pop_back();
        } else {
            alGetError();
            alGenBuffers(1, &buffer);
            if (alGetError() != AL_NO_ERROR)
                return false;
        }
        alBufferData(buffer, AL_FORMAT_MONO16, samples, count * static_cast<ALsizei>(sizeof(std::int16_t)), rate);
        alSourceQueueBuffers(source_, 1, &buffer);
        if (alGetError() != AL_NO_ERROR) {
            spare_.push_back(buffer);
            return false;
        }
        queued_.push_back({buffer, static_cast<int>(1000LL * count / rate)});
        ALint state = AL_STOPPED;
        alGetSourcei(source_, AL_SOURCE_STATE, &state);
        // A source that ran dry before more came is started again.
        if (state != AL_PLAYING)
            alSourcePlay(source_);
        return true;
    }

    void reset() override
    {
        if (!source_)
            return;
        sound_.makecurrent();
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);
        for (const auto& q : queued_)
            spare_.push_back(q.buffer);
        queued_.clear();
    }

    bool drained() override
    {
        if (!source_)
            return true;
        sound_.makecurrent();
        reclaim();
        return queued_.empty();
    }

    int queuedms() override
    {
        if (!source_)
            return 0;
        sound_.makecurrent();
        reclaim();
        int ms = 0;
        for (const auto& q : queued_)
            ms += q.ms;
        return ms;
    }

private:
    struct entry {
        ALuint buffer;
        int ms;
    };

    void reclaim()
    {
        ALint processed = 0;
        alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
        while (processed-- > 0 && !queued_.empty()) {
            ALuint b = 0;
            alSourceUnqueueBuffers(source_, 1, &b);
            spare_.push_back(b);
            queued_.pop_front();
        }
    }

    TDXSound& sound_;
    ALuint source_ = 0;
    std::deque<entry> queued_;
    std::vector<ALuint> spare_;
};

// No device: silent, but speech lasts as long as it would sound.
class timedoutput : public speechoutput {
public:
    bool append(const std::int16_t*, int count, int rate) override
    {
        if (count <= 0 || rate <= 0)
            return true;
        const auto now = clock_type::now();
        if (end_ < now)
            end_ = now;
        end_ += std::chrono::microseconds(1000000LL * count / rate);
        return true;
    }
    void reset() override { end_ = {}; }
    bool drained() override { return clock_type::now() >= end_; }
    int queuedms() override
    {
        const auto left = end_ - clock_type::now();
        return left.count() > 0 ? static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(left).count())
                                : 0;
    }

private:
    clock_type::time_point end_{};
};

// The fast clock: speech takes no time at all.
class instantoutput : public speechoutput {
public:
    bool append(const std::int16_t*, int, int) override { return true; }
    void reset() override {}
    bool drained() override { return true; }
    int queuedms() override { return 0; }
};

}  // namespace

std::unique_ptr<speechoutput> speechoutput::make(TDXSound* sound)
{
    if (vclock::fast())
        return std::make_unique<instantoutput>();
    if (sound && sound->mode() != TDXSound::kind::silent)
        return std::make_unique<aloutput>(*sound);
    return std::make_unique<timedoutput>();
}
