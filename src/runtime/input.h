// INPUT and INKEY$: the entry in progress and the one-key buffer.
#pragma once

#include <functional>
#include <string>

// What is left of the last accepted entry, not yet handed to an input call.
extern std::string pendinginput;
// The key waiting for inkey; every key event replaces it, there is no queue.
extern std::string keybuffer;
// The character of the main window's last key press (in braille mode the chord's text), handed
// to keybuffer when the key is released.
extern std::string lastkeychar;

// The data-entry dialog as the runtime sees it.
class inputdialoghost {
public:
    virtual ~inputdialoghost() = default;
    // Empties the edit box and makes it the dialog's active control.
    virtual void prepare() = 0;
    // Shows the dialog modally; true when it was closed with OK.
    virtual bool showmodal() = 0;
    virtual std::string text() const = 0;
};

void setinputdialog(inputdialoghost* host);
// Called whenever inkey finds no key: the program is waiting for one.
void oninkeyempty(std::function<void()> f);
