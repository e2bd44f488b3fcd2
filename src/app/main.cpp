// vandrel: starts the application, creates its windows in their fixed order and runs the message
// loop; with --script it plays headless under the driver.
#include "aboutbox.h"
#include "driver.h"
#include "shell/errorbox.h"
#include "mainwindow.h"
#include "options.h"
#include "settings.h"

#include "input/entrydialog.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/trace.h"
#include "review/languagedialog.h"
#include "review/screenreview.h"
#include "runtime/input.h"
#include "runtime/screen.h"
#include "dialogs/voicedialog.h"
#include "speech/engines.h"
#include "dialogs/soundsdialog.h"
#include "speech/service.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

// The headless exit status of a program that stopped itself with a message.
constexpr int stoppedbyitself = 4;

void writescreen(const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    for (const auto& line : screen::lines())
        out << codepage::toutf8(line) << '\n';
    if (!out)
        std::fprintf(stderr, "vandrel: cannot write %s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto opt = parseoptions(argc, argv, error);
    std::vector<scriptaction> actions;
    if (opt && !opt->script.empty() && !readscript(opt->script, actions, error)) {
        std::fprintf(stderr, "vandrel: %s\n", error.c_str());
        return 2;
    }
    if (!opt) {
        std::fprintf(stderr,
                     "vandrel: %s\nusage: vandrel [--script FILE [--trace FILE] [--screen FILE] [--fast]\n"
                     "               [--clock HH:MM:SS] [--speech none|espeak|speechd]] [--settings FILE]\n",
                     error.c_str());
        return 2;
    }
    const bool headless = !opt->script.empty();
    if (headless && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication app(argc, argv);
    QApplication::setApplicationName("vandrel");
    vclock::setfast(opt->fast);
    if (opt->clock)
        vclock::setfixedtime({*opt->clock / 3600, *opt->clock / 60 % 60, *opt->clock % 60});
    if (!opt->trace.empty()) {
        try {
            trace::open(opt->trace);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "vandrel: %s\n", e.what());
            return 2;
        }
    }
    const std::string executable = QCoreApplication::applicationFilePath().toStdString();
    settingsfile = opt->settings.empty() ? defaultsettingsfile(executable) : opt->settings;

    // The product speaks through eSpeak NG and speech-dispatcher; headless runs choose.
    usespeechengines(headless ? opt->speech : "espeak");

    // Headless, message boxes are answered as soon as they show, start-up's included.
    QTimer answerer;
    if (headless) {
        QObject::connect(&answerer, &QTimer::timeout, [] { dismissmessagebox(); });
        answerer.start(10);
    }

    // The windows, in their fixed order; each lives until the program ends.
    TForm1 form1(executable);
    Form1 = &form1;
    // A missing wave bank stops the program with its message.
    if (form1.startupended) {
        releasesapi4();
        trace::close();
        return headless ? stoppedbyitself : 0;
    }
    TForm2 form2(&form1);
    Form2 = &form2;
    setinputdialog(&form2);
    QObject::connect(&form2, &TForm2::exitprogram, &form1, [&form1] { guarded([&] { form1.endprocess(); }); });
    TForm3 form3(&form1);
    Form3 = &form3;
    TForm4 form4(&form1);
    Form4 = &form4;
    TForm5 form5(&form1);
    Form5 = &form5;
    TForm6 form6(&form1);
    Form6 = &form6;
    TAboutbox aboutbox(&form1);
    Aboutbox = &aboutbox;
    form1.about = &aboutbox;

    form1.show();
    std::unique_ptr<driver> play;
    if (headless) {
        play = std::make_unique<driver>(&form1, &form2, actions);
        play->start();
        // From here the driver answers message boxes itself.
        answerer.stop();
    }
    int status = app.exec();
    releasesapi4();
    if (play)
        status = form1.halted ? stoppedbyitself : play->exitcode();
    if (!opt->screen.empty())
        writescreen(opt->screen);
    trace::close();
    setinputdialog(nullptr);
    return status;
}
