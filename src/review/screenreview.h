// The virtual screen window: reads the text screen back line by line, word by word and
// character by character, while the hosted program waits.
#pragma once

#include "reading.h"

#include "platform/keyqueue.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The caret was already at an edge of the text at the previous movement key: the next push
// against an edge clicks. Shared by the vertical and horizontal keys, kept between openings.
extern bool scredge;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    QPlainTextEdit* virtualscrmemo;
    QPushButton* closebitbtn;

    // Gives the memo a fresh copy of the screen and puts the caret at its start.
    void setcopy(const screencopy& copy);
    const screencopy& copy() const { return screen; }
    // The caret's position in the copy's text.
    std::size_t caret() const;
    // Sounding the signal of its opening (with the announcement) or of its closing: keys sent
    // now would land in the middle of it.
    bool signalling() const { return announcing; }

    // Before the memo moves its caret: cuts off speech, F2 tells the position, Escape closes.
    void virtualscrmemoKeyDown(int key);
    // After the memo has moved its caret: reads the line, character or word reached.
    void virtualscrmemoKeyUp(int key, bool ctrl);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    // Click on the second push against an edge.
    void edge(bool atedge);

    screencopy screen;
    bool announcing = false;
    keyqueue keyturns;
    friend void openvirtualscreen();
};

extern TForm6* Form6;

// Opens the virtual screen over the text screen, unless memory cell 50730 holds 1, with its
// two-note signal and spoken announcements.
void openvirtualscreen();
