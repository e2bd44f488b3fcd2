#include "answerer.h"

#include "app/mainwindow.h"
#include "app/settings.h"

#include "input/braille.h"
#include "input/entrydialog.h"
#include "text/keytables.h"
#include "platform/keys.h"
#include "platform/messages.h"
#include "platform/trace.h"
#include "review/screenreview.h"
#include "runtime/input.h"
#include "runtime/memory.h"
#include "runtime/sound.h"
#include "runtime/vdrcommands.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A small braille table: the capital sign, a number sign that stays pending, and a few cells.
const char* const table =
    "[prefixes]\n#cap=6\n#num=3456\n"
    "[characters]\na=1\nb=12\n"
    "[#cap]\nA=1\nB=12\n"
    "[#num]\n1=1\n2=12\n";

struct KeyboardTest : ::testing::Test {
    fs::path old = fs::current_path();
    fs::path dir = fs::temp_directory_path() / ("vandrel-keys-" + std::to_string(getpid()));
    boxanswerer answerer;
    std::unique_ptr<TForm1> form;

    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
        messages::resetend();
        fs::copy_file(fs::path(VANDREL_RUN_DIR) / "sounds.dat", "sounds.dat");
        std::ofstream("czech.ebt") << table;
        fs::copy_file(fs::path(VANDREL_RUN_DIR) / "czech.eky", "czech.eky");
        settingsfile = (dir / "vandrel.ini").string();
        form = std::make_unique<TForm1>("/x/vandrel");
        brltablefile = "czech.ebt";
        loadbrltable();
        keys::clear();
        keybuffer.clear();
        pendingprefix.clear();
        braillekeys = false;
    }
    void TearDown() override
    {
        form.reset();
        fs::current_path(old);
        fs::remove_all(dir);
    }

    static void send(QWidget* w, QEvent::Type type, int key, const QString& text,
                     Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent e(type, key, mods, text);
        QApplication::sendEvent(w, &e);
    }
    // Presses and releases keys in the main window's memo, which has the focus there.
    void down(int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        send(form->printmemo, QEvent::KeyPress, key, text, mods);
    }
    void up(int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        send(form->printmemo, QEvent::KeyRelease, key, text, mods);
    }
    void tap(int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        down(key, text, mods);
        up(key, text, mods);
    }
    // Types one braille cell: the dot keys go down one after another and come up in order. In
    // the main window the cell's text is what INKEY$ finds right after the first release.
    std::string cell(const std::string& dots, QWidget* target = nullptr)
    {
        QWidget* w = target ? target : form->printmemo;
        const char* letters = "FDSJKL";
        for (char d : dots) {
            const char l = letters[d - '1'];
            send(w, QEvent::KeyPress, l, QString(QChar(l).toLower()));
        }
        std::string text;
        for (char d : dots) {
            const char l = letters[d - '1'];
            send(w, QEvent::KeyRelease, l, QString(QChar(l).toLower()));
            if (!target && text.empty())
                text = inkey();
        }
        return text;
    }
    std::string inkey()
    {
        std::string s;
        vdrcommands::inkey(s);
        return s;
    }
};

TEST_F(KeyboardTest, TypedCharacterArrivesOnRelease)
{
    down(Qt::Key_A, "a");
    EXPECT_EQ(keybuffer, "");
    up(Qt::Key_A, "a");
    EXPECT_EQ(inkey(), "a");
    EXPECT_EQ(inkey(), "");

    tap(Qt::Key_A, "a");
    tap(Qt::Key_B, "b");
    EXPECT_EQ(inkey(), "b");
}

TEST_F(KeyboardTest, SpecialKeyCodes)
{
    struct {
        int key;
        Qt::KeyboardModifiers mods;
        std::string code;
    } cases[] = {{Qt::Key_Backspace, Qt::NoModifier, "\x08"}, {Qt::Key_Backspace, Qt::ShiftModifier, "\x19"},
                 {Qt::Key_F6, Qt::NoModifier, "\x08"},        {Qt::Key_Return, Qt::NoModifier, "\r"},
                 {Qt::Key_F8, Qt::NoModifier, "\r"},          {Qt::Key_Escape, Qt::NoModifier, "\x1b"},
                 {Qt::Key_F7, Qt::NoModifier, "\x07"}};
    for (const auto& c : cases) {
        keybuffer = "x";
        down(c.key, {}, c.mods);
        EXPECT_EQ(keybuffer, c.code) << c.key;
        keys::clear();
    }
    keybuffer = "x";
    down(Qt::Key_Shift, {}, Qt::ShiftModifier);
    EXPECT_EQ(keybuffer, "");
    // The function keys' codes last only while the key is down; Enter's stays.
    down(Qt::Key_F7);
    up(Qt::Key_F7);
    EXPECT_EQ(keybuffer, "");
    tap(Qt::Key_Return, "\r");
    EXPECT_EQ(keybuffer, "\r");
}

TEST_F(KeyboardTest, ArrowCodesWithShiftAndSpace)
{
    down(Qt::Key_Up);
    EXPECT_EQ(keybuffer, "\x81");
    down(Qt::Key_Right);
    EXPECT_EQ(static_cast<unsigned char>(keybuffer[0]), 137);
    down(Qt::Key_Right, {}, Qt::ShiftModifier);
    EXPECT_EQ(static_cast<unsigned char>(keybuffer[0]), 153);
    down(Qt::Key_Space, " ");
    down(Qt::Key_Right, {}, Qt::ShiftModifier);
    EXPECT_EQ(static_cast<unsigned char>(keybuffer[0]), 185);
    // Releases put the last typed character there: the arrow's code lasts while it is down.
    up(Qt::Key_Space, " ");
    EXPECT_EQ(keybuffer, " ");
    up(Qt::Key_Right);
    EXPECT_EQ(keybuffer, "");
}

