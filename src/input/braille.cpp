#include "braille.h"

#include "text/keytables.h"

#include "platform/keys.h"

bool braillekeys = false;
std::string chord;
std::string pendingprefix;

namespace {
// The virtual keys of dots 1 to 6: F D S J K L.
constexpr int dotkeys[6] = {70, 68, 83, 74, 75, 76};
}  // namespace

void samplechord()
{
    chord.clear();
    for (int dot = 0; dot < 6; ++dot)
        if (keys::isdown(dotkeys[dot]))
            chord += static_cast<char>('1' + dot);
    if (chord.empty()) {
        if (keys::isdown(keys::space))
            chord = " ";
        pendingprefix.clear();
    }
}

std::string brltranslate(const std::string& dots)
{
    if (dots.empty())
        return "";
    if (dots == " ") {
        pendingprefix.clear();
        return " ";
    }
    for (int i = 1; i <= brlprefixcount; ++i)
        if (brlprefixes[i].dots == dots) {
            pendingprefix = brlprefixes[i].name;
            return "";
        }
    for (int i = 1; i <= brlcharcount; ++i)
        if (brlchars[i].dots == dots && brlchars[i].prefix == pendingprefix) {
            if (pendingprefix == "#cap")
                pendingprefix.clear();
            return brlchars[i].chars;
        }
    return "";
}
