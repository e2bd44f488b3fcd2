#include "espeak.h"

#include "speechout.h"
#include "uithread.h"

#include "platform/codepage.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace espeakng {
namespace {

constexpr WORD pitchmin = 0, pitchmax = 100, pitchdefault = 50;
constexpr DWORD speedmin = espeakRATE_MINIMUM, speedmax = espeakRATE_MAXIMUM, speeddefault = espeakRATE_NORMAL;
// Milliseconds of sound per synthesis callback: the first of a text comes out at once.
constexpr int chunkms = 10;
// How far synthesis may run ahead of playback, so a very long text needs little memory.
constexpr int aheadms = 1000;
// How long TextData waits for the first samples of a text before it gives up waiting.
constexpr auto startbound = std::chrono::milliseconds(250);
// How often the worker looks whether the output has played everything.
constexpr auto drainpoll = std::chrono::milliseconds(2);

using sapi4::mode;

class audio;

// What a selected mode is, shared by the central and the texts it has queued. Guarded by the
// speaker's mutex.
struct voicestate {
    std::string voice;
    WORD pitch = pitchdefault;
    DWORD speed = speeddefault;
    DWORD volume = 0xFFFFFFFFu;
    // Bumped by AudioReset and the release: texts of an older generation are dropped.
    unsigned generation = 0;
    std::map<DWORD, std::shared_ptr<ITTSNotifySink>> sinks;
    std::shared_ptr<audio> dest;
};

// How far one text has come, for the TextData that waits for its start.
struct progress {
    bool started = false;
    bool done = false;
};

struct item {
    std::shared_ptr<voicestate> owner;
    unsigned generation;
    std::string utf8;
    std::shared_ptr<progress> state;
};

class speaker;
speaker& theSpeaker();

// The multimedia audio destination: holds the output speech is played on.
class audio : public IAudioMultiMediaDevice {
public:
    void setoutput(TDXSound* sound) override;
    // Guarded by the speaker's mutex.
    speechoutput& output()
    {
        if (!out)
            out = speechoutput::make(nullptr);
        return *out;
    }
    std::unique_ptr<speechoutput> out;
};

class speaker {
public:
    std::mutex m;
    std::condition_variable wake;     // the worker: new work, a reset, the end
    std::condition_variable progressed;  // TextData waiting for a text's first samples
    std::deque<item> queue;
    bool synthesising = false;
    bool audioactive = false;
    std::shared_ptr<voicestate> audioowner;
    int rate = 0;
    std::vector<mode> modes;
    bool started = false;
    bool usable = false;

    ~speaker()
    {
        if (!worker.joinable())
            return;
        {
            std::lock_guard lock(m);
            quit = true;
        }
        wake.notify_all();
        worker.join();
        espeak_ng_Terminate();
    }

    // Starts eSpeak NG and lists the modes; false when it cannot be used.
    bool start(const std::string& datapath)
    {
        std::lock_guard lock(m);
        if (started)
            return usable;
        started = true;
        espeak_ng_InitializePath(datapath.empty() ? nullptr : datapath.c_str());
        espeak_ng_ERROR_CONTEXT context = nullptr;
        if (espeak_ng_Initialize(&context) != ENS_OK) {
            espeak_ng_ClearErrorContext(&context);
            return false;
        }
        if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, chunkms, nullptr) != ENS_OK)
            return false;
        rate = espeak_ng_GetSampleRate();
        if (rate <= 0)
            return false;
        listmodes();
        if (modes.empty())
            return false;
        espeak_SetSynthCallback(&speaker::callback);
        worker = std::thread([this] { run(); });
        usable = true;
        return true;
    }

    // Caller holds m.
    void startaudio(const std::shared_ptr<voicestate>& owner)
    {
        audioactive = true;
        audioowner = owner;
        notify(owner->sinks, true);
    }

    // Caller holds m.
    void stopaudio()
    {
        if (!audioactive)
            return;
        audioactive = false;
        notify(audioowner->sinks, false);
        audioowner.reset();
    }

    static void notify(const std::map<DWORD, std::shared_ptr<ITTSNotifySink>>& sinks, bool start)
    {
        std::vector<std::shared_ptr<ITTSNotifySink>> to;
        for (const auto& [key, sink] : sinks)
            to.push_back(sink);
        const QWORD stamp = sapi4::timestamp();
        uithread::post([to = std::move(to), start, stamp] {
            for (const auto& sink : to)
                start ? sink->AudioStart(stamp) : sink->AudioStop(stamp);
        });
    }

    // Caller holds m: silences the voice's output and drops its texts.
    void reset(voicestate& v)
    {
        ++v.generation;
        std::erase_if(queue, [&](const item& i) { return i.owner.get() == &v; });
        if (audioactive && audioowner.get() == &v) {
            v.dest->output().reset();
            stopaudio();
        }
        wake.notify_all();
        progressed.notify_all();
    }