TEST_F(KeyboardTest, UpOpensTheScreenReviewOnlyAfterAStart)
{
    bool opened = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    closer.start(5);
    TForm6 review;
    Form6 = &review;
    programstarted = false;
    tap(Qt::Key_Up);
    EXPECT_FALSE(opened);
    programstarted = true;
    ram[50730] = 1;
    tap(Qt::Key_Up);
    EXPECT_FALSE(opened);
    ram[50730] = 0;
    down(Qt::Key_Up);
    EXPECT_TRUE(opened);
    EXPECT_EQ(keybuffer, "");
    up(Qt::Key_Up);
    Form6 = nullptr;
}

TEST_F(KeyboardTest, ChordIsTakenAtItsFirstRelease)
{
    braillekeys = true;
    down(Qt::Key_F, "f");
    down(Qt::Key_D, "d");
    up(Qt::Key_F, "f");
    EXPECT_EQ(inkey(), "b");
    up(Qt::Key_D, "d");
    EXPECT_EQ(inkey(), "");
}

TEST_F(KeyboardTest, CapitalSignServesOneCellOtherPrefixesUntilSpace)
{
    braillekeys = true;
    const std::pair<std::string, std::string> cells[] = {
        {"6", ""},    {"1", "A"}, {"1", "a"},            // capital sign, used up by one cell
        {"3456", ""}, {"1", "1"}, {"12", "2"}, {"1", "1"}, // number sign stays pending
    };
    for (const auto& [dots, text] : cells)
        EXPECT_EQ(cell(dots), text) << dots;
    tap(Qt::Key_Space, " ");
    EXPECT_EQ(inkey(), " ");
    EXPECT_EQ(cell("1"), "a");
    // A key without dot keys ends a pending prefix too.
    cell("3456");
    tap(Qt::Key_X, "x");
    EXPECT_EQ(inkey(), "");
    EXPECT_EQ(cell("1"), "a");
}

TEST_F(KeyboardTest, BrailleInTheDataEntryDialog)
{
    TForm2 dialog;
    braillekeys = true;
    dlgprefix.clear();
    dialog.inputedit->setText("xy");
    dialog.inputedit->setCursorPosition(2);
    cell("6", dialog.inputedit);
    cell("1", dialog.inputedit);
    EXPECT_EQ(dialog.inputedit->text(), "xyA");
    EXPECT_EQ(dialog.inputedit->cursorPosition(), 3);
    dialog.inputedit->setCursorPosition(1);
    cell("12", dialog.inputedit);
    EXPECT_EQ(dialog.inputedit->text(), "xbyA");
    EXPECT_EQ(dialog.inputedit->cursorPosition(), 2);
    // The number sign carries over to the next showing of the dialog.
    cell("3456", dialog.inputedit);
    dialog.inputedit->clear();
    cell("12", dialog.inputedit);
    EXPECT_EQ(dialog.inputedit->text(), "2");

    braillekeys = false;
    send(dialog.inputedit, QEvent::KeyPress, Qt::Key_Q, "q");
    EXPECT_EQ(dialog.inputedit->text(), "2q");
}

TEST_F(KeyboardTest, BrailleSwitchPlaysItsSignalAndStoresTheSetting)
{
    const std::string tracepath = (dir / "trace.jsonl").string();
    trace::open(tracepath);
    form->braillekeyboarditem->trigger();
    EXPECT_TRUE(braillekeys);
    EXPECT_TRUE(form->braillekeyboarditem->isChecked());
    {
        std::ifstream ini(settingsfile);
        std::string all((std::istreambuf_iterator<char>(ini)), {});
        EXPECT_NE(all.find("braillekeys=1"), std::string::npos) << all;
    }
    form->braillekeyboarditem->trigger();
    EXPECT_FALSE(braillekeys);
    trace::close();
    std::ifstream in(tracepath);
    std::vector<std::string> notes;
    for (std::string l; std::getline(in, l);)
        notes.push_back(l);
    const std::vector<std::string> expected = {
        R"({"event":"play","notes":[400],"duration":50,"octave":3})",
        R"({"event":"play","notes":[600],"duration":50,"octave":3})",
        R"({"event":"play","notes":[600],"duration":50,"octave":3})",
        R"({"event":"play","notes":[400],"duration":50,"octave":3})"};
    EXPECT_EQ(notes, expected);
    std::ifstream ini(settingsfile);
    std::string all((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_NE(all.find("braillekeys=0"), std::string::npos) << all;
}

TEST_F(KeyboardTest, AKeyEndsANote)
{
    // Without the key the note would hold the test for a minute.
    QTimer::singleShot(30, [&] { tap(Qt::Key_A, "a"); });
    const double note = 440;
    const auto start = std::chrono::steady_clock::now();
    vdrcommands::play(&note, 1, 60000, 3);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_FALSE(noteplaying);
}

TEST_F(KeyboardTest, AltF4EndsTheProgramWithTheMemoryWritten)
{
    form->show();
    ram[3] = 9;
    down(Qt::Key_F4, {}, Qt::AltModifier);
    EXPECT_TRUE(messages::ending());
    std::ifstream in("ram.dat", std::ios::binary);
    in.seekg(3);
    EXPECT_EQ(in.get(), 9);
}

}  // namespace
