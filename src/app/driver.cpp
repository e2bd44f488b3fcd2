#include "driver.h"

#include "mainwindow.h"

#include "input/entrydialog.h"
#include "platform/messages.h"
#include "review/screenreview.h"
#include "runtime/input.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <cstdio>
#include <map>

namespace {

// Poll often enough that scripted play is quick, rarely enough that a waiting program stays idle.
constexpr int pollms = 10;
// Polls that keys wait for their window to be activated.
constexpr int maxactivationwaits = 50;

const std::map<std::string, Qt::Key> namedkeys = {
    {"Enter", Qt::Key_Return}, {"Escape", Qt::Key_Escape}, {"Backspace", Qt::Key_Backspace},
    {"Delete", Qt::Key_Delete}, {"Space", Qt::Key_Space},   {"Up", Qt::Key_Up},
    {"Down", Qt::Key_Down},     {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},
    {"Home", Qt::Key_Home},     {"End", Qt::Key_End},       {"F1", Qt::Key_F1},
    {"F2", Qt::Key_F2},         {"F3", Qt::Key_F3},         {"F4", Qt::Key_F4},
    {"F5", Qt::Key_F5},         {"F6", Qt::Key_F6},         {"F7", Qt::Key_F7},
    {"F8", Qt::Key_F8},         {"F9", Qt::Key_F9},         {"F10", Qt::Key_F10},
    {"F11", Qt::Key_F11},       {"F12", Qt::Key_F12}};

// The braille dot keys, dot 1 to dot 6.
const char* const dotkeys = "FDSJKL";

struct keystroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

keystroke parsekey(const std::string& k)
{
    keystroke s{Qt::Key_unknown, Qt::NoModifier, QString()};
    std::string rest = k;
    const std::pair<const char*, Qt::KeyboardModifier> mods[] = {
        {"Shift+", Qt::ShiftModifier}, {"Ctrl+", Qt::ControlModifier}, {"Alt+", Qt::AltModifier}};
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, mod] : mods) {
            const std::string p = prefix;
            if (rest.size() > p.size() && rest.compare(0, p.size(), p) == 0) {
                s.modifiers |= mod;
                rest = rest.substr(p.size());
                found = true;
            }
        }
    }
    if (auto it = namedkeys.find(rest); it != namedkeys.end()) {
        s.key = it->second;
        if (s.key == Qt::Key_Space)
            s.text = " ";
        else if (s.key == Qt::Key_Return)
            s.text = "\r";
        else if (s.key == Qt::Key_Escape)
            s.text = QString(QChar(27));
        else if (s.key == Qt::Key_Backspace)
            s.text = "\b";
        return s;
    }
    const QString ch = QString::fromStdString(rest);
    s.key = static_cast<Qt::Key>(ch.toUpper().at(0).unicode());
    s.text = (s.modifiers & Qt::ShiftModifier) ? ch.toUpper() : ch;
    if (s.modifiers & (Qt::ControlModifier | Qt::AltModifier)) {
        // A control chord types the control character of a letter and nothing for the rest.
        const QChar up = ch.toUpper().at(0);
        s.text = (s.modifiers & Qt::ControlModifier) && up >= 'A' && up <= 'Z'
                     ? QString(QChar(up.unicode() - 'A' + 1))
                     : QString();
    }
    return s;
}

// Queues the key as the window system does, so menu shortcuts, modal windows and the focus
// treat it as a user's key.
void post(QWidget* target, QEvent::Type type, const keystroke& s)
{
    QWindow* window = target ? target->window()->windowHandle() : nullptr;
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, type, s.key, s.modifiers, s.text);
}

}  // namespace

driver::driver(TForm1* m, TForm2* d, std::vector<scriptaction> a)
    : main(m), dialog(d), actions(a.begin(), a.end())
{
    connect(dialog, &TForm2::shown, this, [this] { ++showings; });
    connect(main, &TForm1::runfinished, this, [this](bool error) {
        runactive = false;
        failed = failed || error;
    });
    oninkeyempty([this] { ++emptyreads; });
    connect(&poll, &QTimer::timeout, this, [this] { tick(); });
}

void driver::start()
{
    choosestart();
    poll.start(pollms);
}

void driver::choosestart()
{
    runactive = true;
    // Posted, so the run goes on inside its own callback while the driver keeps polling.
    QTimer::singleShot(0, main, [this] { main->Startsubmenu->trigger(); });
}

QWidget* driver::focused() const
{
    // A modal window takes the keys even before it is activated, and without a window manager
    // a window shown again may never be: the keys go to the control it gave the focus to.
    QWidget* w = QApplication::focusWidget();
    // A window just hidden (the entry dialog after Enter) may keep the focus until the window
    // system has moved the activation: its keys would be lost.
    if (w && !w->window()->isVisible())
        w = nullptr;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && (!w || w->window() != modal))
        return modal->focusWidget() ? modal->focusWidget() : modal;
    return w ? w : main;
}

void driver::sendkey(QWidget* target, const std::string& k)
{
    const keystroke s = parsekey(k);
    post(target, QEvent::KeyPress, s);
    post(target, QEvent::KeyRelease, s);
}

bool driver::activated(QWidget* target)
{
    // Where no window manager runs, nothing activates a window that was shown again, or gives
    // the activation back when the one over it closes: the driver does, as a window manager
    // would, and lets the keys wait until it has come, so shortcuts and the focus answer them
    // as they answer a user. A window that is never activated gets the keys after a while.
    QWindow* window = target->window()->windowHandle();
    if (!window || QGuiApplication::focusWindow() == window || ++activationwaits > maxactivationwaits) {
        activationwaits = 0;
        return true;
    }
    window->requestActivate();
    return false;
}

