// Key echo latency of the real speech path: a braille key pressed in the data-entry dialog is
// spoken by eSpeak NG through the program's OpenAL output.
//   key -> samples: from the key event to the first samples of its name handed to the output;
//   stop -> silence: from stopspeech to the output stopped with nothing queued.
// Prints p50 and p99 of each, and the output device's own latency, which comes on top of both.
// Runs on the system's default OpenAL device, or on its null device when ALSOFT_DRIVERS=null.
#include "input/braille.h"
#include "input/entrydialog.h"
#include "text/keytables.h"
#include "platform/sound.h"
#include "speech/espeak.h"
#include "speech/service.h"
#include "speech/ttsvar.h"

#include <AL/alc.h>
#include <AL/alext.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

struct stampsink : ITTSNotifySink {
    QWORD started = 0, stopped = 0;
    HRESULT AttribChanged(DWORD) override { return S_OK; }
    HRESULT AudioStart(QWORD t) override { return started = t, S_OK; }
    HRESULT AudioStop(QWORD t) override { return stopped = t, S_OK; }
    HRESULT Visual(QWORD, char, char, DWORD, void*) override { return S_OK; }
};

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * (v.size() - 1) + 0.5)];
}

void key(QWidget* w, QEvent::Type type)
{
    QKeyEvent e(type, Qt::Key_F, Qt::NoModifier, "f");
    QApplication::sendEvent(w, &e);
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    std::filesystem::current_path(VANDREL_RUN_DIR);
    brltablefile = "czech.ebt";
    keynamefile = "czech.eky";
    loadbrltable();
    loadkeynames();

    ttsenum = espeakng::createenum();
    if (!ttsenum) {
        std::fprintf(stderr, "keyecho: eSpeak NG cannot start\n");
        return 1;
    }
    audiodest = espeakng::createaudiodest();
    auto sound = TDXSound::open();
    if (sound->mode() != TDXSound::kind::device) {
        std::fprintf(stderr, "keyecho: no OpenAL device (try ALSOFT_DRIVERS=null)\n");
        return 1;
    }
    audiodest->setoutput(sound.get());
    TTSMODEINFO czech;
    DWORD fetched = 0;
    ttsenum->Reset();
    ttsenum->Next(1, &czech, &fetched);
    ttsenum->Select(czech.gModeID, &ttscentral, audiodest);
    ttsnotifysink = std::make_shared<TTTSNotifySink>();
    auto stamps = std::make_shared<stampsink>();
    DWORD k = 0;
    ttscentral->Register(ttsnotifysink, IID_ITTSNotifySinkA, &k);
    ttscentral->Register(stamps, IID_ITTSNotifySinkA, &k);
    voiceallowed = voiceready = true;
    braillekeys = true;

    TForm2 dialog;
    QWidget* edit = dialog.inputedit;
    std::vector<double> tosamples, tosilence;
    for (int i = 0; i < rounds; ++i) {
        QWORD stopcalled = 0;
        // The name is cut off while it is being said, as the next key would.
        QTimer::singleShot(30, [&] {
            stopcalled = sapi4::timestamp();
            stopspeech();
        });
        const QWORD pressed = sapi4::timestamp();
        key(edit, QEvent::KeyPress);
        key(edit, QEvent::KeyRelease);
        if (stamps->started < pressed || stamps->stopped < stopcalled || !stopcalled) {
            std::fprintf(stderr, "keyecho: round %d heard no key name\n", i);
            return 1;
        }
        tosamples.push_back((stamps->started - pressed) / 1e6);
        tosilence.push_back((stamps->stopped - stopcalled) / 1e6);
    }

    ALCint64SOFT latency = -1;
    if (sound->makecurrent()) {
        ALCdevice* device = alcGetContextsDevice(alcGetCurrentContext());
        if (alcIsExtensionPresent(device, "ALC_SOFT_device_clock")) {
            auto get = reinterpret_cast<LPALCGETINTEGER64VSOFT>(alcGetProcAddress(device, "alcGetInteger64vSOFT"));
            if (get)
                get(device, ALC_DEVICE_LATENCY_SOFT, 1, &latency);
        }
    }
    std::printf("key echo over %d keys\n", rounds);
    std::printf("  key -> first samples at the output: p50 %.3f ms, p99 %.3f ms\n", percentile(tosamples, 0.5),
                percentile(tosamples, 0.99));
    std::printf("  stopspeech -> output silent:        p50 %.3f ms, p99 %.3f ms\n", percentile(tosilence, 0.5),
                percentile(tosilence, 0.99));
    if (latency >= 0)
        std::printf("  output device latency on top:       %.3f ms\n", latency / 1e6);
    audiodest->setoutput(nullptr);
    releasesapi4();
    return 0;
}
