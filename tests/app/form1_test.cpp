#include "answerer.h"

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/settings.h"

#include "platform/errors.h"
#include "text/keytables.h"
#include "platform/messages.h"
#include "platform/trace.h"
#include "text/resourcelocalizer.h"
#include "runtime/memory.h"
#include "runtime/screen.h"
#include "runtime/vdrcommands.h"
#include "speech/service.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct MainWindowTest : ::testing::Test {
    fs::path old = fs::current_path();
    fs::path dir = fs::temp_directory_path() / ("vandrel-form1-" + std::to_string(getpid()));
    boxanswerer answerer;

    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
        messages::resetend();
        settingsfile = (dir / "vandrel.ini").string();
        fs::copy_file(fs::path(VANDREL_RUN_DIR) / "sounds.dat", dir / "sounds.dat");
    }
    void TearDown() override
    {
        fs::current_path(old);
        fs::remove_all(dir);
    }
    struct menustate {
        bool start, sounds, environment, voice, sapi5, help, exit, braille;
        bool operator==(const menustate&) const = default;
    };
    static menustate state(const TForm1& f)
    {
        return {f.Startsubmenu->isEnabled(),        f.soundssubmenu->isEnabled(),
                f.environmentsubmenu->isEnabled(),  f.Voicesubmenu->isEnabled(),
                f.usesapi5submenu->isEnabled(),     f.helpmenu->menuAction()->isEnabled(),
                f.exitsubmenu->isEnabled(),         f.braillekeyboarditem->isEnabled()};
    }
};

TEST(WindowCaption, NameWithoutItsLastExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:/games/game.exe", "game - T"}, {"/opt/a.b/game", "game - T"},
        {"/x/my.game.exe", "my.game - T"}, {"vandrel", "vandrel - T"}};
    for (auto [exe, caption] : cases)
        EXPECT_EQ(windowcaption(exe, "T"), caption) << exe;
}

TEST_F(MainWindowTest, StartsWithCzechCaptionsAndAnEmptyScreen)
{
    TForm1 f("/usr/games/vandrel");
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("vandrel - Překladač Vandrel Basicu"));
    EXPECT_EQ(f.Programmenu->title(), "&Program");
    EXPECT_EQ(f.Startsubmenu->text(), "&Spustit");
    EXPECT_EQ(f.soundssubmenu->text(), "&Zvuky...");
    EXPECT_EQ(f.environmentsubmenu->text(), QString::fromUtf8("Prostř&edí..."));
    EXPECT_EQ(f.Startsubmenu->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(f.usesapi5submenu->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_TRUE(f.braillekeyboarditem->isCheckable());
    EXPECT_TRUE(f.usesapi5submenu->isVisible());
    EXPECT_EQ(screen::lines(), std::vector<std::string>(24));
    EXPECT_EQ(scrcursor.getcolumn(), 0);
    EXPECT_EQ(f.printmemo->toPlainText().count('\n'), 23);
}

TEST_F(MainWindowTest, EnglishCaptionFromTheSettings)
{
    std::ofstream(settingsfile) << "[environment]\nlanguage=2000\n";
    TForm1 f("/x/game.exe");
    EXPECT_EQ(f.windowTitle(), "game - Vandrel Basic Interpreter");
    EXPECT_EQ(f.helpmenu->title(), "Hel&p");
}

TEST_F(MainWindowTest, StartUpLoadsTheBrailleTableAndTheKeyNamesOfTheLanguage)
{
    for (const char* f : {"czech.ebt", "english.eky"})
        fs::copy_file(fs::path(VANDREL_RUN_DIR) / f, dir / f);
    std::ofstream(settingsfile) << "[environment]\nlanguage=2000\n";
    TForm1 f("/x/vandrel");
    EXPECT_EQ(keynamefile, "english.eky");
    EXPECT_GT(brlcharcount, 26);
    EXPECT_TRUE(std::any_of(echokeys.begin(), echokeys.end(),
                            [](const echokeytype& e) { return e.keychar == ' ' && e.keyname == "space"; }));
}

TEST_F(MainWindowTest, AFailedStartUpStepIsReportedAndSkipsTheRest)
{
    const std::string tracepath = (dir / "trace.jsonl").string();
    trace::open(tracepath);
    echokeys = {};
    fs::copy_file(fs::path(VANDREL_RUN_DIR) / "czech.eky", dir / "czech.eky");
    TForm1 f("/x/vandrel");
    trace::close();
    std::ifstream in(tracepath);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, R"({"event":"error","text":"File not found: czech.ebt"})");
    // The key names come after the braille table, so they were not loaded.
    EXPECT_TRUE(echokeys[0].keyname.empty());
    f.show();
    EXPECT_TRUE(f.isVisible());
}

