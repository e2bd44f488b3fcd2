// The main window's keyboard: the keys that feed INKEY$, braille chords, the braille switch.
#include "mainwindow.h"

#include "shell/errorbox.h"
#include "settings.h"

#include "input/braille.h"
#include "platform/keys.h"
#include "platform/qtext.h"
#include "review/screenreview.h"
#include "runtime/input.h"
#include "runtime/sound.h"
#include "runtime/vdrcommands.h"
#include "speech/service.h"

#include <QAction>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace {

void signal(double first, double second)
{
    vdrcommands::play(&first, 1, 50, 3);
    vdrcommands::play(&second, 1, 50, 3);
}

}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate && watched == this)
        keys::clear();
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QMainWindow::eventFilter(watched, event);
    // The keys are the program's: the read-only memo takes none of them, and so none comes back
    // to the window a second time.
    auto* k = static_cast<QKeyEvent*>(event);
    return keyturns.filter(watched, k, [&] {
        if (!keys::track(k))
            return true;
        const int code = keys::code(k);
        if (k->type() == QEvent::KeyPress) {
            guarded([&] { FormKeyDown(code, k->modifiers()); });
            if (!k->text().isEmpty())
                guarded([&] { FormKeyPress(cptext(k->text())); });
        } else {
            guarded([&] { FormKeyUp(code); });
        }
        return true;
    });
}

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (braillekeys)
        chord.clear();
    stopspeech();
    if (noteplaying)
        endnote();
    const bool withshift = shift & Qt::ShiftModifier;
    switch (key) {
    case keys::backspace:
    case keys::f6:
        keybuffer = withshift ? "\x19" : "\x08";
        break;
    case keys::enter:
    case keys::f8:
        keybuffer = "\r";
        break;
    case keys::escape:
        keybuffer = "\x1b";
        break;
    case keys::f7:
        keybuffer = "\x07";
        break;
    case keys::shift:
    case keys::ctrl:
    case keys::alt:
        keybuffer.clear();
        break;
    case keys::f4:
        if (shift & Qt::AltModifier)
            endprocess();
        break;
    case keys::left:
    case keys::up:
    case keys::right:
    case keys::down: {
        int code = 128;
        if (keys::isdown(keys::up))
            code += 1;
        if (keys::isdown(keys::down))
            code += 2;
        if (keys::isdown(keys::left))
            code += 4;
        if (keys::isdown(keys::right))
            code += 8;
        keybuffer = std::string(1, static_cast<char>(code));
        const bool space = keys::isdown(keys::space);
        if ((code == 129 || code == 130) && !withshift && !space && programstarted)
            openvirtualscreen();
        if (!keybuffer.empty())
            keybuffer[0] = static_cast<char>(static_cast<unsigned char>(keybuffer[0]) + (withshift ? 16 : 0) +
                                             (space ? 32 : 0));
        break;
    }
    default:
        break;
    }
}

void TForm1::FormKeyPress(const std::string& character)
{
    lastkeychar = character;
    if (braillekeys)
        samplechord();
}

void TForm1::FormKeyUp(int key)
{
    if (braillekeys) {
        lastkeychar = brltranslate(chord);
        chord.clear();
    }
    if (key >= 32)
        keybuffer = lastkeychar;
    lastkeychar.clear();
}

void TForm1::braillekeyboarditemClick()
{
    if (braillekeyboarditem->isChecked()) {
        braillekeyboarditem->setChecked(false);
        signal(600, 400);
    } else {
        signal(400, 600);
        braillekeyboarditem->setChecked(true);
    }
    braillekeys = braillekeyboarditem->isChecked();
    savesettings();
}