private:
    std::thread worker;
    bool quit = false;
    std::string currentvoice;
    std::vector<std::int16_t> scaled;

    struct context {
        speaker* self;
        item* text;
    };

    void listmodes()
    {
        // Each listing reuses the library's one list: the variants are noted first.
        espeak_VOICE wanted{};
        wanted.languages = "variant";
        std::vector<std::string> variantfiles;
        if (const espeak_VOICE** list = espeak_ListVoices(&wanted))
            for (int i = 0; list[i]; ++i)
                if (const char* id = list[i]->identifier; id && std::strrchr(id, '/'))
                    variantfiles.emplace_back(std::strrchr(id, '/') + 1);
        auto hasvariant = [&](const char* file) {
            return std::find(variantfiles.begin(), variantfiles.end(), file) != variantfiles.end();
        };
        const espeak_VOICE** voices = espeak_ListVoices(nullptr);
        if (!voices)
            return;
        const std::pair<const char*, const char*> variants[] = {
            {"", ""}, {"female2", "f2"}, {"male3", "m3"}, {"klatt", "klatt"}};
        // Czech first, then Slovak and English.
        const char* const languages[] = {"cs", "sk", "en-gb"};
        for (const char* language : languages) {
            const espeak_VOICE* found = nullptr;
            for (int i = 0; voices[i] && !found; ++i)
                if (voices[i]->languages && std::strcmp(voices[i]->languages + 1, language) == 0)
                    found = voices[i];
            if (!found || !found->name)
                continue;
            for (const auto& [label, file] : variants) {
                if (*file && !hasvariant(file))
                    continue;
                mode md;
                md.name = codepage::fromutf8(std::string(found->name) + (*label ? " " : "") + label);
                md.voice = std::string(language) + (*file ? "+" : "") + file;
                // A stable identifier from the mode's name.
                std::uint64_t h = 1469598103934665603ULL;
                for (unsigned char c : md.name)
                    h = (h ^ c) * 1099511628211ULL;
                std::memcpy(md.id.data(), "eSNG", 4);
                for (int b = 0; b < 8; ++b)
                    md.id[4 + b] = static_cast<std::uint8_t>(h >> (8 * b));
                md.id[12] = static_cast<std::uint8_t>(modes.size());
                modes.push_back(std::move(md));
            }
        }
    }

    static int callback(short* wav, int count, espeak_EVENT* events)
    {
        if (!events || !events->user_data)
            return 1;
        auto* ctx = static_cast<context*>(events->user_data);
        return ctx->self->take(*ctx->text, wav, count) ? 0 : 1;
    }

    // Takes one chunk of a text's samples; false stops its synthesis.
    bool take(item& text, const short* wav, int count)
    {
        if (!wav)
            return true;
        std::unique_lock lock(m);
        voicestate& v = *text.owner;
        auto current = [&] { return !quit && v.generation == text.generation; };
        if (!current())
            return false;
        if (count <= 0)
            return true;
        speechoutput& out = v.dest->output();
        // Playback catches up before more is handed over.
        while (current() && audioactive && out.queuedms() > aheadms)
            wake.wait_for(lock, std::chrono::milliseconds(5));
        if (!current())
            return false;
        const std::uint32_t gain = v.volume & 0xFFFF;
        scaled.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            scaled[i] = static_cast<std::int16_t>(static_cast<std::int32_t>(wav[i]) * static_cast<std::int32_t>(gain) / 65535);
        if (audioactive && audioowner != text.owner) {
            // Another mode's audio still runs: it ends here.
            audioowner->dest->output().reset();
            stopaudio();
        }
        if (!out.append(scaled.data(), count, rate))
            return false;
        if (!audioactive)
            startaudio(text.owner);
        if (!text.state->started) {
            text.state->started = true;
            progressed.notify_all();
        }
        return true;
    }

    void run()
    {
        std::unique_lock lock(m);
        while (!quit) {
            if (!queue.empty()) {
                item text = std::move(queue.front());
                queue.pop_front();
                if (text.owner->generation == text.generation) {
                    const voicestate& v = *text.owner;
                    const std::string voice = v.voice;
                    const int speed = static_cast<int>(v.speed), pitch = v.pitch;
                    synthesising = true;
                    lock.unlock();
                    synthesise(text, voice, speed, pitch);
                    lock.lock();
                    synthesising = false;
                }
                text.state->done = true;
                progressed.notify_all();
                continue;
            }
            if (audioactive) {
                if (audioowner->dest->output().drained()) {
                    stopaudio();
                    continue;
                }
                wake.wait_for(lock, drainpoll);
                continue;
            }
            wake.wait(lock);
        }
    }

    // Runs without the mutex: eSpeak NG calls take() for each chunk.
    void synthesise(item& text, const std::string& voice, int speed, int pitch)
    {
        if (voice != currentvoice) {
            if (espeak_SetVoiceByName(voice.c_str()) != EE_OK)
                return;
            currentvoice = voice;
        }
        espeak_SetParameter(espeakRATE, speed, 0);
        espeak_SetParameter(espeakPITCH, pitch, 0);
        context ctx{this, &text};
        espeak_Synth(text.utf8.c_str(), text.utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &ctx);
    }
};

