#include "screenreview.h"

#include "text/resourcelocalizer.h"

#include "shell/errorbox.h"
#include "platform/keys.h"
#include "platform/messages.h"
#include "platform/qtext.h"
#include "runtime/input.h"
#include "runtime/screen.h"
#include "runtime/vdrcommands.h"
#include "speech/service.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

TForm6* Form6 = nullptr;
bool scredge = false;

namespace {

// The review's signal, on opening and on closing: two notes together.
void signal()
{
    const double notes[] = {300, 450};
    vdrcommands::play(notes, 2, 100, 5);
}

// A screen line as the memo shows it: one character per byte, control characters (a line break
// among them would split the line) shown as blanks. The readings take the bytes themselves.
QString shown(const std::string& line)
{
    QString s = qtext(line);
    for (QChar& c : s)
        if (c.unicode() < 32)
            c = u' ';
    return s;
}

// Marks the window as sounding a signal for as long as it lives.
struct sounding {
    bool& flag;
    explicit sounding(bool& f) : flag(f) { flag = true; }
    ~sounding() { flag = false; }
};

}  // namespace

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form6");
    setModal(true);
    setGeometry(242, 119, 511, 381);

    virtualscrmemo = new QPlainTextEdit(this);
    virtualscrmemo->setObjectName("virtualscrmemo");
    virtualscrmemo->setGeometry(0, 0, 500, 304);
    virtualscrmemo->setReadOnly(true);
    // Read-only, yet the arrow keys move a caret through it.
    virtualscrmemo->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    virtualscrmemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    virtualscrmemo->installEventFilter(this);

    closebitbtn = new QPushButton(this);
    closebitbtn->setObjectName("closebitbtn");
    closebitbtn->setGeometry(208, 320, 75, 25);
    closebitbtn->setDefault(true);
    closebitbtn->setFocusPolicy(Qt::NoFocus);
    connect(closebitbtn, &QPushButton::clicked, this, &QDialog::reject);
    // A key pressed while a reading is spoken cuts it off at once.
    keyturns.onhold = [] {
        if (voiceready)
            guarded([] { stopspeech(); });
    };

    FormCreate();
}

void TForm6::FormCreate()
{
    setWindowTitle(qtext(message(26)));
    closebitbtn->setText(qtext(message(17)));
    // A screen reader beside the program names the controls by the same captions.
    setAccessibleName(windowTitle());
    virtualscrmemo->setAccessibleName(windowTitle());
    closebitbtn->setAccessibleName(closebitbtn->text());
}

void TForm6::setcopy(const screencopy& copy)
{
    screen = copy;
    QString text;
    for (const std::string& line : screen.lines())
        text += shown(line) + u'\n';
    virtualscrmemo->setPlainText(text);
    virtualscrmemo->moveCursor(QTextCursor::Start);
}

std::size_t TForm6::caret() const
{
    const QTextCursor c = virtualscrmemo->textCursor();
    return screen.linestart(static_cast<std::size_t>(c.blockNumber())) + static_cast<std::size_t>(c.positionInBlock());
}

bool TForm6::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != virtualscrmemo || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QDialog::eventFilter(watched, event);
    auto* k = static_cast<QKeyEvent*>(event);
    return keyturns.filter(watched, k, [&] {
        if (!keys::track(k))
            return false;
        const int code = keys::code(k);
        if (k->type() == QEvent::KeyRelease) {
            guarded([&] { virtualscrmemoKeyUp(code, k->modifiers() & Qt::ControlModifier); });
            return false;
        }
        virtualscrmemoKeyDown(code);
        // Escape has closed the window; Enter stays in the memo, as in any read-only text.
        return code == keys::escape || code == keys::enter;
    });
}

void TForm6::virtualscrmemoKeyDown(int key)
{
    if (voiceready)
        guarded([&] {
            stopspeech();
            if (key == keys::f2) {
                const std::size_t pos = caret();
                speakwait(message(31) + " " + std::to_string(screen.lineof(pos) + 1) + ", " + message(32) + " " +
                          std::to_string(screen.columnof(pos)));
            }
        });
    // Closes whatever speech did.
    if (key == keys::escape)
        reject();
}

void TForm6::edge(bool atedge)
{
    if (!atedge)
        scredge = false;
    else if (!scredge)
        scredge = true;
    else
        vdrcommands::click(16);
}

void TForm6::virtualscrmemoKeyUp(int key, bool ctrl)
{
    if (!voiceready)
        return;
    const std::size_t pos = caret();
    const std::string& text = screen.text();
    switch (key) {
    case keys::up:
    case keys::down: {
        const std::size_t line = screen.lineof(pos);
        edge(line == 0 || line >= screen.lines().size());
        const std::string l = screen.line(line);
        speakwait(l.empty() ? message(29) : l);
        break;
    }
    case keys::left:
    case keys::right:
    case keys::home:
    case keys::end:
        edge(pos == 0 || pos >= text.size());
        if (text.empty())
            break;
        if (!ctrl)
            // At a line's end this is the break's carriage return, named like any key.
            speakkey(pos < text.size() ? text.substr(pos, 1) : std::string());
        else if (key == keys::left || key == keys::right)
            speakwait(wordat(text, pos));
        break;
    default:
        break;
    }
}

void openvirtualscreen()
{
    // The hosted program may forbid the review.
    if (vdrcommands::peek(50730) == 1)
        return;
    keybuffer.clear();
    if (!Form6)
        return;
    TForm6& f = *Form6;
    // The window it is opened from: the modal dialog it opens over, else the active window. The
    // activation of a window just shown may still be on its way, so the main window, which owns
    // the review, stands in.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    if (!owner)
        owner = f.parentWidget();
    f.virtualscrmemo->setFocus();
    f.setcopy(screencopy(screen::lines()));
    // The signal and the announcement come from inside the window's modal loop: keys pressed
    // meanwhile already reach the review.
    f.announcing = true;
    QMetaObject::invokeMethod(
        &f,
        [&f] {
            const sounding opening(f.announcing);
            if (f.isVisible())
                guarded([] {
                    signal();
                    speaknowait(message(26));
                });
        },
        Qt::QueuedConnection);
    // Every way of closing the window (Escape, the close button, the window's close box) cancels.
    f.exec();
    // Closed because the program is ending: nothing more is said.
    if (messages::ending())
        return;
    // The keys go back to the window the review was opened from, also where no window manager
    // hands the activation back.
    if (owner && owner->isVisible())
        owner->activateWindow();
    {
        const sounding closing(f.announcing);
        signal();
    }
    speakwait(message(30));
}
