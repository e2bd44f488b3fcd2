#include "keyqueue.h"

#include "messages.h"

#include <QApplication>
#include <QWidget>

namespace {

// Clears a flag when the scope ends, also when a handler throws.
struct raised {
    bool& flag;
    explicit raised(bool& f) : flag(f) { flag = true; }
    ~raised() { flag = false; }
};

}  // namespace

bool keyqueue::filter(QObject* receiver, QKeyEvent* event, const std::function<bool()>& handle)
{
    if (running) {
        held.push_back({receiver, std::unique_ptr<QKeyEvent>(event->clone())});
        event->accept();
        if (event->type() == QEvent::KeyPress && onhold)
            onhold();
        return true;
    }
    {
        const raised turn(running);
        if (!handle()) {
            // QObject::event is public, QWidget's override is not: call it through the base.
            static_cast<QObject*>(receiver)->event(event);
        }
    }
    drain();
    return true;
}

void keyqueue::drain()
{
    // Only the outermost turn drains, so held keys never nest either.
    if (draining)
        return;
    const raised turn(draining);
    while (!held.empty()) {
        if (messages::ending()) {
            held.clear();
            break;
        }
        heldkey k = std::move(held.front());
        held.pop_front();
        // A key meant for a window that has closed meanwhile goes where the keyboard is now,
        // as it would had it been typed a moment later.
        QObject* to = k.receiver;
        if (auto* w = qobject_cast<QWidget*>(to); w && !w->isVisible())
            to = QApplication::focusWidget();
        if (to)
            QCoreApplication::sendEvent(to, k.event.get());
    }
}
