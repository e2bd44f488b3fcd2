#include "mainwindow.h"

#include "aboutbox.h"

#include "shell/errorbox.h"
#include "platform/qtext.h"
#include "input/braille.h"
#include "text/keytables.h"
#include "settings.h"

#include "platform/errors.h"
#include "platform/profile.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "platform/trace.h"
#include "program/vdrprog.h"
#include "review/languagedialog.h"
#include "text/resourcelocalizer.h"
#include "runtime/memory.h"
#include "runtime/screen.h"
#include "runtime/sound.h"
#include "runtime/vdrcommands.h"
#include "dialogs/voicedialog.h"
#include "dialogs/soundsdialog.h"
#include "speech/service.h"
#include "speech/ttsvar.h"
#include "dialogs/voices.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QSlider>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <filesystem>
#include <fstream>

bool programstarted = false;
TForm1* Form1 = nullptr;

namespace {
// The run's data file: opened around each run when it exists; nothing reads it.
std::ifstream datafile;
}  // namespace

std::string windowcaption(const std::string& executable, const std::string& title)
{
    const std::filesystem::path name = std::filesystem::path(executable).filename();
    return name.stem().string() + " - " + title;
}

TForm1::TForm1(const std::string& executable) : program(runprog)
{
    setObjectName("Form1");
    setWindowTitle("Basic interpreter");
    // The key echo marks capitals with the device's note.
    capitalnote = capitalsignal;
    setGeometry(192, 107, 500, 350);

    printmemo = new QPlainTextEdit(this);
    printmemo->setObjectName("printmemo");
    printmemo->setReadOnly(true);
    printmemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    printmemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(printmemo);
    printmemo->installEventFilter(this);
    installEventFilter(this);
    // A key pressed while another key's handler waits cuts off the speech and the note at once.
    keyturns.onhold = [] {
        guarded([] {
            stopspeech();
            if (noteplaying)
                endnote();
        });
    };

    Timer = new QTimer(this);
    Timer->setObjectName("Timer");
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
    notetimer = Timer;

    buildmenu();
    screen::onchange([this] { redrawscreen(); });
    FormCreate(executable);
}

void TForm1::buildmenu()
{
    MainMenu = menuBar();
    MainMenu->setObjectName("MainMenu");
    auto item = [this](QMenu* menu, const char* name) {
        auto* a = menu->addAction(QString());
        a->setObjectName(name);
        return a;
    };
    Programmenu = MainMenu->addMenu(QString());
    Programmenu->setObjectName("Programmenu");
    Startsubmenu = item(Programmenu, "Startsubmenu");
    Startsubmenu->setShortcut(QKeySequence("Ctrl+S"));
    exitsubmenu = item(Programmenu, "exitsubmenu");

    settingsmenu = MainMenu->addMenu(QString());
    settingsmenu->setObjectName("settingsmenu");
    braillekeyboarditem = item(settingsmenu, "braillekeyboarditem");
    braillekeyboarditem->setShortcut(QKeySequence("Ctrl+B"));
    braillekeyboarditem->setCheckable(true);
    soundssubmenu = item(settingsmenu, "soundssubmenu");
    soundssubmenu->setShortcut(QKeySequence("Ctrl+D"));
    Voicesubmenu = item(settingsmenu, "Voicesubmenu");
    Voicesubmenu->setShortcut(QKeySequence("Ctrl+H"));
    Voicesubmenu->setEnabled(false);
    usesapi5submenu = item(settingsmenu, "usesapi5submenu");
    usesapi5submenu->setShortcut(QKeySequence("Ctrl+P"));
    usesapi5submenu->setCheckable(true);
    usesapi5submenu->setVisible(false);
    environmentsubmenu = item(settingsmenu, "environmentsubmenu");
    environmentsubmenu->setShortcut(QKeySequence("Ctrl+E"));

    helpmenu = MainMenu->addMenu(QString());
    helpmenu->setObjectName("helpmenu");
    aboutsubmenu = item(helpmenu, "aboutsubmenu");

    connect(Startsubmenu, &QAction::triggered, this, [this] { StartsubmenuClick(); });
    connect(braillekeyboarditem, &QAction::triggered, this, [this](bool checked) {
        // The handler sets the check mark itself, in its place among the notes.
        braillekeyboarditem->setChecked(!checked);
        guarded([this] { braillekeyboarditemClick(); });
    });
    connect(usesapi5submenu, &QAction::triggered, this, [this](bool checked) {
        usesapi5submenu->setChecked(!checked);
        guarded([this] { usesapi5submenuClick(); });
    });
    connect(Voicesubmenu, &QAction::triggered, this, [this] { guarded([this] { VoicesubmenuClick(); }); });
    connect(soundssubmenu, &QAction::triggered, this, [this] { guarded([this] { soundssubmenuClick(); }); });
    connect(environmentsubmenu, &QAction::triggered, this, [this] { guarded([this] { environmentsubmenuClick(); }); });
    connect(exitsubmenu, &QAction::triggered, this, [this] { guarded([this] { exitsubmenuClick(); }); });
    connect(aboutsubmenu, &QAction::triggered, this, [this] { guarded([this] { aboutsubmenuClick(); }); });
}

