// The headless driver: plays a script into the real windows from the event loop, never blocking,
// so it keeps working inside the program's nested waits and modal windows.
#pragma once

#include "script.h"

#include <QObject>
#include <QTimer>

#include <deque>

class TForm1;
class TForm2;
class QWidget;

// Answers a message box that is waiting, as a user would; true when there was one.
bool dismissmessagebox();

class driver : public QObject {
    Q_OBJECT
public:
    driver(TForm1* main, TForm2* dialog, std::vector<scriptaction> actions);
    // Chooses Program > Start and begins feeding the script.
    void start();
    // 0: every run ended and the script was used up; 1: the script ran out while the program
    // still waited for input, or the program stopped with actions left; 3: an error escaped a run
    // or the ending showed an error box.
    int exitcode() const { return code; }

private:
    void tick();
    bool step(const scriptaction& a);
    void finish(int status);
    // Answers the message boxes and closes the other modal windows that are open.
    void closewaiting();
    void choosestart();
    void sendkey(QWidget* target, const std::string& k);
    void sendchord(const std::string& dots);
    QWidget* focused() const;
    // The virtual screen is open and every key sent has been delivered: the program is waiting
    // in the review, which reads keys as INKEY$ would.
    bool reviewwaiting() const;

    TForm1* main;
    TForm2* dialog;
    std::deque<scriptaction> actions;
    QTimer poll;
    int code = 0;
    bool finishing = false;
    bool runactive = false;
    bool failed = false;
    // Showings of the data-entry dialog seen, and used by an action.
    int showings = 0;
    int usedshowings = 0;
    // Empty INKEY$ reads seen, and the count when the head `key` action began waiting.
    int emptyreads = 0;
    int keymark = -1;
    // Empty INKEY$ reads seen when the script was used up.
    int donemark = -1;
    bool idling = false;
    // Keys have been queued and not yet delivered.
    bool inflight() const;
    // Whether target's window is the active one; otherwise asks for its activation.
    bool activated(QWidget* target);
    int activationwaits = 0;
};
