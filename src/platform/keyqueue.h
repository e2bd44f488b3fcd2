// Keys handled one at a time per window. A key handler may wait (for its echo to be spoken, for
// a note), and the wait handles window messages, so the next key would run inside it, and a burst
// of keys would nest one handler in the other until the stack runs out. A key that arrives while
// a handler of the same window runs is held instead, and handled, in order, once that handler has
// returned; it still cuts off what is being said at once.
#pragma once

#include <QKeyEvent>
#include <QPointer>

#include <deque>
#include <functional>
#include <memory>

class keyqueue {
public:
    // Called from the window's event filter for a key event to receiver. handle() does the
    // window's own steps and gives true when the event is consumed by them; otherwise the
    // receiver then handles the event itself, still inside this queue's turn. Gives the filter's
    // answer: true once the event has been handled or held.
    bool filter(QObject* receiver, QKeyEvent* event, const std::function<bool()>& handle);

    // Runs at once for a key press that is held (for instance, to cut off the speech).
    std::function<void()> onhold;

    // Whether a key handler of this window is running.
    bool busy() const { return running; }
    // Forgets the held keys (the program is ending).
    void clear() { held.clear(); }

private:
    struct heldkey {
        QPointer<QObject> receiver;
        std::unique_ptr<QKeyEvent> event;
    };
    void drain();

    std::deque<heldkey> held;
    bool running = false;
    bool draining = false;
};
