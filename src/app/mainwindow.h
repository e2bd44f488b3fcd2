// The main window: the text screen, the menu, start-up and running the hosted program.
#pragma once

#include "platform/keyqueue.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QMenu;
class QPlainTextEdit;
class QTimer;
class TAboutbox;
class TDXSound;
class TDXWaveList;

// "game - Vandrel Basic Interpreter": the executable's file name without its last extension,
// " - " and the program's title.
std::string windowcaption(const std::string& executable, const std::string& title);

extern bool programstarted;

class TForm1;
extern TForm1* Form1;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const std::string& executable);
    ~TForm1() override;

    QPlainTextEdit* printmemo;
    QMenuBar* MainMenu;
    QTimer* Timer;
    std::unique_ptr<TDXSound> dxsound;
    std::unique_ptr<TDXWaveList> wavelist;

    QMenu* Programmenu;
    QAction* Startsubmenu;
    QAction* exitsubmenu;
    QMenu* settingsmenu;
    QAction* braillekeyboarditem;
    QAction* soundssubmenu;
    QAction* Voicesubmenu;
    QAction* usesapi5submenu;
    QAction* environmentsubmenu;
    QMenu* helpmenu;
    QAction* aboutsubmenu;

    // The hosted program that Program > Start runs: the translated runprog.
    std::function<void()> program;

    // The About box, created after the main window.
    TAboutbox* about = nullptr;

    // True when start-up ended the program (the wave bank is missing): no window is shown.
    bool startupended = false;
    // The program stopped itself with a message (a stored voice that no longer exists).
    bool halted = false;
    // True while Program > Start runs the hosted program.
    bool running() const;

    void StartsubmenuClick();
    void exitsubmenuClick();
    void aboutsubmenuClick();
    void TimerTimer();
    void braillekeyboarditemClick();
    void VoicesubmenuClick();
    void soundssubmenuClick();
    void usesapi5submenuClick();
    void environmentsubmenuClick();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void FormKeyPress(const std::string& character);
    void FormKeyUp(int key);
    // Loads the wave bank; without sounds.dat it says so and ends the program.
    void loadsounds();
    // Ends the program at once from inside a run: ram.dat is written, the sound objects are
    // released and every wait unwinds.
    void endprocess();
    // Ends the program at once without writing ram.dat (a stored voice that no longer exists).
    void haltprogram();

signals:
    // A run has finished or been given up (after "ready", or after an error escaped it).
    void runfinished(bool failed);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Sees every key of the window before the focused control does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(const std::string& executable);
    void FormClose();
    void freesound();
    // Releases the sound objects and ends the program without writing ram.dat.
    void stop();
    // Makes every wait of a run in progress unwind.
    void unwindrun();
    void buildmenu();
    void setrunitems(bool enabled);
    void redrawscreen();
    bool closed = false;
    keyqueue keyturns;
};
