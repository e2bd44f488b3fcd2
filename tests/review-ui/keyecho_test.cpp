// The data-entry dialog as a talking edit box, driven by key events into the real dialog.
#include "windows.h"

#include "input/braille.h"
#include "input/entrydialog.h"
#include "platform/keys.h"
#include "platform/messages.h"
#include "review/screenreview.h"
#include "runtime/memory.h"
#include "speech/service.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>

namespace {

using lines = std::vector<std::string>;

const stroke left{Qt::Key_Left}, right{Qt::Key_Right}, home{Qt::Key_Home}, end{Qt::Key_End},
    backspace{Qt::Key_Backspace, "\b"}, del{Qt::Key_Delete, "\x7f"}, altup{Qt::Key_Up, {}, Qt::AltModifier};

using KeyEcho = Windows;

TEST_F(KeyEcho, EditingKeysNameWhatTheyRemove)
{
    opendialog("ab");
    tap(backspace);
    EXPECT_EQ(heard(), (lines{"click 2", "bee"}));
    EXPECT_EQ(form2->inputedit->text(), "a");

    form2->inputedit->setCursorPosition(0);
    tap(del);
    EXPECT_EQ(heard(), (lines{"click 2", "ay"}));
    EXPECT_EQ(form2->inputedit->text(), "");

    // In an empty entry both only signal the edge.
    tap({del, backspace});
    EXPECT_EQ(heard(), (lines{"click 2", "beep", "click 2", "beep"}));
}

TEST_F(KeyEcho, LeftNamesTheCharacterReachedAndBeepsOnTheSecondPushAtTheStart)
{
    opendialog("ab");
    tap(left);
    EXPECT_EQ(heard(), lines{"bee"});
    tap(left);
    EXPECT_EQ(heard(), lines{"ay"});
    EXPECT_EQ(form2->inputedit->cursorPosition(), 0);
    tap(left);
    EXPECT_EQ(heard(), (lines{"ay", "beep"}));
}

TEST_F(KeyEcho, RightNamesTheCharacterAfterTheCaretThenClicksAtTheEnd)
{
    opendialog("abc");
    tap(home);
    EXPECT_EQ(heard(), lines{"ay"});
    tap({right, right});
    EXPECT_EQ(heard(), (lines{"bee", "see"}));
    tap(right);
    EXPECT_EQ(heard(), lines{"click 2"});
    tap(right);
    EXPECT_EQ(heard(), (lines{"click 2", "beep"}));
}

TEST_F(KeyEcho, EndAlwaysClicksAndBeeps)
{
    opendialog("abc");
    form2->inputedit->setCursorPosition(1);
    tap(end);
    tap(end);
    EXPECT_EQ(heard(), (lines{"click 2", "beep", "click 2", "beep"}));
    EXPECT_EQ(form2->inputedit->cursorPosition(), 3);
}

TEST_F(KeyEcho, EmptyEntry)
{
    opendialog();
    tap(left);
    EXPECT_EQ(heard(), lines{"beep"});
    // The edge is already known: Right clicks and beeps; Home has nothing to name.
    tap(right);
    tap(home);
    EXPECT_EQ(heard(), (lines{"click 2", "beep"}));
    tap(altup);
    EXPECT_EQ(heard(), lines{"empty line"});
}

TEST_F(KeyEcho, AltUpReadsTheWholeEntryAndCtrlArrowsReadTheWordAtTheCaret)
{
    opendialog("one two,three");
    tap(altup);
    EXPECT_EQ(heard(), lines{"one two,three"});
    form2->inputedit->setCursorPosition(0);
    tap(stroke{Qt::Key_Right, {}, Qt::ControlModifier});
    ASSERT_EQ(form2->inputedit->cursorPosition(), 4);
    EXPECT_EQ(heard(), lines{"two"});
    // At a separator there is no word to read.
    form2->inputedit->setCursorPosition(8);
    tap(stroke{Qt::Key_Left, {}, Qt::ControlModifier});
    ASSERT_EQ(form2->inputedit->cursorPosition(), 7);
    EXPECT_EQ(heard(), lines{});
    tap(stroke{Qt::Key_Left, {}, Qt::ControlModifier});
    EXPECT_EQ(heard(), lines{"two"});
    form2->inputedit->setCursorPosition(13);
    tap(stroke{Qt::Key_Left, {}, Qt::ControlModifier});
    EXPECT_EQ(heard(), lines{"three"});
}

TEST_F(KeyEcho, TypedKeysAreNamedBeforeTheyShowACapitalAfterItsNote)
{
    opendialog();
    tap(stroke{Qt::Key_Shift, {}, Qt::ShiftModifier});
    tap(stroke{Qt::Key_A, "A", Qt::ShiftModifier});
    EXPECT_EQ(heard(), (lines{"play 2000 20 1", "capital ay"}));
    tap(stroke{Qt::Key_A, "a"});
    tap(stroke{Qt::Key_Space, " "});
    EXPECT_EQ(heard(), (lines{"ay", "space"}));
    // The key 191 types its character unnamed.
    tap(stroke{Qt::Key_Slash, "/"});
    EXPECT_EQ(heard(), lines{});
    EXPECT_EQ(form2->inputedit->text(), "Aa /");
}

TEST_F(KeyEcho, KeysTypedDuringANameFollowItInOrder)
{
    // All keys are queued before the first is handled, as from a fast typist or the driver.
    opendialog();
    for (const char* c : {"a", "b", "c"}) {
        const stroke s{Qt::Key_A + (c[0] - 'a'), c};
        QCoreApplication::postEvent(form2->inputedit, new QKeyEvent(QEvent::KeyPress, s.key, s.mods, s.text));
        QCoreApplication::postEvent(form2->inputedit, new QKeyEvent(QEvent::KeyRelease, s.key, s.mods, s.text));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(form2->inputedit->text(), "abc");
    EXPECT_EQ(heard(), (lines{"ay", "bee", "see"}));
}

TEST_F(KeyEcho, InBrailleModeTheChordNamesTheCharacterNotTheKey)
{
    braillekeys = true;
    opendialog();
    tap(stroke{Qt::Key_F, "f"});
    EXPECT_EQ(form2->inputedit->text(), "a");
    EXPECT_EQ(heard(), lines{"ay"});
    // Editing keys still echo.
    tap(backspace);
    EXPECT_EQ(heard(), (lines{"click 2", "ay"}));
}

TEST_F(KeyEcho, EntriesBeyondAsciiAndLongEntriesAreNamedAsTheyAre)
{
    opendialog(QString::fromUtf8("žluŤ"));
    tap(backspace);
    EXPECT_EQ(heard(), (lines{"click 2", "play 2000 20 1", "capital tee caron"}));
    tap(home);
    EXPECT_EQ(heard(), lines{"zed caron"});

    // A caret put elsewhere by the mouse, in an entry far longer than a line.
    const QString lots = QString(5000, u'x') + QString::fromUtf8(" ž ") + QString(5000, u'y');
    form2->inputedit->setText(lots);
    form2->inputedit->setCursorPosition(5001);
    tap(stroke{Qt::Key_Right});
    EXPECT_EQ(heard(), lines{"space"});
    tap({end, stroke{Qt::Key_Left, {}, Qt::ControlModifier}});
    EXPECT_EQ(heard(), (lines{"click 2", "beep", std::string(5000, 'y')}));
    // A character code page 1250 lacks is what the program will get: a question mark.
    form2->inputedit->setText(QString::fromUtf8("€Ω"));
    tap(backspace);
    EXPECT_EQ(heard(), (lines{"click 2", "question mark"}));
}

TEST_F(KeyEcho, FocusAnnouncesTheControlsButNotTheFirstFocusOfAShowing)
{
    opendialog("ab");
    EXPECT_EQ(heard(), lines{});
    tap(stroke{Qt::Key_Tab, "\t"});
    ASSERT_EQ(QApplication::focusWidget(), form2->Enterbitbtn);
    tap(stroke{Qt::Key_Tab, "\t"});
    EXPECT_EQ(heard(), (lines{"&OK", "E&xit program"}));
    form2->inputedit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(heard(), lines{"ab"});
    form2->inputedit->clear();
    form2->Enterbitbtn->setFocus(Qt::BacktabFocusReason);
    form2->inputedit->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(heard(), (lines{"&OK", "empty line"}));

    // Closing the dialog makes the next showing's first focus silent again.
    form2->hide();
    opendialog("cd");
    EXPECT_EQ(heard(), lines{});
}

TEST_F(KeyEcho, EscapeLeavesTheDialogOpenEnterAcceptsIt)
{
    bool accepted = false;
    QObject::connect(form2.get(), &QDialog::accepted, [&] { accepted = true; });
    opendialog("ab");
    tap(stroke{Qt::Key_Escape, "\x1b"});
    EXPECT_TRUE(form2->isVisible());
    tap(stroke{Qt::Key_Return, "\r"});
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(form2->isVisible());
    EXPECT_EQ(heard(), lines{"end of line"});
}

TEST_F(KeyEcho, SignalsSoundWhileTheEchoIsSilentWithoutAReadyVoice)
{
    voiceready = false;
    opendialog("ab");
    tap({backspace, left, left, left, end, stroke{Qt::Key_X, "x"}});
    EXPECT_EQ(heard(), (lines{"click 2", "beep", "beep", "click 2", "beep"}));
}

TEST_F(KeyEcho, UpOrDownOpensTheReviewOverTheDialogUnlessForbidden)
{
    opendialog("ab");
    const stroke escape{Qt::Key_Escape, "\x1b"};
    play({stroke{Qt::Key_Up}, escape, stroke{Qt::Key_Down}, escape});
    const lines review = {"play 300,450 100 5", "Screen", "play 300,450 100 5", "end of screen"};
    lines twice = review;
    twice.insert(twice.end(), review.begin(), review.end());
    EXPECT_EQ(heard(), twice);
    EXPECT_EQ(QApplication::focusWidget(), form2->inputedit);

    ram[50730] = 1;
    tap(stroke{Qt::Key_Up});
    tap(altup);
    EXPECT_EQ(heard(), lines{"ab"});
}

TEST_F(KeyEcho, AltF4AndTheExitButtonEndTheProgramWithTheMemoryWritten)
{
    for (bool button : {false, true}) {
        opendialog("ab");
        ram[7] = button ? 2 : 1;
        if (button)
            form2->exitprogrambtn->click();
        else
            tap(stroke{Qt::Key_F4, {}, Qt::AltModifier});
        EXPECT_TRUE(messages::ending());
        EXPECT_FALSE(form2->isVisible());
        std::ifstream in("ram.dat", std::ios::binary);
        in.seekg(7);
        EXPECT_EQ(in.get(), ram[7]);
        stop();
        messages::resetend();
        start();
    }
}

TEST_F(KeyEcho, KeysTheDialogSeesFeedTheKeyState)
{
    opendialog();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, "d");
    QApplication::sendEvent(form2->inputedit, &press);
    EXPECT_TRUE(keys::isdown(68));
    // An auto-repeat release is not a release.
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_D, Qt::NoModifier, "d", true);
    QApplication::sendEvent(form2->inputedit, &repeat);
    EXPECT_TRUE(keys::isdown(68));
    // Released after the focus moved on, it is up all the same.
    form2->Enterbitbtn->setFocus(Qt::TabFocusReason);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_D, Qt::NoModifier, "d");
    QApplication::sendEvent(form2->Enterbitbtn, &release);
    EXPECT_FALSE(keys::isdown(68));
}

TEST_F(KeyEcho, ControlsCarryTheirCaptionsForScreenReaders)
{
    const std::pair<QWidget*, QString> named[] = {{form2.get(), "Enter data"},
                                                  {form2->inputedit, "Enter data"},
                                                  {form2->Enterbitbtn, "&OK"},
                                                  {form2->exitprogrambtn, "E&xit program"}};
    for (const auto& [w, name] : named) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), name) << w->objectName().toStdString();
    }
}

}  // namespace