void TForm1::FormCreate(const std::string& executable)
{
    try {
        loadlanguage();
        setWindowTitle(qtext(windowcaption(executable, message(1))));
        Programmenu->setTitle(qtext(message(2)));
        Startsubmenu->setText(qtext(message(3)));
        exitsubmenu->setText(qtext(message(33)));
        settingsmenu->setTitle(qtext(message(4)));
        braillekeyboarditem->setText(qtext(message(46)));
        soundssubmenu->setText(qtext(message(20) + "..."));
        Voicesubmenu->setText(qtext(message(38) + "..."));
        usesapi5submenu->setText(qtext(message(27)));
        environmentsubmenu->setText(qtext(message(5) + "..."));
        helpmenu->setTitle(qtext(message(34)));
        aboutsubmenu->setText(qtext(message(35)));

        screen::clear();

        voiceready = false;
        usesapi5 = false;
        programstarted = false;
        voiceallowed = false;
        vandrelsounds = true;
        sndvolume = 0;
        braillekeys = false;

        initsapi4();
        usesapi5submenu->setVisible(true);
        bool sapi5checked = false;
        bool braillechecked = false;
        loadsettings(sapi5checked, braillechecked);
        usesapi5submenu->setChecked(sapi5checked);
        braillekeyboarditem->setChecked(braillechecked);
        usesapi5 = voiceready = usesapi5submenu->isChecked();
        Voicesubmenu->setEnabled(voiceallowed && !usesapi5submenu->isChecked());

        ram.fill(0);
        loadram();

        dxsound = TDXSound::open();
        // Speech plays through the same output as the sounds.
        if (audiodest)
            audiodest->setoutput(dxsound.get());
        wavelist = std::make_unique<TDXWaveList>(*dxsound);
        ::wavelist = wavelist.get();
        loadsounds();
        if (startupended)
            return;

        brltablefile = "czech.ebt";
        loadbrltable();
        pendingprefix.clear();
        keynamefile = message(24) + ".eky";
        loadkeynames();
    } catch (const std::exception& e) {
        showerror(e.what());
    }
}

TForm1::~TForm1()
{
    freesound();
    notetimer = nullptr;
}

void TForm1::loadsounds()
{
    if (!std::filesystem::exists("sounds.dat")) {
        showmessage(message(42) + " sounds.dat");
        startupended = true;
        return;
    }
    wavelist->load("sounds.dat");
}

void TForm1::freesound()
{
    // The runtime checks the bank before every use, so nothing sounds once it is gone.
    ::wavelist = nullptr;
    if (audiodest)
        audiodest->setoutput(nullptr);
    wavelist.reset();
    dxsound.reset();
}

bool TForm1::running() const
{
    return !Startsubmenu->isEnabled();
}

void TForm1::setrunitems(bool enabled)
{
    for (QAction* a : {Startsubmenu, soundssubmenu, environmentsubmenu, Voicesubmenu, usesapi5submenu})
        a->setEnabled(enabled);
    helpmenu->menuAction()->setEnabled(enabled);
}

void TForm1::StartsubmenuClick()
{
    if (running())
        return;
    setrunitems(false);
    try {
        if (!usesapi5submenu->isChecked()) {
            // The SAPI 4 voice is made ready at the first run.
            if (voiceallowed)
                loadvoicesettings();
            if (!voiceready && voiceallowed) {
                selectvoice();
                savevoicesettings();
                loadvoicesettings();
            }
        }
        if (std::filesystem::exists("data.dta"))
            datafile.open("data.dta");
        programstarted = true;
        vdrcommands::runinit();
        program();
        vdrcommands::print(message(25), 0);
        datafile.close();
        datafile.clear();
        setrunitems(true);
        trace::end();
        emit runfinished(false);
    } catch (const runaborted&) {
        // The program is ending; the window has done its part already.
    } catch (const std::exception& e) {
        showerror(e.what());
        emit runfinished(true);
    }
}