speaker& theSpeaker()
{
    static speaker s;
    return s;
}

void audio::setoutput(TDXSound* sound)
{
    speaker& s = theSpeaker();
    std::lock_guard lock(s.m);
    if (s.audioactive && s.audioowner->dest.get() == this) {
        // The output goes away under the voice: what it says ends here.
        if (out)
            out->reset();
        s.stopaudio();
    }
    out.reset();
    out = speechoutput::make(sound);
}

// A selected mode: its texts, attributes and notification sinks.
class central : public ITTSCentral, public ITTSAttributes, public std::enable_shared_from_this<central> {
public:
    explicit central(std::shared_ptr<voicestate> v) : v_(std::move(v)) {}

    ~central() override
    {
        // Releasing the mode silences it; sinks still registered hear AudioStop.
        speaker& s = theSpeaker();
        std::lock_guard lock(s.m);
        s.reset(*v_);
    }

    HRESULT Inject(const char* tag) override
    {
        std::string name;
        std::uint64_t value = 0;
        if (!sapi4::parsetag(tag, name, value))
            return E_INVALIDARG;
        std::lock_guard lock(theSpeaker().m);
        if (name == "Pit")
            v_->pitch = static_cast<WORD>(std::min<std::uint64_t>(value, pitchmax));
        else if (name == "Spd")
            v_->speed = static_cast<DWORD>(std::clamp<std::uint64_t>(value, speedmin, speedmax));
        else {
            const auto channel = static_cast<DWORD>(std::min<std::uint64_t>(value, 0xFFFF));
            v_->volume = channel | channel << 16;
        }
        return S_OK;
    }

