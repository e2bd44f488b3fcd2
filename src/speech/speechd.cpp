#include "speechd.h"

#include "uithread.h"

#include "platform/codepage.h"
#include "platform/errors.h"

#include <speech-dispatcher/libspeechd.h>

#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <vector>

namespace speechd {
namespace {

enum class event { begin, end };

// One connection to the daemon. Its events arrive on libspeechd's own thread and are handed to
// onevent on the UI thread.
class client : public std::enable_shared_from_this<client> {
public:
    static std::shared_ptr<client> open(const char* name)
    {
        char* error = nullptr;
        // A daemon someone named is expected to run; the desktop's own is started if need be.
        const bool spawn = std::getenv("SPEECHD_ADDRESS") == nullptr;
        SPDConnection* c = spd_open2("vandrel", name, nullptr, SPD_MODE_THREADED, nullptr, spawn ? 1 : 0, &error);
        if (!c) {
            std::string why = error ? error : "no answer";
            std::free(error);
            throw vdrerror("Speech Dispatcher cannot be reached: " + why);
        }
        std::free(error);
        auto self = std::shared_ptr<client>(new client(c));
        {
            std::lock_guard lock(registrylock());
            registry()[self->id_] = self;
        }
        c->callback_begin = &client::received;
        c->callback_end = &client::received;
        c->callback_cancel = &client::received;
        if (spd_set_notification_on(c, SPD_BEGIN) || spd_set_notification_on(c, SPD_END) ||
            spd_set_notification_on(c, SPD_CANCEL))
            throw vdrerror("Speech Dispatcher refuses to report the progress of speech");
        return self;
    }

    ~client()
    {
        {
            std::lock_guard lock(registrylock());
            registry().erase(id_);
        }
        spd_close(conn_);
    }

    // The message's id; throws when the daemon refuses it or is gone.
    int say(const std::string& utf8, bool ssml)
    {
        const SPDDataMode mode = ssml ? SPD_DATA_SSML : SPD_DATA_TEXT;
        if (mode != datamode_) {
            if (spd_set_data_mode(conn_, mode))
                throw vdrerror("Speech Dispatcher refuses the text mode");
            datamode_ = mode;
        }
        const int id = spd_say(conn_, SPD_MESSAGE, utf8.c_str());
        if (id < 0)
            throw vdrerror("Speech Dispatcher does not take the text");
        return id;
    }

    void cancel() { spd_cancel(conn_); }
    SPDConnection* connection() const { return conn_; }

    // Runs on the UI thread.
    std::function<void(int id, event what)> onevent;

private:
    explicit client(SPDConnection* c) : conn_(c), id_(spd_get_client_id(c)) {}

    static std::mutex& registrylock()
    {
        static std::mutex m;
        return m;
    }
    static std::map<std::size_t, std::weak_ptr<client>>& registry()
    {
        static std::map<std::size_t, std::weak_ptr<client>> r;
        return r;
    }

    static void received(std::size_t msgid, std::size_t clientid, SPDNotificationType type)
    {
        std::weak_ptr<client> who;
        {
            std::lock_guard lock(registrylock());
            auto it = registry().find(clientid);
            if (it == registry().end())
                return;
            who = it->second;
        }
        const event what = type == SPD_EVENT_BEGIN ? event::begin : event::end;
        const int id = static_cast<int>(msgid);
        uithread::post([who, id, what] {
            if (auto self = who.lock(); self && self->onevent)
                self->onevent(id, what);
        });
    }

    SPDConnection* conn_;
    std::size_t id_;
    SPDDataMode datamode_ = SPD_DATA_TEXT;
};

std::string toutf8(const std::u16string& text)
{
    return QString::fromStdU16String(text).toUtf8().toStdString();
}

class voice : public TSpVoice {
public:
    void setEventInterests(int) override { connect(); }

    void Speak(const std::u16string& text, int flags) override
    {
        if (flags & SVSFPurgeBeforeSpeak) {
            if (client_)
                client_->cancel();
            endall();
            if (text.empty())
                return;
        }
        if (text.empty()) {
            // Nothing to say is a stream that ends at once.
            uithread::post([alive = std::weak_ptr<int>(alive_), this] {
                if (alive.expired())
                    return;
                if (OnStartStream)
                    OnStartStream();
                if (OnEndStream)
                    OnEndStream();
            });
            return;
        }
        connect();
        const bool xml = flags & SVSFIsXML;
        const std::string utf8 = xml ? "<speak>" + toutf8(text) + "</speak>" : toutf8(text);
        try {
            streams_.insert(client_->say(utf8, xml));
        } catch (...) {
            // The connection is of no more use: its streams end, the next use connects anew.
            client_.reset();
            endall();
            throw;
        }
    }

private:
    void connect()
    {
        if (client_)
            return;
        client_ = client::open("sapi5");
        client_->onevent = [this](int id, event what) {
            if (!streams_.count(id))
                return;
            if (what == event::begin) {
                if (OnStartStream)
                    OnStartStream();
                return;
            }
            streams_.erase(id);
            if (OnEndStream)
                OnEndStream();
        };
    }

