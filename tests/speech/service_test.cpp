// The speech service, the voice list and the two settings dialogs, over a fake engine and voice.
#include "fakes.h"

#include "app/mainwindow.h"
#include "app/settings.h"
#include "text/keytables.h"
#include "platform/codepage.h"
#include "platform/messages.h"
#include "platform/profile.h"
#include "platform/trace.h"
#include "runtime/sound.h"
#include "dialogs/voicedialog.h"
#include "dialogs/soundsdialog.h"
#include "speech/service.h"
#include "speech/ttsvar.h"
#include "dialogs/voices.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QSlider>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct SpeechTest : ::testing::Test {
    fs::path old = fs::current_path();
    fs::path dir = fs::temp_directory_path() / ("vandrel-speech-" + std::to_string(getpid()));
    fakelog log;
    std::shared_ptr<fakeengine> engine;
    bool withengine = true;
    std::vector<std::string> modes = {"Anna", "Jakub", "Petr"};
    fakevoice* voice = nullptr;
    QTimer dismisser;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm5> form5;

    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
        fs::copy_file(fs::path(VANDREL_RUN_DIR) / "sounds.dat", dir / "sounds.dat");
        settingsfile = (dir / "vandrel.ini").string();
        messages::resetend();
        trace::open((dir / "trace.jsonl").string());
        QObject::connect(&dismisser, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        dismisser.start(5);
        echokeys = {};
        echokeys[0] = {'a', "a"};
        echokeys[1] = {'A', "velk\xE9 a"};
        echokeys[2] = {'b', "<emph>b</emph>"};
    }

    // Starts the program's windows as start-up does, over the fakes.
    void start(const std::string& ini = "")
    {
        if (!ini.empty())
            std::ofstream(settingsfile) << ini;
        engine = std::make_shared<fakeengine>(log, modes);
        sapi4::registerclasses({[this]() -> std::shared_ptr<ITTSEnum> { return withengine ? engine : nullptr; },
                                [] { return std::make_shared<fakeaudio>(); }});
        sapi5::registerclass([this] {
            auto v = std::make_unique<fakevoice>(log);
            voice = v.get();
            return v;
        });
        form1 = std::make_unique<TForm1>("/x/vandrel");
        Form1 = form1.get();
        form4 = std::make_unique<TForm4>(form1.get());
        form5 = std::make_unique<TForm5>(form1.get());
        log.calls.clear();
    }

    void TearDown() override
    {
        form5.reset();
        form4.reset();
        form1.reset();
        releasesapi4();
        trace::close();
        fs::current_path(old);
        fs::remove_all(dir);
    }

    std::vector<std::string> tracelines()
    {
        // Every event is flushed as it is written.
        std::ifstream in(dir / "trace.jsonl");
        std::vector<std::string> out;
        for (std::string l; std::getline(in, l);)
            out.push_back(l);
        return out;
    }
    std::vector<std::string> traced(const std::string& event)
    {
        std::vector<std::string> out;
        for (const auto& l : tracelines())
            if (l.find("\"event\":\"" + event + "\"") != std::string::npos)
                out.push_back(l);
        return out;
    }
    std::string ini()
    {
        std::ifstream in(settingsfile);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // Makes the voice ready as the first run does.
    void ready()
    {
        form1->program = [] {};
        form1->StartsubmenuClick();
        log.calls.clear();
    }

    // Runs action once dialog is shown and active.
    static void whenshown(QDialog* dialog, std::function<void()> action)
    {
        auto* t = new QTimer(dialog);
        QObject::connect(t, &QTimer::timeout, [=] {
            if (dialog->isVisible() && QApplication::activeModalWidget() == dialog) {
                t->stop();
                t->deleteLater();
                action();
            }
        });
        t->start(5);
    }
    static void press(QWidget* w, Qt::Key key)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(w, &up);
    }
};

using clk = std::chrono::steady_clock;
long long msince(clk::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(clk::now() - t).count();
}