    HRESULT TextData(int charset, DWORD, SDATA text, ITTSBufNotifySink*, const GUID&) override
    {
        std::string bytes;
        if (!sapi4::textdata(charset, text, bytes))
            return E_INVALIDARG;
        auto state = std::make_shared<progress>();
        speaker& s = theSpeaker();
        std::unique_lock lock(s.m);
        const unsigned generation = v_->generation;
        s.queue.push_back({v_, generation, codepage::toutf8(bytes), state});
        s.wake.notify_all();
        // Idle audio: return once the text's first samples are out, so its AudioStart is queued.
        s.progressed.wait_for(lock, startbound, [&] {
            return state->started || state->done || (s.audioactive && s.audioowner == v_) ||
                   v_->generation != generation;
        });
        return S_OK;
    }

    HRESULT AudioReset() override
    {
        speaker& s = theSpeaker();
        std::lock_guard lock(s.m);
        s.reset(*v_);
        return S_OK;
    }

    HRESULT Register(std::shared_ptr<ITTSNotifySink> sink, const GUID& iid, DWORD* key) override
    {
        if (!sink || !key || iid != IID_ITTSNotifySinkA)
            return E_INVALIDARG;
        std::lock_guard lock(theSpeaker().m);
        *key = nextkey_++;
        v_->sinks[*key] = std::move(sink);
        return S_OK;
    }

    HRESULT UnRegister(DWORD key) override
    {
        speaker& s = theSpeaker();
        std::lock_guard lock(s.m);
        auto it = v_->sinks.find(key);
        if (it == v_->sinks.end())
            return E_INVALIDARG;
        if (s.audioactive && s.audioowner == v_)
            speaker::notify({{key, it->second}}, false);
        v_->sinks.erase(it);
        return S_OK;
    }

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<ITTSAttributes>* out) override
    {
        if (!out || iid != IID_ITTSAttributesA)
            return E_NOINTERFACE;
        *out = std::shared_ptr<ITTSAttributes>(shared_from_this(), static_cast<ITTSAttributes*>(this));
        return S_OK;
    }

    HRESULT PitchGet(WORD* pitch) override { return get(pitch, v_->pitch); }
    HRESULT PitchSet(WORD pitch) override
    {
        return set(v_->pitch, std::min<WORD>(pitch, pitchmax));
    }
    HRESULT SpeedGet(DWORD* speed) override { return get(speed, v_->speed); }
    HRESULT SpeedSet(DWORD speed) override { return set(v_->speed, std::clamp(speed, speedmin, speedmax)); }
    HRESULT VolumeGet(DWORD* volume) override { return get(volume, v_->volume); }
    HRESULT VolumeSet(DWORD volume) override { return set(v_->volume, volume); }

private:
    template <class T>
    HRESULT get(T* out, const T& value)
    {
        if (!out)
            return E_INVALIDARG;
        std::lock_guard lock(theSpeaker().m);
        *out = value;
        return S_OK;
    }
    template <class T>
    HRESULT set(T& field, T value)
    {
        std::lock_guard lock(theSpeaker().m);
        field = value;
        return S_OK;
    }

    std::shared_ptr<voicestate> v_;
    DWORD nextkey_ = 1;
};

class enumerator : public sapi4::modelist {
public:
    HRESULT Select(const GUID& id, std::shared_ptr<ITTSCentral>* out,
                   std::shared_ptr<IAudioMultiMediaDevice> dest) override
    {
        auto where = std::dynamic_pointer_cast<audio>(dest);
        if (!out || !where)
            return E_INVALIDARG;
        for (const mode& md : theSpeaker().modes)
            if (md.id == id) {
                auto v = std::make_shared<voicestate>();
                v->voice = md.voice;
                v->dest = std::move(where);
                *out = std::make_shared<central>(std::move(v));
                return S_OK;
            }
        return E_INVALIDARG;
    }

protected:
    const std::vector<mode>& modes() const override { return theSpeaker().modes; }
};

}  // namespace

std::shared_ptr<ITTSEnum> createenum(const std::string& datapath)
{
    if (!theSpeaker().start(datapath))
        return nullptr;
    return std::make_shared<enumerator>();
}

std::shared_ptr<IAudioMultiMediaDevice> createaudiodest()
{
    return std::make_shared<audio>();
}

}  // namespace espeakng
