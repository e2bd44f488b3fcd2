// The virtual screen window, opened by real arrow keys and read with real review keys.
#include "windows.h"

#include "platform/keys.h"
#include "review/screenreview.h"
#include "runtime/input.h"
#include "runtime/memory.h"
#include "runtime/screen.h"
#include "speech/service.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

using lines = std::vector<std::string>;

const stroke up{Qt::Key_Up}, down{Qt::Key_Down}, left{Qt::Key_Left}, right{Qt::Key_Right}, home{Qt::Key_Home},
    end{Qt::Key_End}, f2{Qt::Key_F2}, escape{Qt::Key_Escape, "\x1b"};

stroke ctrl(Qt::Key key)
{
    return {key, {}, Qt::ControlModifier};
}

const std::string opening = "play 300,450 100 5", closing = "play 300,450 100 5";

class Review : public Windows {
protected:
    // The screen's first lines; the rest stay empty.
    void screenof(const std::vector<std::string>& top)
    {
        auto& l = screen::lines();
        l.assign(screen::rows, std::string());
        std::copy(top.begin(), top.end(), l.begin());
        screen::changed();
    }
    // Up in the main window opens the review; the keys follow in it.
    lines review(std::vector<stroke> keys)
    {
        keys.insert(keys.begin(), up);
        play(keys);
        EXPECT_FALSE(form6->isVisible());
        return heard();
    }
};

TEST_F(Review, OpensWithItsSignalAndClosesWithItsSignalAndMessage)
{
    screenof({"first", "second"});
    keybuffer = "x";
    EXPECT_EQ(review({f2, escape}), (lines{opening, "Screen", "line 1, column 1", closing, "end of screen"}));
    EXPECT_EQ(keybuffer, "");
    // The close button ends it the same way.
    QTimer::singleShot(50, form6->closebitbtn, &QPushButton::click);
    EXPECT_EQ(review({}), (lines{opening, "Screen", closing, "end of screen"}));
}

TEST_F(Review, UpAndDownReadTheLineReachedAndClickOnTheSecondPushAtAnEdge)
{
    screenof({"first", "second"});
    EXPECT_EQ(review({down, up, up, down, escape}),
              (lines{opening, "Screen", "second", "first", "click 16", "first", "second", closing, "end of screen"}));
}

TEST_F(Review, TheEdgeIsRememberedFromOneOpeningToTheNext)
{
    screenof({"first"});
    review({up, escape});
    EXPECT_EQ(review({up, escape}), (lines{opening, "Screen", "click 16", "first", closing, "end of screen"}));
}

TEST_F(Review, F2TellsLineAndColumnCountingEachLineBreakAsTwoCharacters)
{
    screenof({std::string(80, 'x')});
    EXPECT_EQ(review({end, f2, down, f2, down, right, f2, escape}),
              (lines{opening, "Screen", "end of line", "line 1, column 81", "empty line", "line 2, column 1",
                     "empty line", "end of line", "line 4, column 1", closing, "end of screen"}));
}

TEST_F(Review, CtrlArrowsReadTheWordAtTheCaretUpToASeparator)
{
    screenof({"GO NORTH, NOW"});
    const lines heard = review({ctrl(Qt::Key_Right), f2, ctrl(Qt::Key_Right), f2, ctrl(Qt::Key_Right), f2,
                                ctrl(Qt::Key_End), ctrl(Qt::Key_Home), escape});
    // Ctrl with Home or End reads nothing; from one edge to the other it clicks.
    EXPECT_EQ(heard, (lines{opening, "Screen", "NORTH", "line 1, column 4", "line 1, column 9", "NOW",
                            "line 1, column 11", "click 16", closing, "end of screen"}));
}

TEST_F(Review, RightAtTheEndOfTheTextClicksOnTheSecondPush)
{
    screenof({"last"});
    EXPECT_EQ(review({ctrl(Qt::Key_End), left, right, right, f2, escape}),
              (lines{opening, "Screen", "end of line", "click 16", "line 25, column 1", closing, "end of screen"}));
}

TEST_F(Review, AScreenOfEmptyLinesReadsEmptyLinesAndLineBreaks)
{
    screenof({});
    EXPECT_EQ(review({up, up, right, right, left, home, ctrl(Qt::Key_End), down, escape}),
              (lines{opening, "Screen", "empty line", "click 16", "empty line", "end of line", "end of line",
                     "end of line", "end of line", "click 16", "empty line", closing, "end of screen"}));
}

TEST_F(Review, WithoutAReadyVoiceItOpensAndClosesButTheKeysAreSilent)
{
    screenof({"first"});
    voiceready = false;
    EXPECT_EQ(review({up, up, right, f2, ctrl(Qt::Key_Right), escape}),
              (lines{opening, "Screen", closing, "end of screen"}));
}

TEST_F(Review, CellFiftySevenThirtyForbidsItAndUpGivesItsCode)
{
    screenof({"first"});
    ram[50730] = 1;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(form1->printmemo, &press);
    EXPECT_EQ(keybuffer, "\x81");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(form1->printmemo, &release);
    EXPECT_FALSE(form6->isVisible());
    EXPECT_EQ(heard(), lines{});
}

TEST_F(Review, KeysInTheReviewFeedTheKeyState)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(form6->virtualscrmemo, &press);
    EXPECT_TRUE(keys::isdown(keys::right));
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, {}, true);
    QApplication::sendEvent(form6->virtualscrmemo, &repeat);
    EXPECT_TRUE(keys::isdown(keys::right));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(form6->virtualscrmemo, &release);
    EXPECT_FALSE(keys::isdown(keys::right));
}

TEST_F(Review, ControlsCarryTheirCaptionsForScreenReaders)
{
    const std::pair<QWidget*, QString> named[] = {
        {form6.get(), "Screen"}, {form6->virtualscrmemo, "Screen"}, {form6->closebitbtn, "&Close"}};
    for (const auto& [w, name] : named)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), name)
            << w->objectName().toStdString();
}

}  // namespace
