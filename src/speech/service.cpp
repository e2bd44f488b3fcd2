#include "service.h"

#include "sapi5.h"
#include "ttsvar.h"

#include "text/keytables.h"
#include "text/letters.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/trace.h"

#include <chrono>
#include <cstdio>

bool usesapi5 = false;
bool voiceallowed = false;
bool voiceready = false;
bool sapi4speaking = false;
bool sapi5speaking = false;
std::set<char> wordseparators;
TSpVoice* voice5 = nullptr;
std::function<void()> capitalnote;

std::shared_ptr<ITTSEnum> ttsenum;
std::shared_ptr<IAudioMultiMediaDevice> audiodest;
std::shared_ptr<ITTSCentral> ttscentral;
std::shared_ptr<ITTSAttributes> ttsattributes;
std::unique_ptr<TTSMODEINFO> ttsmodeinfo;
ITTSBufNotifySink* bufnotifysink = nullptr;
std::shared_ptr<ITTSNotifySink> ttsnotifysink;
DWORD notifykey = 0;

namespace {

// Waits while the engine reports speech, but never longer than a text of this length can take:
// an engine that never reports the end is given up on, and the wait says so.
void waitwhilespeaking(bool& speaking, const char* engine, std::size_t length)
{
    const int limit = safetytimeoutms(length);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit);
    bool expired = false;
    messages::waitwhile([&] {
        if (!speaking)
            return false;
        if (std::chrono::steady_clock::now() < deadline)
            return true;
        expired = true;
        return false;
    });
    if (expired) {
        speaking = false;
        std::fprintf(stderr, "vandrel: the %s engine did not report the end of speech within %d s; going on\n",
                     engine, limit / 1000);
    }
}

TSpVoice& sapi5voice()
{
    if (!voice5)
        throw vdrerror("The SAPI 5 voice is missing");
    return *voice5;
}

void sapi5say(const std::string& text, int flags)
{
    trace::speak("sapi5", text);
    sapi5voice().Speak(codepage::toutf16(text), flags);
}

void sapi5speakwait(const std::string& text)
{
    if (text.empty())
        return;
    sapi5speaking = true;
    try {
        sapi5say(text, SVSFlagsAsync);
    } catch (...) {
        // No stream was started, so no end will be reported.
        sapi5speaking = false;
        throw;
    }
    waitwhilespeaking(sapi5speaking, "SAPI 5", text.size());
}

void textdata(const std::string& text)
{
    trace::speak("sapi4", text);
    const SDATA data{text.c_str(), static_cast<DWORD>(text.size() + 1)};
    sapi4::check(ttscentral->TextData(CHARSET_TEXT, 0, data, bufnotifysink, IID_ITTSBufNotifySink),
                 "TextData");
}

}  // namespace

int safetytimeoutms(std::size_t textlength)
{
    // The slowest voice says some 8 characters a second; allow three times as long, and at
    // least half a minute.
    const std::size_t ms = 30000 + textlength * 400;
    return ms > 86400000 ? 86400000 : static_cast<int>(ms);
}

void speakwait(const std::string& text)
{
    messages::checkend();
    if (usesapi5) {
        sapi5speakwait(text);
        return;
    }
    if (voiceallowed && !text.empty() && ttscentral) {
        textdata(text);
        // The flag is not set here: the wait lasts only if AudioStart came in the first pass.
        waitwhilespeaking(sapi4speaking, "SAPI 4", text.size());
    }
}

void speaknowait(const std::string& text)
{
    if (usesapi5) {
        sapi5say(text, SVSFlagsAsync);
        return;
    }
    if (voiceallowed && !text.empty() && ttscentral)
        textdata(text);
}

void speakkey(const std::string& text)
{
    if (!voiceready)
        return;
    if (text.empty() || (text.size() == 1 && text[0] == '\0'))
        return;
    if (text.size() == 1 && iscapital(text[0]) && capitalnote)
        capitalnote();
    std::string name;
    for (const echokeytype& entry : echokeys)
        if (entry.keychar == static_cast<unsigned char>(text[0])) {
            name = entry.keyname;
            break;
        }
    if (name.empty())
        return;
    if (usesapi5) {
        sapi5say(name, SVSFlagsAsync + SVSFIsXML);
        return;
    }
    if (!ttscentral)
        return;
    textdata(name);
    waitwhilespeaking(sapi4speaking, "SAPI 4", name.size());
}

void stopspeech()
{
    if (usesapi5) {
        sapi5voice().Speak(std::u16string(), SVSFPurgeBeforeSpeak);
        return;
    }
    if (voiceready && sapi4speaking && ttscentral)
        sapi4::check(ttscentral->AudioReset(), "AudioReset");
}

void injectpitch(long long value)
{
    if (!ttscentral)
        return;
    sapi4::check(ttscentral->AudioReset(), "AudioReset");
    const std::string tag = "\\Pit=" + std::to_string(value) + "\\";
    sapi4::check(ttscentral->Inject(tag.c_str()), "Inject");
}

bool sapi4available()
{
    return ttsenum != nullptr;
}

void initsapi4()
{
    ttscentral.reset();
    ttsattributes.reset();
    ttsenum.reset();
    audiodest.reset();
    ttsmodeinfo.reset();
    const sapi4::classes& classes = sapi4::registered();
    try {
        if (!classes.audiodest || !classes.enumerator)
            return;
        audiodest = classes.audiodest();
        if (!audiodest)
            return;
        ttsenum = classes.enumerator();
    } catch (const std::exception&) {
        // An engine that cannot be created is no engine: the program runs without SAPI 4.
        ttsenum.reset();
    }
}

void releasesapi4()
{
    ttsattributes.reset();
    ttscentral.reset();
    ttsmodeinfo.reset();
    ttsenum.reset();
    audiodest.reset();
    ttsnotifysink.reset();
}

HRESULT TTTSNotifySink::AttribChanged(DWORD) { return S_OK; }

HRESULT TTTSNotifySink::AudioStart(QWORD)
{
    sapi4speaking = true;
    return S_OK;
}

HRESULT TTTSNotifySink::AudioStop(QWORD)
{
    sapi4speaking = false;
    return S_OK;
}

HRESULT TTTSNotifySink::Visual(QWORD, char, char, DWORD, void*) { return S_OK; }

void voice5StartStream() { sapi5speaking = true; }
void voice5EndStream() { sapi5speaking = false; }