bool driver::inflight() const
{
    return QWindowSystemInterface::windowSystemEventsQueued() > 0;
}

bool driver::reviewwaiting() const
{
    return Form6 && Form6->isVisible() && !Form6->signalling() && !inflight();
}

void driver::sendchord(const std::string& dots)
{
    std::vector<keystroke> keys;
    if (dots == "space")
        keys.push_back({Qt::Key_Space, Qt::NoModifier, " "});
    else
        for (char d : dots) {
            const char letter = dotkeys[d - '1'];
            keys.push_back({static_cast<Qt::Key>(letter), Qt::NoModifier, QString(QChar(letter).toLower())});
        }
    QWidget* target = focused();
    for (const auto& s : keys)
        post(target, QEvent::KeyPress, s);
    for (const auto& s : keys)
        post(target, QEvent::KeyRelease, s);
}

bool dismissmessagebox()
{
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        box->accept();
        return true;
    }
    return false;
}

void driver::tick()
{
    if (finishing) {
        closewaiting();
        return;
    }
    if (idling)
        return;
    if (dismissmessagebox())
        return;
    if (failed) {
        finish(3);
        return;
    }
    while (!actions.empty() && step(actions.front())) {
        actions.pop_front();
        if (idling)
            return;
    }
    // The keys sent last are answered before the driver looks at what the program does.
    if (inflight())
        return;
    if (!actions.empty()) {
        // An action that needs a running program can never be carried out once none runs.
        const auto w = actions.front().what;
        const bool needsrun = w == scriptaction::type || w == scriptaction::close ||
                              w == scriptaction::dialog || w == scriptaction::key;
        if (needsrun && !runactive && !main->running())
            finish(1);
        return;
    }
    if (!runactive) {
        finish(0);
        return;
    }
    // The script is used up while the program runs: once it waits for input, it is ended.
    if (donemark < 0) {
        donemark = emptyreads;
        return;
    }
    if ((dialog->isVisible() && showings > usedshowings) || emptyreads > donemark || reviewwaiting())
        finish(1);
}

// Carries out the head action if it can; false while it has to wait.
bool driver::step(const scriptaction& a)
{
    // A key goes to the window that has the focus once the keys before it have been delivered:
    // one of them may have opened a window.
    // Keys wait while the virtual screen sounds its opening or closing signal.
    const bool keyaction = a.what == scriptaction::key || a.what == scriptaction::press || a.what == scriptaction::chord;
    if (keyaction && (inflight() || (Form6 && Form6->signalling())))
        return false;
    if (keyaction && !activated(focused()))
        return false;
    const bool dialogready = dialog->isVisible() && showings > usedshowings;
    switch (a.what) {
    case scriptaction::type: {
        if (!dialogready || !activated(dialog))
            return false;
        usedshowings = showings;
        QLineEdit* edit = dialog->inputedit;
        const QString text = QString::fromStdString(a.arg);
        for (QChar c : text) {
            const keystroke s{static_cast<Qt::Key>(c.toUpper().unicode()),
                              c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c)};
            post(edit, QEvent::KeyPress, s);
            post(edit, QEvent::KeyRelease, s);
        }
        sendkey(edit, "Enter");
        return true;
    }
    case scriptaction::close:
        if (!dialogready)
            return false;
        usedshowings = showings;
        dialog->close();
        return true;
    case scriptaction::dialog:
        // Leaves the showing to the action after it, which types into the same dialog.
        return dialogready;
    case scriptaction::key:
        if (reviewwaiting()) {
            keymark = -1;
            sendkey(focused(), a.arg);
            return true;
        }
        if (keymark < 0)
            keymark = emptyreads;
        if (emptyreads <= keymark)
            return false;
        keymark = -1;
        sendkey(focused(), a.arg);
        return true;
    case scriptaction::press:
        sendkey(focused(), a.arg);
        return true;
    case scriptaction::chord:
        sendchord(a.arg);
        return true;
    case scriptaction::start:
        if (runactive || main->running())
            return false;
        choosestart();
        return true;
    case scriptaction::idle:
        idling = true;
        QTimer::singleShot(a.ms, this, [this] { idling = false; });
        return true;
    }
    return true;
}

void driver::finish(int status)
{
    finishing = true;
    code = status;
    if (!actions.empty())
        std::fprintf(stderr, "vandrel: the program stopped with %zu script actions left (line %d)\n",
                     actions.size(), actions.front().line);
    // Closing the main window as a user would writes ram.dat and ends any run in progress. A
    // window still open would hold the ending, so it is closed first; an error box that the
    // ending shows is answered by the poll.
    QTimer::singleShot(0, main, [this] {
        // Every wait unwinds quietly, the windows closed here included.
        messages::requestend();
        closewaiting();
        // A failed ending (ram.dat could not be written) leaves the window open: the driver
        // leaves all the same.
        main->close();
        closewaiting();
        QCoreApplication::exit(code);
    });
}

void driver::closewaiting()
{
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            // Message boxes are traced when they show.
            if (box->icon() == QMessageBox::Critical)
                code = 3;
            box->accept();
        } else {
            std::fprintf(stderr, "vandrel: closing the window \"%s\" that was still open\n",
                         modal->windowTitle().toUtf8().constData());
            modal->close();
        }
        // Closed, the window has left the modal stack even before its loop has returned.
        if (QApplication::activeModalWidget() == modal)
            break;
    }
}