TEST_F(MainWindowTest, WithoutTheWaveBankTheProgramSaysSoAndEnds)
{
    fs::remove("sounds.dat");
    std::ofstream(settingsfile) << "[environment]\nlanguage=2000\n";
    const std::string tracepath = (dir / "trace.jsonl").string();
    trace::open(tracepath);
    TForm1 f("/x/vandrel");
    trace::close();
    EXPECT_TRUE(f.startupended);
    std::ifstream in(tracepath);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, R"({"event":"message","text":"Can't find the file sounds.dat"})");
    EXPECT_FALSE(fs::exists("ram.dat"));
}

TEST_F(MainWindowTest, MenuDuringAndAfterARun)
{
    TForm1 f("/x/vandrel");
    using M = menustate;
    EXPECT_EQ(state(f), (M{true, true, true, false, true, true, true, true}));
    menustate during{};
    f.program = [&] {
        during = state(f);
        vdrcommands::print("hello", 0);
    };
    f.StartsubmenuClick();
    EXPECT_EQ(during, (M{false, false, false, false, false, false, true, true}));
    // Every item comes back, the voice item too, whatever it was before.
    EXPECT_EQ(state(f), (M{true, true, true, true, true, true, true, true}));
    EXPECT_TRUE(programstarted);
    EXPECT_EQ(screen::lines()[0].substr(0, 5), "hello");
    EXPECT_EQ(screen::lines()[1].substr(0, 6), "hotovo");

    // A second run goes on where the first one left the screen.
    f.StartsubmenuClick();
    EXPECT_EQ(screen::lines()[2].substr(0, 5), "hello");
    EXPECT_EQ(screen::lines()[3].substr(0, 6), "hotovo");
}

TEST_F(MainWindowTest, AnErrorEndsTheRunWithoutReady)
{
    TForm1 f("/x/vandrel");
    f.program = [] { vdrcommands::val("%zz"); };
    f.StartsubmenuClick();
    EXPECT_FALSE(f.Startsubmenu->isEnabled());
    EXPECT_FALSE(f.helpmenu->menuAction()->isEnabled());
    EXPECT_EQ(screen::lines()[0], "");
}

TEST_F(MainWindowTest, ExitWhileIdleWritesTheMemoryImage)
{
    TForm1 f("/x/vandrel");
    f.show();
    ram[0] = 7;
    f.exitsubmenuClick();
    EXPECT_FALSE(f.isVisible());
    ASSERT_TRUE(fs::exists("ram.dat"));
    EXPECT_EQ(fs::file_size("ram.dat"), 65536u);
}

TEST_F(MainWindowTest, ClosingTheWindowDuringARunEndsTheRun)
{
    TForm1 f("/x/vandrel");
    f.show();
    ram[1] = 5;
    bool unwound = false;
    f.program = [&] {
        QTimer::singleShot(20, &f, [&] { f.close(); });
        try {
            std::string key;
            for (;;)
                vdrcommands::inkey(key);
        } catch (const runaborted&) {
            unwound = true;
            throw;
        }
    };
    f.StartsubmenuClick();
    EXPECT_TRUE(unwound);
    EXPECT_FALSE(f.isVisible());
    ASSERT_TRUE(fs::exists("ram.dat"));
    // Written once: nothing writes it again while the program winds down.
    fs::remove("ram.dat");
    QApplication::processEvents();
    f.close();
    EXPECT_FALSE(fs::exists("ram.dat"));
    EXPECT_TRUE(messages::ending());
}

}  // namespace

namespace {

TEST(AboutBox, TextsOfTheLanguageInForceAtCreation)
{
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {2000, "About", "Vandrel Basic Interpreter", "version 1.7"},
        {1000, "O programu", "Překladač Vandrel Basicu", "verze 1.7"}};
    for (const auto& [base, caption, title, version] : cases) {
        languagebase = base;
        TAboutbox about;
        EXPECT_EQ(about.windowTitle(), QString::fromUtf8(caption));
        EXPECT_EQ(about.ProductName->text(), QString::fromUtf8(title));
        EXPECT_EQ(about.Version->text(), QString::fromUtf8(version));
        EXPECT_EQ(about.size(), QSize(298, 213));
        EXPECT_TRUE(about.OKButton->isDefault());
    }
}

TEST(AboutBox, EnterClosesIt)
{
    languagebase = 1000;
    TAboutbox about;
    QTimer::singleShot(0, &about, [&] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(about.OKButton, &enter);
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

}  // namespace