    void endall()
    {
        const std::size_t n = streams_.size();
        streams_.clear();
        for (std::size_t i = 0; i < n; ++i)
            uithread::post([alive = std::weak_ptr<int>(alive_), this] {
                if (!alive.expired() && OnEndStream)
                    OnEndStream();
            });
    }

    std::shared_ptr<client> client_;
    std::set<int> streams_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

// The SAPI 4 side. The audio destination plays nothing itself: the daemon has its own output.
class audio : public IAudioMultiMediaDevice {
public:
    void setoutput(TDXSound*) override {}
};

using sapi4::mode;

// Maps 0..200 to the daemon's -100..100.
int daemonvalue(std::uint64_t v) { return static_cast<int>(std::min<std::uint64_t>(v, 200)) - 100; }

class central : public ITTSCentral, public ITTSAttributes, public std::enable_shared_from_this<central> {
public:
    explicit central(std::shared_ptr<client> c) : client_(std::move(c))
    {
        client_->onevent = [this](int id, event what) {
            if (what == event::end && texts_.erase(id) && texts_.empty())
                stop();
        };
        pitch_ = static_cast<WORD>(std::clamp(spd_get_voice_pitch(client_->connection()) + 100, 0, 200));
        speed_ = static_cast<DWORD>(std::clamp(spd_get_voice_rate(client_->connection()) + 100, 0, 200));
        const int volume = std::clamp(spd_get_volume(client_->connection()) + 100, 0, 200);
        volume_ = static_cast<DWORD>(volume * 0xFFFF / 200) * 0x10001u;
    }

    ~central() override
    {
        client_->onevent = nullptr;
        client_->cancel();
        stop();
    }

    HRESULT Inject(const char* tag) override
    {
        std::string name;
        std::uint64_t value = 0;
        if (!sapi4::parsetag(tag, name, value))
            return E_INVALIDARG;
        if (name == "Pit")
            return PitchSet(static_cast<WORD>(std::min<std::uint64_t>(value, 0xFFFF)));
        if (name == "Spd")
            return SpeedSet(static_cast<DWORD>(std::min<std::uint64_t>(value, 0xFFFFFFFF)));
        const auto channel = static_cast<DWORD>(std::min<std::uint64_t>(value, 0xFFFF));
        return VolumeSet(channel | channel << 16);
    }

    HRESULT TextData(int charset, DWORD, SDATA text, ITTSBufNotifySink*, const GUID&) override
    {
        std::string bytes;
        if (!sapi4::textdata(charset, text, bytes))
            return E_INVALIDARG;
        if (bytes.find_first_not_of(' ') == std::string::npos)
            return S_OK;
        int id = 0;
        try {
            id = client_->say(codepage::toutf8(bytes), false);
        } catch (const std::exception&) {
            return E_FAIL;
        }
        texts_.insert(id);
        if (!speaking_) {
            speaking_ = true;
            notify(true);
        }
        return S_OK;
    }

    HRESULT AudioReset() override
    {
        client_->cancel();
        texts_.clear();
        stop();
        return S_OK;
    }

    HRESULT Register(std::shared_ptr<ITTSNotifySink> sink, const GUID& iid, DWORD* key) override
    {
        if (!sink || !key || iid != IID_ITTSNotifySinkA)
            return E_INVALIDARG;
        *key = next_++;
        sinks_[*key] = std::move(sink);
        return S_OK;
    }

    HRESULT UnRegister(DWORD key) override
    {
        auto it = sinks_.find(key);
        if (it == sinks_.end())
            return E_INVALIDARG;
        if (speaking_) {
            const QWORD stamp = sapi4::timestamp();
            uithread::post([sink = it->second, stamp] { sink->AudioStop(stamp); });
        }
        sinks_.erase(it);
        return S_OK;
    }

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<ITTSAttributes>* out) override
    {
        if (!out || iid != IID_ITTSAttributesA)
            return E_NOINTERFACE;
        *out = std::shared_ptr<ITTSAttributes>(shared_from_this(), static_cast<ITTSAttributes*>(this));
        return S_OK;
    }

