#include "voices.h"

#include "voicedialog.h"
#include "speech/service.h"
#include "speech/ttsvar.h"

#include "platform/errors.h"
#include "platform/qtext.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

int sliderint(std::uint64_t v)
{
    return static_cast<int>(std::min<std::uint64_t>(v, INT_MAX));
}

// Maximum, minimum and position in this order, as the engine gives them: each step may move the
// position, and each move runs the slider's change handler.
void setslider(QSlider* slider, std::uint64_t max, std::uint64_t min, std::uint64_t current)
{
    slider->setMaximum(sliderint(max));
    slider->setMinimum(sliderint(min));
    slider->setValue(sliderint(current));
}

void setticks(QSlider* slider, std::uint64_t max, std::uint64_t min)
{
    // Rounded to the nearest, halves to even.
    const double spacing = std::nearbyint((static_cast<double>(max) - static_cast<double>(min)) / 10.0);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(static_cast<int>(std::clamp(spacing, 0.0, static_cast<double>(INT_MAX))));
}

// Reads one attribute's range by setting it to its extremes: the engine clamps what it cannot
// take. False when the engine does not implement the attribute.
template <class T, class Get, class Set>
bool proberange(Get get, Set set, T top, T& current, T& min, T& max)
{
    if (get(&current) == E_NOTIMPL)
        return false;
    if (set(current) == E_NOTIMPL)
        return false;
    // Other failure codes are no reason to stop: the values read stand as they are.
    set(T(0));
    get(&min);
    set(top);
    get(&max);
    set(current);
    return true;
}

}  // namespace

void listvoices()
{
    // Filling the list is the program's doing, not a choice of the user's.
    const QSignalBlocker quiet(Form4->voicelist);
    Form4->voicelist->clear();
    if (!ttsenum)
        return;
    sapi4::check(ttsenum->Reset(), "Reset");
    for (;;) {
        TTSMODEINFO info;
        DWORD fetched = 0;
        const HRESULT hr = ttsenum->Next(1, &info, &fetched);
        sapi4::check(hr, "Next");
        if (fetched == 0)
            break;
        info.szModeName[sizeof info.szModeName - 1] = '\0';
        Form4->voicelist->addItem(qtext(info.szModeName));
    }
    const int count = Form4->voicelist->count();
    if (count == 0)
        return;
    int chosen = 0;
    for (int i = 0; i < count; ++i)
        if (Form4->voicelist->item(i)->text() == QStringLiteral("Jakub")) {
            chosen = i;
            break;
        }
    Form4->choose(chosen);
    voicelistClick();
}

void voicelistClick()
{
    if (!ttsenum)
        return;
    const int index = Form4->voicelist->currentRow();
    if (index < 0)
        return;
    const bool active = Form4->active();
    if (active && ttscentral)
        sapi4::check(ttscentral->AudioReset(), "AudioReset");
    sapi4::check(ttsenum->Reset(), "Reset");
    TTSMODEINFO info;
    for (int i = 0; i <= index; ++i) {
        DWORD fetched = 0;
        sapi4::check(ttsenum->Next(1, &info, &fetched), "Next");
        if (fetched == 0)
            throw vdrerror("The SAPI 4 engine no longer has the voice " +
                           Form4->voicelist->item(index)->text().toStdString());
    }
    ttsmodeinfo = std::make_unique<TTSMODEINFO>(info);
    if (active)
        speakwait(cptext(Form4->voicelist->item(index)->text()));
}

void selectvoice()
{
    // Nothing to select without an engine or a chosen mode.
    if (!ttsenum || !ttsmodeinfo)
        return;
    if (voiceready && ttscentral)
        sapi4::check(ttscentral->UnRegister(notifykey), "UnRegister");
    bufnotifysink = nullptr;
    ttscentral.reset();
    ttsattributes.reset();
    sapi4::check(ttsenum->Select(ttsmodeinfo->gModeID, &ttscentral, audiodest), "Select");
    voiceready = true;
    sapi4::check(ttscentral->QueryInterface(IID_ITTSAttributesA, &ttsattributes), "QueryInterface");
    ITTSAttributes& a = *ttsattributes;

    DWORD speed = 0, speedmin = 0, speedmax = 0;
    if (proberange<DWORD>([&](DWORD* v) { return a.SpeedGet(v); }, [&](DWORD v) { return a.SpeedSet(v); },
                          0xFFFFFFFFu, speed, speedmin, speedmax)) {
        setslider(Form4->speedtb, speedmax, speedmin, speed);
        setticks(Form4->speedtb, speedmax, speedmin);
    }
    WORD pitch = 0, pitchmin = 0, pitchmax = 0;
    if (proberange<WORD>([&](WORD* v) { return a.PitchGet(v); }, [&](WORD v) { return a.PitchSet(v); },
                         0xFFFF, pitch, pitchmin, pitchmax)) {
        setslider(Form4->pitchtb, pitchmax, pitchmin, pitch);
        setticks(Form4->pitchtb, pitchmax, pitchmin);
    }
    DWORD volume = 0, volumemin = 0, volumemax = 0;
    if (proberange<DWORD>([&](DWORD* v) { return a.VolumeGet(v); }, [&](DWORD v) { return a.VolumeSet(v); },
                          0xFFFFFFFFu, volume, volumemin, volumemax)) {
        // The high byte of the left channel: 0 to 255 on a full-range engine.
        auto highbyte = [](DWORD v) { return (v >> 8) & 0xFF; };
        setslider(Form4->volumetb, highbyte(volumemax), highbyte(volumemin), highbyte(volume));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Form4->speedtb, Form4->speedstatic, Form4->pitchtb,
                                                      Form4->pitchstatic, Form4->volumetb, Form4->volumestatic})
        w->setEnabled(true);
    sapi4::check(ttscentral->Register(ttsnotifysink, IID_ITTSNotifySinkA, &notifykey), "Register");
}