TEST_F(SpeechTest, SpeakwaitWaitsOnlyWhenAudioStartCameInItsFirstPass)
{
    start();
    ready();
    struct row {
        starts start;
        int stopms;
        bool waits;
    };
    for (const row r : {row{starts::at_once, 150, true}, row{starts::late, 150, false}, row{starts::never, 0, false}}) {
        engine->selected->start = r.start;
        engine->selected->stopms = r.stopms;
        const auto t = clk::now();
        speakwait("ahoj");
        EXPECT_EQ(msince(t) >= 150, r.waits) << static_cast<int>(r.start);
        EXPECT_EQ(log.count("TextData ahoj"), 1);
        log.calls.clear();
        // The late notifications come and go.
        messages::waitwhile([&, until = clk::now() + std::chrono::milliseconds(250)] { return clk::now() < until; });
        EXPECT_FALSE(sapi4speaking);
    }
}

TEST_F(SpeechTest, SpeakingNeedsAVoiceAllowedAndATextExceptKeyNames)
{
    start();
    ready();
    speakwait("");
    speaknowait("");
    voiceallowed = false;
    speakwait("x");
    speaknowait("x");
    EXPECT_TRUE(log.calls.empty());
    // Key names still speak while the voice is ready.
    speakkey("a");
    EXPECT_EQ(log.calls, std::vector<std::string>{"TextData a"});
    voiceallowed = true;
    speaknowait("y");
    EXPECT_EQ(log.calls.back(), "TextData y");
    EXPECT_EQ(traced("speak").back(), R"({"event":"speak","engine":"sapi4","text":"y"})");
}

TEST_F(SpeechTest, SpeakkeyRules)
{
    start();
    ready();
    vandrelsounds = false;  // the capital's note is still traced
    struct row {
        std::string text, spoken;
        bool note;
    };
    const row rows[] = {{std::string(1, '\0'), "", false},
                        {"", "", false},
                        {"ab", "TextData a", false},
                        {"A", "TextData velk\xC3\xA9 a", true},
                        {"Ab", "TextData velk\xC3\xA9 a", false},
                        {"\xC8", "", true},  // Č: a capital with no key name
                        {"z", "", false}};
    for (const row& r : rows) {
        log.calls.clear();
        const auto notes = traced("play").size();
        speakkey(r.text);
        std::vector<std::string> expected;
        if (!r.spoken.empty())
            expected.push_back(codepage::fromutf8(r.spoken));
        EXPECT_EQ(log.calls, expected) << r.text;
        EXPECT_EQ(traced("play").size(), notes + (r.note ? 1 : 0)) << r.text;
    }
    EXPECT_EQ(traced("play").back(), R"({"event":"play","notes":[2000],"duration":20,"octave":1})");

    // SAPI 5: key names go as markup and are not waited for.
    usesapi5 = true;
    voice->endms = -1;
    log.calls.clear();
    speakkey("b");
    EXPECT_EQ(log.calls, std::vector<std::string>{"Speak 9 <emph>b</emph>"});
    // Not ready: nothing at all.
    voiceready = false;
    speakkey("A");
    EXPECT_EQ(log.calls.size(), 1u);
}

TEST_F(SpeechTest, StopspeechInBothModes)
{
    start();
    ready();
    // Nothing is speaking: nothing to reset.
    stopspeech();
    EXPECT_TRUE(log.calls.empty());

    // A key during a print's speech ends its wait through the engine's AudioStop.
    engine->selected->stopms = -1;
    QTimer::singleShot(50, [] { stopspeech(); });
    const auto t = clk::now();
    speakwait("dlouhy text");
    EXPECT_LT(msince(t), 5000);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"TextData dlouhy text", "AudioReset"}));
    EXPECT_FALSE(sapi4speaking);

    // Speaking but not ready (SAPI 5 was switched off): no reset.
    sapi4speaking = true;
    voiceready = false;
    log.calls.clear();
    stopspeech();
    EXPECT_TRUE(log.calls.empty());
    sapi4speaking = false;

    // SAPI 5: a purge, which ends the stream that speakwait waits for.
    usesapi5 = true;
    voice->endms = -1;
    QTimer::singleShot(50, [] { stopspeech(); });
    speakwait("pet");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"Speak 1 pet", "Speak 2 "}));
    EXPECT_FALSE(sapi5speaking);
    // With SAPI 5 the voice switch is not consulted, and an empty text is still handed over.
    voiceallowed = false;
    log.calls.clear();
    speaknowait("");
    speakwait("");
    EXPECT_EQ(log.calls, std::vector<std::string>{"Speak 1 "});
}

