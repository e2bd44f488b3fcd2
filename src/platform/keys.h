// Key codes and key state. Handlers compare the device's virtual-key numbers (8 Backspace,
// 13 Enter, 16 Shift, 17 Ctrl, 18 Alt, 27 Escape, 32 space, 35-40 End Home and arrows,
// 46 Delete, 65-90 letters, 112-123 F1-F12, 191 slash ...), not Qt's key values.
#pragma once

#include <QKeyEvent>

namespace keys {

constexpr int backspace = 8, enter = 13, shift = 16, ctrl = 17, alt = 18, escape = 27, space = 32,
              end = 35, home = 36, left = 37, up = 38, right = 39, down = 40, del = 46, f1 = 112,
              f2 = 113, f4 = 115, f6 = 117, f7 = 118, f8 = 119, slash = 191;

// The virtual-key number of a Qt key; 255 for a key that has none of its own.
int code(int qtkey);
inline int code(const QKeyEvent* e) { return code(e->key()); }

// The key state as of the key event being handled: the forms feed it with their own key
// presses and releases (auto-repeat releases are not releases).
void press(int vk);
void release(int vk);
bool isdown(int vk);
// Forgets every key, for instance when the window loses the keyboard.
void clear();

// Feeds the tracker from a key event. True when key handlers should see the event: a press
// (auto-repeats included) or a real release.
bool track(const QKeyEvent* e);

}  // namespace keys
