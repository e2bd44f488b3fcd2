// A burst of keys, all queued before the first is handled (a key held on auto-repeat, a paste
// into the terminal, the driver): each window handles every key, in order, without nesting one
// key's handler inside the wait of the one before.
#include "windows.h"

#include "text/keytables.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "review/screenreview.h"
#include "runtime/input.h"
#include "runtime/screen.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <chrono>

namespace {

using lines = std::vector<std::string>;

constexpr int burst = 100000;

void post(QObject* to, const stroke& s)
{
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, s.key, s.mods, s.text));
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyRelease, s.key, s.mods, s.text));
}

stroke letter(int i)
{
    const char c = static_cast<char>('a' + i % 26);
    return {Qt::Key_A + i % 26, QString(QChar(c))};
}

std::string nameof(char c)
{
    for (const echokeytype& e : echokeys)
        if (e.keychar == static_cast<unsigned char>(c))
            return e.keyname;
    return {};
}

template <class F>
void waituntil(F done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
    while (!done() && std::chrono::steady_clock::now() < deadline)
        messages::waitfor(5);
}

// Where two long lists first part, so a failure shows one place instead of the whole lists.
void expectsame(const lines& got, const lines& want)
{
    const std::size_t n = std::min(got.size(), want.size());
    for (std::size_t i = 0; i < n; ++i)
        if (got[i] != want[i]) {
            ADD_FAILURE() << "heard " << got[i] << " at " << i << " where " << want[i] << " was due";
            return;
        }
    EXPECT_EQ(got.size(), want.size());
}

const stroke up{Qt::Key_Up}, escape{Qt::Key_Escape, "\x1b"};
const std::string signal = "play 300,450 100 5";

// Up in the main window opens the review; once it has announced itself, then() runs inside it.
void inreview(const std::function<void()>& then)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, then] {
        if (!Form6->isVisible() || Form6->signalling())
            return;
        poll->deleteLater();
        poll->stop();
        then();
    });
    poll->start(1);
    post(Form1, up);
}

using Burst = Windows;

TEST_F(Burst, EveryKeyInTheDialogIsEchoedAndEditsInOrder)
{
    // Clicks take no real time, or the Backspaces alone would take minutes.
    vclock::setfast(true);
    opendialog();
    lines want;
    // A letter and the Backspace that removes it, over and over: the edit box stays short.
    for (int i = 0; i < burst / 2; ++i) {
        const stroke s = letter(i);
        post(form2->inputedit, s);
        post(form2->inputedit, stroke{Qt::Key_Backspace, "\b"});
        const std::string name = nameof(s.text.toStdString()[0]);
        want.insert(want.end(), {name, "click 2", name});
    }
    post(form2->inputedit, stroke{Qt::Key_O, "o"});
    post(form2->inputedit, stroke{Qt::Key_K, "k"});
    want.insert(want.end(), {nameof('o'), nameof('k')});
    waituntil([this] { return form2->inputedit->text() == "ok"; });
    vclock::setfast(false);
    EXPECT_EQ(form2->inputedit->text(), "ok");
    expectsame(heard(), want);
}

TEST_F(Burst, EveryKeyInTheReviewReadsInOrder)
{
    screen::lines().assign(screen::rows, std::string());
    screen::lines()[0] = "ab";
    screen::changed();
    bool opened = false;
    inreview([&opened] {
        opened = true;
        // Right reaches b, Left a, again and again; Escape closes the review at the end.
        for (int i = 0; i < burst / 2; ++i) {
            post(Form6->virtualscrmemo, stroke{Qt::Key_Right});
            post(Form6->virtualscrmemo, stroke{Qt::Key_Left});
        }
        post(Form6->virtualscrmemo, escape);
    });
    waituntil([&] { return opened && !form6->isVisible(); });
    lines want = {signal, "Screen"};
    for (int i = 0; i < burst / 2; ++i)
        want.insert(want.end(), {nameof('b'), nameof('a')});
    want.insert(want.end(), {signal, "end of screen"});
    expectsame(heard(), want);
}

TEST_F(Burst, EveryKeyForTheMainWindowWaitsForTheReviewItOpenedThenFollowsInOrder)
{
    bool opened = false;
    inreview([&opened] {
        opened = true;
        for (int i = 0; i < burst; ++i)
            post(Form1, letter(i));
        post(Form6->virtualscrmemo, escape);
    });
    waituntil([&] { return opened && !form6->isVisible(); });
    expectsame(heard(), {signal, "Screen", signal, "end of screen"});
    // The last key typed is the one waiting for INKEY$.
    EXPECT_EQ(keybuffer, letter(burst - 1).text.toStdString());
}

}  // namespace
