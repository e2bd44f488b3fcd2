#include "settings.h"

#include "shell/errorbox.h"
#include "mainwindow.h"

#include "input/braille.h"

#include "platform/profile.h"
#include "text/resourcelocalizer.h"
#include "runtime/sound.h"
#include "dialogs/voicedialog.h"
#include "speech/service.h"
#include "speech/ttsvar.h"
#include "dialogs/voices.h"
#include "platform/qtext.h"

#include <QListWidget>
#include <QSlider>

#include <filesystem>

namespace fs = std::filesystem;

void loadsettings(bool& usesapi5checked, bool& braillechecked)
{
    if (fs::exists(settingsfile)) {
        voiceallowed = profile::readint(settingsfile, "voice", "voiceallowed", 1) != 0;
        vandrelsounds = profile::readint(settingsfile, "sounds", "vandrelsounds", 1) != 0;
        sndvolume = profile::readint(settingsfile, "sounds", "sndvolume", 0);
        braillekeys = profile::readint(settingsfile, "keyboard", "braillekeys", 0) != 0;
        usesapi5checked = profile::readint(settingsfile, "Voice", "sapi5", 0) != 0;
        braillechecked = braillekeys;
    } else {
        voiceallowed = sapi4available();
        profile::writeint(settingsfile, "voice", "voiceallowed", voiceallowed ? 1 : 0);
    }
}

void savesettings()
{
    profile::writeint(settingsfile, "voice", "voiceallowed", voiceallowed ? 1 : 0);
    profile::writeint(settingsfile, "sounds", "vandrelsounds", vandrelsounds ? 1 : 0);
    profile::writeint(settingsfile, "sounds", "sndvolume", sndvolume);
    profile::writeint(settingsfile, "keyboard", "braillekeys", braillekeys ? 1 : 0);
}

void loadvoicesettings()
{
    if (!voiceallowed)
        return;
    // Without an engine there is nothing to choose in (a settings file from another machine).
    if (!ttsenum)
        return;
    const std::string person = profile::readstring(settingsfile, "Voice", "person", "");
    if (person.empty())
        return;
    QListWidget* list = Form4->voicelist;
    const QString wanted = qtext(person);
    int found = -1;
    for (int i = 0; i < list->count() && found < 0; ++i)
        if (list->item(i)->text().compare(wanted, Qt::CaseInsensitive) == 0)
            found = i;
    if (found < 0) {
        showmessage(message(43) + " " + person);
        Form1->haltprogram();
        return;
    }
    Form4->choose(found);
    voicelistClick();
    selectvoice();
    // Each slider clamps the value to its range; each move gives it to the engine.
    Form4->pitchtb->setValue(profile::readint(settingsfile, "Voice", "pitch", 0));
    Form4->speedtb->setValue(profile::readint(settingsfile, "Voice", "speed", 0));
    Form4->volumetb->setValue(profile::readint(settingsfile, "Voice", "volume", 255));
}

void savevoicesettings()
{
    const QListWidgetItem* item = Form4->voicelist->currentItem();
    profile::writestring(settingsfile, "Voice", "person", item ? cptext(item->text()) : std::string());
    profile::writeint(settingsfile, "Voice", "pitch", Form4->pitchtb->value());
    profile::writeint(settingsfile, "Voice", "speed", Form4->speedtb->value());
    profile::writeint(settingsfile, "Voice", "volume", Form4->volumetb->value());
}