TEST_F(SpeechTest, SwitchToggledTwiceComesBackWithTheRisingThenFallingPair)
{
    start("[voice]\nvoiceallowed=1\n");
    EXPECT_TRUE(form1->Voicesubmenu->isEnabled());
    form1->usesapi5submenu->trigger();
    EXPECT_TRUE(usesapi5 && voiceready);
    EXPECT_FALSE(form1->Voicesubmenu->isEnabled());
    EXPECT_NE(ini().find("SAPI5=1"), std::string::npos);
    form1->usesapi5submenu->trigger();
    EXPECT_FALSE(usesapi5 || voiceready || form1->usesapi5submenu->isChecked());
    EXPECT_TRUE(form1->Voicesubmenu->isEnabled());
    EXPECT_NE(ini().find("SAPI5=0"), std::string::npos);
    std::vector<std::string> notes;
    for (const auto& l : traced("play"))
        notes.push_back(l.substr(l.find('[') + 1, 3));
    EXPECT_EQ(notes, (std::vector<std::string>{"400", "600", "600", "400"}));
}

TEST_F(SpeechTest, ListChoosesJakubElseTheFirstAndIsFilledOnce)
{
    struct row {
        std::vector<std::string> modes;
        int chosen;
    };
    for (const row& r : {row{{"Anna", "Jakub", "Petr"}, 1}, row{{"Anna", "jakub", "Jakub "}, 0}}) {
        modes = r.modes;
        start();
        EXPECT_EQ(Form4->voicelist->count(), 3);
        EXPECT_EQ(Form4->voicelist->currentRow(), r.chosen);
        ASSERT_TRUE(ttsmodeinfo);
        EXPECT_EQ(ttsmodeinfo->gModeID[0], r.chosen + 1);
        listvoices();
        EXPECT_EQ(Form4->voicelist->count(), 3);
        form5.reset();
        form4.reset();
        form1.reset();
    }
    // Choosing the third walks the enumerator three modes from its start.
    start();
    Form4->voicelist->setCurrentRow(2);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"Reset", "Next", "Next", "Next"}));
    EXPECT_EQ(ttsmodeinfo->gModeID[0], 3);
}

TEST_F(SpeechTest, SelectvoiceGivesTheSlidersTheEngineRanges)
{
    start();
    engine->speed = {50, 250, 120};
    engine->pitch.notimpl = true;
    Form4->pitchtb->setRange(3, 7);
    Form4->pitchtb->setValue(5);
    log.calls.clear();
    selectvoice();
    EXPECT_TRUE(voiceready);
    EXPECT_EQ(Form4->speedtb->minimum(), 50);
    EXPECT_EQ(Form4->speedtb->maximum(), 250);
    EXPECT_EQ(Form4->speedtb->value(), 120);
    EXPECT_EQ(Form4->speedtb->tickInterval(), 20);
    // E_NOTIMPL: the slider keeps its range and position, but is enabled.
    EXPECT_EQ(Form4->pitchtb->minimum(), 3);
    EXPECT_EQ(Form4->pitchtb->maximum(), 7);
    EXPECT_EQ(Form4->pitchtb->value(), 5);
    for (QWidget* w : std::initializer_list<QWidget*>{Form4->pitchtb, Form4->pitchstatic, Form4->speedtb,
                                                      Form4->speedstatic, Form4->volumetb, Form4->volumestatic})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(Form4->volumetb->maximum(), 255);
    EXPECT_EQ(Form4->volumetb->value(), 255);
    EXPECT_EQ(log.calls.back(), "Register");

    log.calls.clear();
    Form4->volumetb->setValue(200);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"AudioReset", "Inject \\Vol=51200\\"}));
    // Selecting again gives up the old mode's registration first.
    log.calls.clear();
    selectvoice();
    EXPECT_EQ(log.calls.front(), "UnRegister");
}

