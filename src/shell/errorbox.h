// The standard error box and the plain message box. Both are modal; both are traced.
#pragma once

#include <string>

class QWidget;

// Shows text (UTF-8) in the error box.
void showerror(const std::string& utf8text);
// Shows a message (code page 1250) in a message box.
void showmessage(const std::string& cp1250text);

#include "platform/messages.h"

#include <exception>

// Runs a handler that Qt calls, so that no exception crosses Qt's event loop: an error is shown
// in the error box; an ending in progress unwinds quietly.
template <class F>
void guarded(F&& handler)
{
    try {
        handler();
    } catch (const runaborted&) {
    } catch (const std::exception& e) {
        showerror(e.what());
    }
}
