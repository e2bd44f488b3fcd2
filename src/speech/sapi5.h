// The SAPI 5 voice that the voice dialog carries (`voice5`): speaks with the desktop's default
// voice and settings. Engines implement it (speech-dispatcher, a silent voice, test fakes).
//
// Rules every implementation keeps:
// - All calls come from the UI thread; failures throw vdrerror.
// - Each Speak that is not a bare purge is one stream; its StartStream and EndStream handlers run
//   on the UI thread, through its event queue.
// - A purge ends every stream still running or queued: each gets its EndStream.
#pragma once

#include <functional>
#include <memory>
#include <string>

constexpr int SVSFlagsAsync = 1;
constexpr int SVSFPurgeBeforeSpeak = 2;
constexpr int SVSFIsXML = 8;
constexpr int SVEAllEvents = 33790;

class TSpVoice {
public:
    virtual ~TSpVoice() = default;
    // The first use: attaches to the engine. Throws when it cannot be reached.
    virtual void setEventInterests(int interests) = 0;
    // text is UTF-16; flags as above. With SVSFIsXML the text is markup.
    virtual void Speak(const std::u16string& text, int flags) = 0;

    std::function<void()> OnStartStream;
    std::function<void()> OnEndStream;
};

namespace sapi5 {

// The SAPI 5 voice class this program instance can create; none registered, or a null result,
// is a missing SAPI 5 object.
void registerclass(std::function<std::unique_ptr<TSpVoice>()> create);
std::unique_ptr<TSpVoice> create();

}  // namespace sapi5
