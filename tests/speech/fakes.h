// A scriptable SAPI 4 engine and SAPI 5 voice behind the program's interfaces: they record every
// call and send notifications when and as the test says, through the UI thread's event queue as
// real engines do.
#pragma once

#include "speech/sapi4.h"
#include "speech/sapi5.h"
#include "speech/uithread.h"

#include <QTimer>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

struct fakelog {
    std::vector<std::string> calls;
    void add(const std::string& s) { calls.push_back(s); }
    long count(const std::string& s) const { return std::count(calls.begin(), calls.end(), s); }
};

// When a text's AudioStart comes: with TextData (before it returns), later (after a first pass
// of messages), or never; AudioStop follows after stopms, or never when stopms < 0.
enum class starts { at_once, late, never };

struct fakeattribute {
    std::uint64_t min, max, current;
    bool notimpl = false;
};

class fakecentral : public ITTSCentral, public ITTSAttributes, public std::enable_shared_from_this<fakecentral> {
public:
    fakecentral(fakelog& log, std::string name) : log_(log), name_(std::move(name)) {}

    starts start = starts::at_once;
    int stopms = 0;
    fakeattribute pitch{0, 100, 50}, speed{80, 450, 175}, volume{0, 0xFFFFFFFF, 0xFFFFFFFF};
    std::map<DWORD, std::shared_ptr<ITTSNotifySink>> sinks;
    const std::string& name() const { return name_; }

    void notify(bool begin)
    {
        auto to = sinks;
        uithread::post([to, begin] {
            for (auto& [k, s] : to)
                begin ? s->AudioStart(0) : s->AudioStop(0);
        });
    }

    HRESULT Inject(const char* tag) override
    {
        log_.add(std::string("Inject ") + tag);
        return S_OK;
    }
    HRESULT TextData(int, DWORD, SDATA text, ITTSBufNotifySink*, const GUID&) override
    {
        log_.add("TextData " + std::string(static_cast<const char*>(text.pData)));
        if (start == starts::at_once)
            notify(true);
        else if (start == starts::late)
            QTimer::singleShot(30, [this] { notify(true); });
        if (start != starts::never && stopms >= 0)
            QTimer::singleShot(stopms + (start == starts::late ? 30 : 0), [this] { notify(false); });
        return S_OK;
    }
    HRESULT AudioReset() override
    {
        log_.add("AudioReset");
        notify(false);
        return S_OK;
    }
    HRESULT Register(std::shared_ptr<ITTSNotifySink> sink, const GUID&, DWORD* key) override
    {
        log_.add("Register");
        *key = next_++;
        sinks[*key] = sink;
        return S_OK;
    }
    HRESULT UnRegister(DWORD key) override
    {
        log_.add("UnRegister");
        return sinks.erase(key) ? S_OK : E_INVALIDARG;
    }
    HRESULT QueryInterface(const GUID&, std::shared_ptr<ITTSAttributes>* out) override
    {
        *out = std::shared_ptr<ITTSAttributes>(shared_from_this(), static_cast<ITTSAttributes*>(this));
        return S_OK;
    }

    HRESULT PitchGet(WORD* v) override { return get(pitch, v); }
    HRESULT PitchSet(WORD v) override { return set(pitch, v); }
    HRESULT SpeedGet(DWORD* v) override { return get(speed, v); }
    HRESULT SpeedSet(DWORD v) override { return set(speed, v); }
    HRESULT VolumeGet(DWORD* v) override { return get(volume, v); }
    HRESULT VolumeSet(DWORD v) override { return set(volume, v); }

private:
    template <class T>
    HRESULT get(const fakeattribute& a, T* v)
    {
        if (a.notimpl)
            return E_NOTIMPL;
        *v = static_cast<T>(a.current);
        return S_OK;
    }
    HRESULT set(fakeattribute& a, std::uint64_t v)
    {
        if (a.notimpl)
            return E_NOTIMPL;
        a.current = std::clamp(v, a.min, a.max);
        return S_OK;
    }

    fakelog& log_;
    std::string name_;
    DWORD next_ = 1;
};

class fakeengine : public ITTSEnum {
public:
    fakeengine(fakelog& log, std::vector<std::string> modes) : log_(log), modes_(std::move(modes)) {}

    // Applied to every mode selected from now on.
    fakeattribute pitch{0, 100, 50}, speed{80, 450, 175}, volume{0, 0xFFFFFFFF, 0xFFFFFFFF};
    starts start = starts::at_once;
    int stopms = 0;
    std::shared_ptr<fakecentral> selected;

    HRESULT Next(DWORD count, TTSMODEINFO* out, DWORD* fetched) override
    {
        log_.add("Next");
        DWORD n = 0;
        for (; n < count && pos_ < modes_.size(); ++n, ++pos_) {
            out[n] = TTSMODEINFO{};
            out[n].gModeID[0] = static_cast<std::uint8_t>(pos_ + 1);
            modes_[pos_].copy(out[n].szModeName, sizeof out[n].szModeName - 1);
        }
        *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT Reset() override
    {
        log_.add("Reset");
        pos_ = 0;
        return S_OK;
    }
    HRESULT Select(const GUID& id, std::shared_ptr<ITTSCentral>* out, std::shared_ptr<IAudioMultiMediaDevice>) override
    {
        const std::size_t i = id[0] - 1u;
        if (i >= modes_.size())
            return E_INVALIDARG;
        log_.add("Select " + modes_[i]);
        selected = std::make_shared<fakecentral>(log_, modes_[i]);
        selected->pitch = pitch;
        selected->speed = speed;
        selected->volume = volume;
        selected->start = start;
        selected->stopms = stopms;
        *out = selected;
        return S_OK;
    }

private:
    fakelog& log_;
    std::vector<std::string> modes_;
    std::size_t pos_ = 0;
};

class fakeaudio : public IAudioMultiMediaDevice {
public:
    void setoutput(TDXSound*) override {}
};

// Each Speak is logged as "Speak <flags> <text>"; a stream starts and ends after endms (never
// when endms < 0); a purge ends what runs at once.
class fakevoice : public TSpVoice {
public:
    explicit fakevoice(fakelog& log) : log_(log) {}
    int endms = 0;
    bool unreachable = false;

    void setEventInterests(int i) override
    {
        if (unreachable)
            throw std::runtime_error("SAPI 5 unreachable");
        log_.add("EventInterests " + std::to_string(i));
    }
    void Speak(const std::u16string& text, int flags) override
    {
        log_.add("Speak " + std::to_string(flags) + " " + QString::fromStdU16String(text).toStdString());
        if (flags & SVSFPurgeBeforeSpeak) {
            for (; running_ > 0; --running_)
                uithread::post([this] { OnEndStream(); });
            if (text.empty())
                return;
        }
        ++running_;
        uithread::post([this] { OnStartStream(); });
        if (endms >= 0)
            QTimer::singleShot(endms, [this] {
                if (running_ > 0) {
                    --running_;
                    OnEndStream();
                }
            });
    }

private:
    fakelog& log_;
    int running_ = 0;
};