TEST_F(SpeechTest, StoredVoiceSettingsAreAppliedAndAMissingVoiceEndsTheProgram)
{
    start("[voice]\nvoiceallowed=1\n[Voice]\nperson=jakub\npitch=99999\nspeed=200\nvolume=128\n");
    form1->program = [] {};
    form1->StartsubmenuClick();
    EXPECT_EQ(engine->selected->name(), "Jakub");
    EXPECT_EQ(Form4->pitchtb->value(), 100);
    EXPECT_EQ(log.count("Inject \\Pit=100\\"), 1);
    EXPECT_EQ(log.count("Inject \\Spd=200\\"), 1);
    EXPECT_EQ(log.count("Inject \\Vol=32768\\"), 1);
    EXPECT_FALSE(messages::ending());

    profile::writestring(settingsfile, "Voice", "person", "Karel");
    form1->StartsubmenuClick();
    EXPECT_TRUE(messages::ending());
    ASSERT_FALSE(traced("message").empty());
    EXPECT_NE(traced("message").back().find("Karel"), std::string::npos);
    EXPECT_FALSE(fs::exists("ram.dat"));
}

TEST_F(SpeechTest, VoiceDialogTalksAndStoresTheVoiceChosenWithEnter)
{
    start("[voice]\nvoiceallowed=1\n");
    whenshown(Form4, [] {
        QTimer::singleShot(50, [] {
            Form4->voicelist->setCurrentRow(2);
            press(Form4->voicelist, Qt::Key_Return);
        });
    });
    form1->VoicesubmenuClick();
    std::vector<std::string> said;
    for (const auto& l : traced("speak"))
        said.push_back(l.substr(l.find("\"text\":") + 8, l.size() - l.find("\"text\":") - 10));
    // The dialog's name, the list once, the voice chosen, then message 19 with the new voice.
    EXPECT_EQ(said, (std::vector<std::string>{"Nastavení hlasu", "&Hlasy Jakub", "Petr", "Hlas vybrán."}));
    EXPECT_NE(ini().find("person=Petr"), std::string::npos);
    EXPECT_EQ(engine->selected->name(), "Petr");
}

TEST_F(SpeechTest, VoiceMenuSaysMessage18WhenTheVoiceIsOff)
{
    start("[voice]\nvoiceallowed=0\n");
    bool shown = false;
    whenshown(Form4, [&] { shown = true; Form4->reject(); });
    form1->VoicesubmenuClick();
    EXPECT_FALSE(shown);
    ASSERT_EQ(traced("message").size(), 1u);
    EXPECT_NE(traced("message")[0].find("není povoleno"), std::string::npos);
}

TEST_F(SpeechTest, SoundsDialogRoundsTheVolumeAndRefusesAVoiceWithoutEngine)
{
    withengine = false;
    start("[voice]\nvoiceallowed=0\n[sounds]\nsndvolume=-2050\n");
    whenshown(Form5, [] { Form5->reject(); });
    form1->soundssubmenuClick();
    EXPECT_EQ(Form5->sndvoltrackbar->value(), 79);
    EXPECT_EQ(sndvolume, -2100);

    whenshown(Form5, [] {
        Form5->voicecheckbox->setChecked(true);
        Form5->accept();
    });
    form1->soundssubmenuClick();
    EXPECT_FALSE(voiceallowed);
    EXPECT_FALSE(Form5->voicecheckbox->isChecked());
    ASSERT_EQ(traced("message").size(), 1u);
    EXPECT_NE(traced("message")[0].find("hlasy nejsou k dispozici"), std::string::npos);
    EXPECT_NE(ini().find("voiceallowed=0"), std::string::npos);
    EXPECT_NE(ini().find("sndvolume=-2100"), std::string::npos);
}

}  // namespace
