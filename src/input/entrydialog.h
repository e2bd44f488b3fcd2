// The data-entry dialog that INPUT shows: a talking one-line edit box, OK and an exit button.
// Every key is echoed by name, editing keys name what they remove, caret keys read what they
// reach, edges answer with clicks and beeps, and the controls announce themselves on focus.
#pragma once

#include "platform/keyqueue.h"
#include "runtime/input.h"

#include <QDialog>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QPushButton;

// The text that the chord being typed in the dialog gives, and the prefix state saved after the
// dialog's last completed chord (kept from one showing of the dialog to the next).
extern std::string dlgpending;
extern std::string dlgprefix;
// The edit box speaks its entry when it gains the focus: false from each closing until the edit
// box has had the focus once, so the first focus of each showing is silent.
extern bool dlgannounce;
// The caret was already at an edge of the entry at the previous movement key.
extern bool dlgedge;

// What a key types, from its event's text; the key code 191 types nothing here, whatever the
// keyboard layout puts on it.
std::string keytochar(int key, const QString& text);

class TForm2 : public QDialog, public inputdialoghost {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLineEdit* inputedit;
    QPushButton* Enterbitbtn;
    QPushButton* exitprogrambtn;

    void prepare() override;
    bool showmodal() override;
    std::string text() const override;

signals:
    // The dialog has been shown (each showing once).
    void shown();
    // The exit button or Alt+F4: ram.dat is written and the program ends without returning to
    // the run.
    void exitprogram();

public:
    // Focus announcements.
    void inputeditEnter();
    void EnterbitbtnEnter();
    void exitprogrambtnEnter();
    void exitprogrambtnClick();

    // Before the edit box handles a key. Gives the character to echo, which is named once the
    // edit box has taken the key: keys typed while the name is spoken then follow it in order.
    std::string inputeditKeyDown(int key, Qt::KeyboardModifiers shift, const QString& text);
    // Braille mode: a chord's key press speaks the cell's text instead of typing the letter.
    // Returns false when the character must not reach the edit box.
    bool inputeditKeyPress(const std::string& character);
    // After the edit box has moved its caret: the braille chord's insertion, then the readings
    // and edge signals of Left, Right, Home and End.
    void inputeditKeyUp(int key, Qt::KeyboardModifiers shift);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class echoedit;
    void FormCreate();
    void FormClose();
    // A key press in the edit box; edit lets the edit box handle it.
    void keypressed(QKeyEvent* event, const std::function<void()>& edit);
    // The control that last had the focus in this showing: a control announces itself when the
    // focus comes to it from another control, not when the window is merely activated again.
    QObject* activecontrol = nullptr;
    keyqueue keyturns;
};

extern TForm2* Form2;
