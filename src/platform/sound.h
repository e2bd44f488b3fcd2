// Sound output over OpenAL Soft, in the shape of the DelphiX components the runtime was written
// against: TDXSound is an output, TDXWaveList the named waves of a bank bound to an output, and
// TWaveCollectionItem one wave (one OpenAL buffer and its own source).
//
// Outputs:
// - open(): the system's default device with a short mixing period (about 20 ms of buffered
//   sound, so a note or click starts at once). Without a usable device it gives a silent output.
// - opensilent(): plays nothing, but keeps time as if it played: a waiting play lasts the wave's
//   duration (vclock::sleep, so a fast clock skips it) and playing() is true for that long.
// - openloopback(): OpenAL's loopback device. Nothing reaches hardware; sound is mixed only by
//   render(), and a waiting play renders until its wave has ended. Everything rendered is kept
//   (mono, float) until take(). Tests use it to hear what the program would play.
//
// Waves:
// - setfrequency(hz): playback frequency in Hz, the wave sounding hz / rate times its recorded
//   speed; clamped to 1 .. wavebank::maxpitch times the wave's rate.
// - setvolume(mb): hundredths of a decibel, clamped to -10000 (silent) .. 0 (full); the gain is
//   10^(mb / 2000).
// - play(false) starts the wave from its beginning (restarting it if it plays) and returns; a
//   looped wave sounds until stop(). play(true) returns when one pass of the wave has ended, even
//   for a looped wave, so a waiting play can never wait forever.
//
// A wave list must be destroyed before its output, and load() ends the life of the items that
// find() gave before. Main thread only.
#pragma once

#include "wavebank.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TDXSound {
public:
    enum class kind { device, silent, loopback };

    static std::unique_ptr<TDXSound> open();
    static std::unique_ptr<TDXSound> opensilent();
    static std::unique_ptr<TDXSound> openloopback(int rate = 48000);
    ~TDXSound();
    TDXSound(const TDXSound&) = delete;
    TDXSound& operator=(const TDXSound&) = delete;

    kind mode() const;
    // The mixing rate in Hz (0 for a silent output).
    int rate() const;

    // Loopback only: mixes the next frames of output and keeps them.
    void render(int frames);
    // Loopback only: the samples mixed since the last take.
    std::vector<float> take();

    // Makes this output's OpenAL context the current one, for other users of the same output;
    // false for a silent output, which has none.
    bool makecurrent() const;

private:
    friend class TWaveCollectionItem;
    friend class TDXWaveList;
    struct impl;
    explicit TDXSound(std::unique_ptr<impl> d);
    std::unique_ptr<impl> d;
};

class TWaveCollectionItem {
public:
    ~TWaveCollectionItem();
    TWaveCollectionItem(const TWaveCollectionItem&) = delete;
    TWaveCollectionItem& operator=(const TWaveCollectionItem&) = delete;

    const std::string& name() const { return name_; }
    // The rate the samples were recorded at, Hz.
    int rate() const { return static_cast<int>(rate_); }
    // Whole cycles the wave holds (0 when it is not periodic), as the bank says.
    int cycles() const { return static_cast<int>(cycles_); }
    int length() const { return static_cast<int>(length_); }

    bool looped() const { return looped_; }
    void setlooped(bool on);
    int frequency() const { return frequency_; }
    void setfrequency(int hz);
    int volume() const { return volume_; }
    void setvolume(int mb);

    // One pass at the current frequency, in milliseconds, rounded up.
    int durationms() const;

    void play(bool wait);
    void stop();
    bool playing() const;

private:
    friend class TDXWaveList;
    TWaveCollectionItem(TDXSound& output, const wavebank::wave& w);
    void applyto(unsigned int source) const;

    TDXSound& output_;
    std::string name_;
    std::uint32_t rate_, cycles_, length_;
    bool looped_;
    int frequency_, volume_;
    unsigned int buffer_ = 0, source_ = 0;
    // A silent output's notion of playing: until this moment, or until stop() when looping.
    std::chrono::steady_clock::time_point silentuntil_{};
    bool silentlooping_ = false;
};

class TDXWaveList {
public:
    explicit TDXWaveList(TDXSound& output);
    ~TDXWaveList();
    TDXWaveList(const TDXWaveList&) = delete;
    TDXWaveList& operator=(const TDXWaveList&) = delete;

    // Replaces the content with the bank in the file. On any error (a vdrerror naming the file)
    // the earlier content stays.
    void load(const std::string& path);
    // Replaces the content with these waves.
    void assign(const std::vector<wavebank::wave>& waves);
    // The wave of that name, compared without ASCII case; vdrerror "Wave not found: NAME" when
    // the list holds none.
    TWaveCollectionItem& find(std::string_view name);
    std::size_t count() const { return items_.size(); }

private:
    TDXSound& output_;
    std::vector<std::unique_ptr<TWaveCollectionItem>> items_;
};
