// The SAPI 4 text-to-speech interfaces that the speech service talks to: the mode enumerator,
// the selected mode (central), its attributes, the audio destination and the notification sink.
// Engines implement them (eSpeak NG, speech-dispatcher, a silent engine, test fakes); the
// program creates them through the class registry below, as it would create COM objects.
//
// Rules every engine keeps:
// - All calls come from the UI thread.
// - Notifications reach the registered sinks on the UI thread, through its event queue, in the
//   order the engine made them; AudioStart and AudioStop alternate.
// - TextData on an engine that plays nothing returns only once the text's first samples have
//   been handed to the audio output (or the text proved silent), with its AudioStart already
//   queued, so whoever processes messages once afterwards sees the audio running.
// - AudioReset silences the output before it returns and queues AudioStop when audio was running.
// - UnRegister of a sink, and the release of a mode, while audio runs queue AudioStop to the sink,
//   so no waiter is left waiting for an end that cannot come.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using HRESULT = std::int32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using QWORD = std::uint64_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);

inline bool failed(HRESULT hr) { return hr < 0; }

using GUID = std::array<std::uint8_t, 16>;

// The published SAPI 4 identifiers the program passes.
GUID guidfromtext(const char* text);  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
extern const GUID IID_ITTSNotifySinkA;
extern const GUID IID_ITTSAttributesA;
extern const GUID IID_ITTSBufNotifySink;

constexpr int CHARSET_TEXT = 0;

// The two fields of a mode record that the program uses. Names are code page 1250.
struct TTSMODEINFO {
    GUID gModeID{};
    char szModeName[262]{};
};

struct SDATA {
    const void* pData;
    DWORD dwSize;
};

class ITTSNotifySink {
public:
    virtual ~ITTSNotifySink() = default;
    virtual HRESULT AttribChanged(DWORD attribute) = 0;
    virtual HRESULT AudioStart(QWORD timestamp) = 0;
    virtual HRESULT AudioStop(QWORD timestamp) = 0;
    virtual HRESULT Visual(QWORD timestamp, char cipa, char cenglish, DWORD hints, void* mouth) = 0;
};

// Never implemented by the program: TextData always gets a null one.
class ITTSBufNotifySink;

class ITTSAttributes {
public:
    virtual ~ITTSAttributes() = default;
    virtual HRESULT PitchGet(WORD* pitch) = 0;
    virtual HRESULT PitchSet(WORD pitch) = 0;
    virtual HRESULT SpeedGet(DWORD* speed) = 0;
    virtual HRESULT SpeedSet(DWORD speed) = 0;
    // Low 16 bits: left channel; high 16 bits: right channel.
    virtual HRESULT VolumeGet(DWORD* volume) = 0;
    virtual HRESULT VolumeSet(DWORD volume) = 0;
};

class ITTSCentral {
public:
    virtual ~ITTSCentral() = default;
    // A zero-terminated control tag: "\Pit=n\", "\Spd=n\" or "\Vol=n\".
    virtual HRESULT Inject(const char* tag) = 0;
    virtual HRESULT TextData(int charset, DWORD flags, SDATA text, ITTSBufNotifySink* bufsink,
                             const GUID& iid) = 0;
    virtual HRESULT AudioReset() = 0;
    virtual HRESULT Register(std::shared_ptr<ITTSNotifySink> sink, const GUID& iid, DWORD* key) = 0;
    virtual HRESULT UnRegister(DWORD key) = 0;
    // QueryInterface for IID_ITTSAttributesA.
    virtual HRESULT QueryInterface(const GUID& iid, std::shared_ptr<ITTSAttributes>* out) = 0;
};

// Where a selected mode plays. The program's sound output is bound to it once it exists.
class TDXSound;
class IAudioMultiMediaDevice {
public:
    virtual ~IAudioMultiMediaDevice() = default;
    // Plays on this output from now on (null: nowhere, keeping time as if it played).
    virtual void setoutput(TDXSound* output) = 0;
};

class ITTSEnum {
public:
    virtual ~ITTSEnum() = default;
    // Copies up to count records; S_FALSE when fewer than count were left.
    virtual HRESULT Next(DWORD count, TTSMODEINFO* modes, DWORD* fetched) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Select(const GUID& mode, std::shared_ptr<ITTSCentral>* central,
                           std::shared_ptr<IAudioMultiMediaDevice> audio) = 0;
};

namespace sapi4 {

// One mode (voice) of an engine.
struct mode {
    std::string name;   // code page 1250, as the voice list shows it
    std::string voice;  // the engine's own name for it
    GUID id{};
};

// An enumerator that walks a list of modes; each engine adds how a mode is selected.
class modelist : public ITTSEnum {
public:
    HRESULT Next(DWORD count, TTSMODEINFO* out, DWORD* fetched) override;
    HRESULT Reset() override;

protected:
    virtual const std::vector<mode>& modes() const = 0;

private:
    std::size_t position_ = 0;
};

// The engine classes this program instance can create: the enumerator and the multimedia audio
// destination. A missing factory, a null result or an exception is a creation failure.
struct classes {
    std::function<std::shared_ptr<ITTSEnum>()> enumerator;
    std::function<std::shared_ptr<IAudioMultiMediaDevice>()> audiodest;
};
void registerclasses(classes c);
const classes& registered();

// The text of a failure code, "0x80004005".
std::string codetext(HRESULT hr);
// Throws vdrerror naming the call and the code when hr is a failure.
void check(HRESULT hr, const char* call);

// Parses a control tag; false for anything else. name is "Pit", "Spd" or "Vol".
bool parsetag(const char* tag, std::string& name, std::uint64_t& value);

// The text that TextData was handed, up to its terminating zero, with control bytes as spaces
// (they are no speech); false for a character set other than plain text or a missing buffer.
bool textdata(int charset, const SDATA& text, std::string& out);

// The time stamps that notifications carry: nanoseconds of the steady clock.
QWORD timestamp();

}  // namespace sapi4