    HRESULT PitchGet(WORD* p) override { return *p = pitch_, S_OK; }
    HRESULT PitchSet(WORD p) override
    {
        pitch_ = std::min<WORD>(p, 200);
        return spd_set_voice_pitch(client_->connection(), daemonvalue(pitch_)) ? E_FAIL : S_OK;
    }
    HRESULT SpeedGet(DWORD* s) override { return *s = speed_, S_OK; }
    HRESULT SpeedSet(DWORD s) override
    {
        speed_ = std::min<DWORD>(s, 200);
        return spd_set_voice_rate(client_->connection(), daemonvalue(speed_)) ? E_FAIL : S_OK;
    }
    HRESULT VolumeGet(DWORD* v) override { return *v = volume_, S_OK; }
    HRESULT VolumeSet(DWORD v) override
    {
        volume_ = v;
        return spd_set_volume(client_->connection(), daemonvalue((v & 0xFFFF) * 200ULL / 0xFFFF)) ? E_FAIL : S_OK;
    }

private:
    void stop()
    {
        if (!speaking_)
            return;
        speaking_ = false;
        notify(false);
    }

    void notify(bool start)
    {
        std::vector<std::shared_ptr<ITTSNotifySink>> to;
        for (const auto& [key, sink] : sinks_)
            to.push_back(sink);
        const QWORD stamp = sapi4::timestamp();
        uithread::post([to, start, stamp] {
            for (const auto& sink : to)
                start ? sink->AudioStart(stamp) : sink->AudioStop(stamp);
        });
    }

    std::shared_ptr<client> client_;
    std::set<int> texts_;
    bool speaking_ = false;
    std::map<DWORD, std::shared_ptr<ITTSNotifySink>> sinks_;
    DWORD next_ = 1;
    WORD pitch_ = 100;
    DWORD speed_ = 100, volume_ = 0xFFFFFFFFu;
};

class enumerator : public sapi4::modelist {
public:
    explicit enumerator(std::vector<mode> modes) : modes_(std::move(modes)) {}

    HRESULT Select(const GUID& id, std::shared_ptr<ITTSCentral>* out, std::shared_ptr<IAudioMultiMediaDevice>) override
    {
        if (!out)
            return E_INVALIDARG;
        for (const mode& md : modes_)
            if (md.id == id) {
                try {
                    auto c = client::open("sapi4");
                    if (spd_set_synthesis_voice(c->connection(), md.voice.c_str()))
                        return E_FAIL;
                    *out = std::make_shared<central>(std::move(c));
                    return S_OK;
                } catch (const std::exception&) {
                    return E_FAIL;
                }
            }
        return E_INVALIDARG;
    }

protected:
    const std::vector<mode>& modes() const override { return modes_; }

private:
    std::vector<mode> modes_;
};

}  // namespace

std::unique_ptr<TSpVoice> createvoice()
{
    return std::make_unique<voice>();
}

std::shared_ptr<ITTSEnum> createenum()
{
    std::shared_ptr<client> c;
    try {
        c = client::open("list");
    } catch (const std::exception&) {
        return nullptr;
    }
    SPDVoice** voices = spd_list_synthesis_voices(c->connection());
    if (!voices)
        return nullptr;
    std::vector<mode> modes;
    const char* const languages[] = {"cs", "sk", "en"};
    const char* const variants[] = {"none", "female2", "male3", "klatt"};
    for (const char* language : languages)
        for (const char* variant : variants)
            for (int i = 0; voices[i]; ++i) {
                const SPDVoice& v = *voices[i];
                if (!v.name || !v.language)
                    continue;
                const std::string lang = v.language;
                const bool ours = lang == language || lang.rfind(std::string(language) + "-", 0) == 0;
                if (!ours || std::strcmp(v.variant ? v.variant : "none", variant) != 0)
                    continue;
                mode md;
                md.name = codepage::fromutf8(v.name);
                md.voice = v.name;
                std::uint64_t h = 1469598103934665603ULL;
                for (unsigned char ch : md.voice)
                    h = (h ^ ch) * 1099511628211ULL;
                std::memcpy(md.id.data(), "SPDV", 4);
                for (int b = 0; b < 8; ++b)
                    md.id[4 + b] = static_cast<std::uint8_t>(h >> (8 * b));
                md.id[12] = static_cast<std::uint8_t>(modes.size());
                modes.push_back(std::move(md));
                break;
            }
    free_spd_voices(voices);
    if (modes.empty())
        return nullptr;
    return std::make_shared<enumerator>(std::move(modes));
}

std::shared_ptr<IAudioMultiMediaDevice> createaudiodest()
{
    return std::make_shared<audio>();
}

}  // namespace speechd