void TForm1::exitsubmenuClick()
{
    if (!running()) {
        saveram();
        close();
    } else {
        endprocess();
    }
}

void TForm1::endprocess()
{
    saveram();
    stop();
}

void TForm1::haltprogram()
{
    halted = true;
    stop();
    throw runaborted{};
}

void TForm1::stop()
{
    freesound();
    closed = true;
    unwindrun();
    QCoreApplication::quit();
}

void TForm1::unwindrun()
{
    messages::requestend();
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void TForm1::usesapi5submenuClick()
{
    usesapi5submenu->setChecked(!usesapi5submenu->isChecked());
    const bool on = usesapi5submenu->isChecked();
    usesapi5 = on;
    voiceready = on;
    Voicesubmenu->setEnabled(!on);
    profile::writeint(settingsfile, "Voice", "SAPI5", on ? 1 : 0);
    const double first = on ? 400 : 600, second = on ? 600 : 400;
    vdrcommands::play(&first, 1, 50, 3);
    vdrcommands::play(&second, 1, 50, 3);
}

void TForm1::VoicesubmenuClick()
{
    if (!voiceallowed) {
        showmessage(message(18));
        return;
    }
    // Allowed by a settings file from elsewhere, but this machine has no engine to choose from.
    if (!ttsenum) {
        showmessage(message(40));
        return;
    }
    if (!voiceready) {
        selectvoice();
        savevoicesettings();
    }
    loadvoicesettings();
    Form4->voicelist->setFocus();
    if (Form4->exec() == QDialog::Accepted) {
        savevoicesettings();
        loadvoicesettings();
        speakwait(message(19));
    } else {
        speakwait(cptext(windowTitle()));
    }
}

void TForm1::soundssubmenuClick()
{
    TForm5& f = *Form5;
    f.voicecheckbox->setChecked(voiceallowed);
    f.vandrelsoundschk->setChecked(vandrelsounds);
    // Moving the slider sets the volume back from it, which rounds it down to a multiple of 100.
    f.sndvoltrackbar->setValue((sndvolume + 10000) / 100);
    f.sndvoltrackbar->setEnabled(vandrelsounds);
    const int remembered = sndvolume;
    f.voicecheckbox->setFocus();
    if (f.exec() != QDialog::Accepted) {
        sndvolume = remembered;
        return;
    }
    if (f.voicecheckbox->isChecked() && !voiceallowed) {
        if (ttsenum) {
            listvoices();
            selectvoice();
            savevoicesettings();
        } else {
            f.voicecheckbox->setChecked(false);
            showmessage(message(40));
        }
    }
    voiceallowed = f.voicecheckbox->isChecked();
    Voicesubmenu->setEnabled(voiceallowed);
    vandrelsounds = f.vandrelsoundschk->isChecked();
    savesettings();
}

void TForm1::environmentsubmenuClick()
{
    if (!Form3)
        return;
    TForm3& f = *Form3;
    f.setitemindex(f.indexofbase(languagebase));
    const int remembered = f.itemindex();
    f.focusgroup();
    // Cancelled, nothing is stored and nothing restored: a language picked stays in force for
    // the texts looked up from now on, until the program ends.
    if (f.exec() != QDialog::Accepted)
        return;
    savelanguage();
    if (f.itemindex() != remembered)
        showmessage(message(6));
}

void TForm1::aboutsubmenuClick()
{
    if (about)
        about->exec();
}

void TForm1::TimerTimer()
{
    endnote();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (closed) {
        event->accept();
        return;
    }
    try {
        FormClose();
    } catch (const std::exception& e) {
        // ram.dat could not be written: this ending stops and the program goes on.
        showerror(e.what());
        event->ignore();
        return;
    }
    closed = true;
    event->accept();
    // Closed by its close box during a run: every wait of the run unwinds, then the application
    // leaves its message loop.
    if (running())
        unwindrun();
    QCoreApplication::quit();
}

void TForm1::FormClose()
{
    saveram();
    freesound();
}

void TForm1::redrawscreen()
{
    QString text;
    const auto& l = screen::lines();
    for (std::size_t i = 0; i < l.size(); ++i) {
        if (i)
            text += '\n';
        text += qtext(l[i]);
    }
    printmemo->setPlainText(text);
    // Keep the output row in view for whoever watches the window.
    QTextCursor at(printmemo->document()->findBlockByNumber(scrcursor.getrow()));
    printmemo->setTextCursor(at);
    printmemo->ensureCursorVisible();
}
