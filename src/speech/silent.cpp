#include "silent.h"

#include "uithread.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace silent {
namespace {

const GUID modeid = guidfromtext("{5117E000-0000-0000-0000-000000000001}");

class audio : public IAudioMultiMediaDevice {
public:
    void setoutput(TDXSound*) override {}
};

class central : public ITTSCentral, public ITTSAttributes, public std::enable_shared_from_this<central> {
public:
    HRESULT Inject(const char* tag) override
    {
        std::string name;
        std::uint64_t value = 0;
        if (!sapi4::parsetag(tag, name, value))
            return E_INVALIDARG;
        if (name == "Pit")
            pitch_ = static_cast<WORD>(std::min<std::uint64_t>(value, 100));
        else if (name == "Spd")
            speed_ = static_cast<DWORD>(std::clamp<std::uint64_t>(value, 80, 450));
        else
            volume_ = static_cast<DWORD>(std::min<std::uint64_t>(value, 0xFFFF)) * 0x10001u;
        return S_OK;
    }

    HRESULT TextData(int charset, DWORD, SDATA text, ITTSBufNotifySink*, const GUID&) override
    {
        if (charset != CHARSET_TEXT || (!text.pData && text.dwSize))
            return E_INVALIDARG;
        if (text.dwSize == 0 || static_cast<const char*>(text.pData)[0] == '\0')
            return S_OK;
        std::vector<std::shared_ptr<ITTSNotifySink>> to;
        for (const auto& [key, sink] : sinks_)
            to.push_back(sink);
        const QWORD stamp = sapi4::timestamp();
        uithread::post([to, stamp] {
            for (const auto& sink : to)
                sink->AudioStart(stamp);
            for (const auto& sink : to)
                sink->AudioStop(stamp);
        });
        return S_OK;
    }

    HRESULT AudioReset() override { return S_OK; }

    HRESULT Register(std::shared_ptr<ITTSNotifySink> sink, const GUID& iid, DWORD* key) override
    {
        if (!sink || !key || iid != IID_ITTSNotifySinkA)
            return E_INVALIDARG;
        *key = next_++;
        sinks_[*key] = std::move(sink);
        return S_OK;
    }

    HRESULT UnRegister(DWORD key) override { return sinks_.erase(key) ? S_OK : E_INVALIDARG; }

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<ITTSAttributes>* out) override
    {
        if (!out || iid != IID_ITTSAttributesA)
            return E_NOINTERFACE;
        *out = std::shared_ptr<ITTSAttributes>(shared_from_this(), static_cast<ITTSAttributes*>(this));
        return S_OK;
    }

    HRESULT PitchGet(WORD* p) override { return *p = pitch_, S_OK; }
    HRESULT PitchSet(WORD p) override { return pitch_ = std::min<WORD>(p, 100), S_OK; }
    HRESULT SpeedGet(DWORD* s) override { return *s = speed_, S_OK; }
    HRESULT SpeedSet(DWORD s) override { return speed_ = std::clamp<DWORD>(s, 80, 450), S_OK; }
    HRESULT VolumeGet(DWORD* v) override { return *v = volume_, S_OK; }
    HRESULT VolumeSet(DWORD v) override { return volume_ = v, S_OK; }

private:
    WORD pitch_ = 50;
    DWORD speed_ = 175, volume_ = 0xFFFFFFFFu;
    std::map<DWORD, std::shared_ptr<ITTSNotifySink>> sinks_;
    DWORD next_ = 1;
};

class enumerator : public sapi4::modelist {
public:
    HRESULT Select(const GUID& id, std::shared_ptr<ITTSCentral>* out,
                   std::shared_ptr<IAudioMultiMediaDevice>) override
    {
        if (!out || id != modeid)
            return E_INVALIDARG;
        *out = std::make_shared<central>();
        return S_OK;
    }

protected:
    const std::vector<sapi4::mode>& modes() const override
    {
        static const std::vector<sapi4::mode> one = {{"Silent", "silent", modeid}};
        return one;
    }
};

class voice : public TSpVoice {
public:
    voice() : alive_(std::make_shared<int>(0)) {}
    void setEventInterests(int) override {}
    void Speak(const std::u16string& text, int flags) override
    {
        if ((flags & SVSFPurgeBeforeSpeak) && text.empty())
            return;
        std::weak_ptr<int> alive = alive_;
        uithread::post([this, alive] {
            if (alive.expired())
                return;
            if (OnStartStream)
                OnStartStream();
            if (OnEndStream)
                OnEndStream();
        });
    }

private:
    std::shared_ptr<int> alive_;
};

}  // namespace

std::shared_ptr<ITTSEnum> createenum() { return std::make_shared<enumerator>(); }
std::shared_ptr<IAudioMultiMediaDevice> createaudiodest() { return std::make_shared<audio>(); }
std::unique_ptr<TSpVoice> createvoice() { return std::make_unique<voice>(); }

}  // namespace silent
