#include "entrydialog.h"

#include "braille.h"

#include "shell/errorbox.h"
#include "platform/keys.h"
#include "platform/messages.h"
#include "platform/qtext.h"
#include "review/screenreview.h"
#include "review/reading.h"
#include "text/resourcelocalizer.h"
#include "runtime/vdrcommands.h"
#include "speech/service.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm2* Form2 = nullptr;
std::string dlgpending;
std::string dlgprefix;
bool dlgannounce = false;
bool dlgedge = false;

// The edit box: its key presses go through the dialog's handlers around its own handling.
class echoedit : public QLineEdit {
public:
    explicit echoedit(TForm2* form) : QLineEdit(form), form(form) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        form->keypressed(event, [&] { QLineEdit::keyPressEvent(event); });
    }

private:
    TForm2* form;
};

namespace {

// The character at position i of the entry, or "" past its end.
std::string charat(const std::string& entry, std::size_t i)
{
    return i < entry.size() ? entry.substr(i, 1) : std::string();
}

}  // namespace

std::string keytochar(int key, const QString& text)
{
    if (key == keys::slash)
        return {};
    return cptext(text);
}

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form2");
    setModal(true);
    inputedit = new echoedit(this);
    inputedit->setObjectName("inputedit");
    Enterbitbtn = new QPushButton(this);
    Enterbitbtn->setObjectName("Enterbitbtn");
    Enterbitbtn->setDefault(true);
    exitprogrambtn = new QPushButton(this);
    exitprogrambtn->setObjectName("exitprogrambtn");
    exitprogrambtn->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Enterbitbtn);
    buttons->addWidget(exitprogrambtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputedit);
    layout->addLayout(buttons);
    setTabOrder(inputedit, Enterbitbtn);
    setTabOrder(Enterbitbtn, exitprogrambtn);

    for (QWidget* w : {static_cast<QWidget*>(inputedit), static_cast<QWidget*>(Enterbitbtn),
                       static_cast<QWidget*>(exitprogrambtn)})
        w->installEventFilter(this);
    connect(Enterbitbtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(exitprogrambtn, &QPushButton::clicked, this, [this] { exitprogrambtnClick(); });
    // A key typed while an echo is spoken cuts it off at once, as every key does.
    keyturns.onhold = [] { guarded([] { stopspeech(); }); };
    FormCreate();
}

void TForm2::FormCreate()
{
    setWindowTitle(qtext(message(23)));
    Enterbitbtn->setText(qtext(message(7)));
    exitprogrambtn->setText(qtext(message(45)));
    dlgprefix.clear();
    // A screen reader beside the program names the controls by the same captions.
    setAccessibleName(windowTitle());
    inputedit->setAccessibleName(windowTitle());
    Enterbitbtn->setAccessibleName(Enterbitbtn->text());
    exitprogrambtn->setAccessibleName(exitprogrambtn->text());
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::FocusIn) {
        if (watched != activecontrol) {
            activecontrol = watched;
            if (watched == inputedit)
                guarded([this] { inputeditEnter(); });
            else if (watched == Enterbitbtn)
                guarded([this] { EnterbitbtnEnter(); });
            else
                guarded([this] { exitprogrambtnEnter(); });
        }
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QDialog::eventFilter(watched, event);
    auto* k = static_cast<QKeyEvent*>(event);
    return keyturns.filter(watched, k, [&] {
        // Every control feeds the key state, so a key released after the focus moved is up again.
        if (keys::track(k) && type == QEvent::KeyRelease && watched == inputedit)
            guarded([&] { inputeditKeyUp(keys::code(k), k->modifiers()); });
        return false;
    });
}

void TForm2::keypressed(QKeyEvent* event, const std::function<void()>& edit)
{
    const int code = keys::code(event);
    std::string echo;
    guarded([&] { echo = inputeditKeyDown(code, event->modifiers(), event->text()); });
    // Alt+F4 has ended the program.
    if (messages::ending())
        return;
    bool pass = true;
    // The dialog has no Cancel button: Escape leaves it open.
    if (code == keys::escape)
        pass = false;
    else if (!event->text().isEmpty())
        guarded([&] { pass = inputeditKeyPress(cptext(event->text())); });
    if (pass)
        edit();
    guarded([&] { speakkey(echo); });
}

std::string TForm2::inputeditKeyDown(int key, Qt::KeyboardModifiers shift, const QString& text)
{
    stopspeech();
    const std::string entry = cptext(inputedit->text());
    const auto caret = static_cast<std::size_t>(inputedit->cursorPosition());
    const bool alt = shift & Qt::AltModifier;
    std::string echo;
    if (key == keys::backspace) {
        vdrcommands::click(2);
        if (caret > 0)
            echo = charat(entry, caret - 1);
        else
            vdrcommands::beep();
    } else if (key == keys::del) {
        vdrcommands::click(2);
        if (caret < entry.size())
            echo = charat(entry, caret);
        else
            vdrcommands::beep();
    } else if (key == keys::up && alt) {
        speakwait(entry.empty() ? message(29) : entry);
    } else if (!braillekeys) {
        // In braille mode the chord's own echo names the character instead.
        echo = keytochar(key, text);
    }
    if ((key == keys::up || key == keys::down) && !alt)
        openvirtualscreen();
    if (key == keys::f4 && alt)
        emit exitprogram();
    return echo;
}

bool TForm2::inputeditKeyPress(const std::string& character)
{
    if (!braillekeys)
        return true;
    dlgpending.clear();
    chord.clear();
    const bool control = character.size() == 1 && static_cast<unsigned char>(character[0]) < 32;
    samplechord();
    pendingprefix = dlgprefix;
    dlgpending = brltranslate(chord);
    if (!dlgpending.empty())
        speakkey(dlgpending.substr(0, 1));
    return control;
}

void TForm2::inputeditKeyUp(int key, Qt::KeyboardModifiers shift)
{
    if (braillekeys) {
        pendingprefix = dlgprefix;
        dlgpending = brltranslate(chord);
        dlgprefix = pendingprefix;
        chord.clear();
        if (!dlgpending.empty()) {
            QString text = inputedit->text();
            const int caret = inputedit->cursorPosition();
            const QString add = qtext(dlgpending);
            if (caret >= text.size()) {
                inputedit->setText(text + add);
                inputedit->setCursorPosition(inputedit->text().size());
            } else {
                text.insert(caret, add);
                inputedit->setText(text);
                inputedit->setCursorPosition(caret + 1);
            }
        }
        dlgpending.clear();
    }

    const std::string entry = cptext(inputedit->text());
    const auto caret = static_cast<std::size_t>(inputedit->cursorPosition());
    const bool ctrl = shift & Qt::ControlModifier;
    switch (key) {
    case keys::left:
        if (entry.empty())
            dlgedge = true;
        else if (ctrl)
            speakwait(wordat(entry, caret));
        else
            speakkey(charat(entry, caret));
        if (caret > 0)
            dlgedge = false;
        else if (!dlgedge)
            dlgedge = true;
        else
            vdrcommands::beep();
        break;
    case keys::right:
        if (caret < entry.size()) {
            if (ctrl) {
                speakwait(wordat(entry, caret));
            } else {
                dlgedge = false;
                speakkey(charat(entry, caret));
            }
        } else if (!dlgedge) {
            dlgedge = true;
            vdrcommands::click(2);
        } else {
            vdrcommands::click(2);
            vdrcommands::beep();
        }
        break;
    case keys::home:
        speakkey(charat(entry, caret));
        break;
    case keys::end:
        vdrcommands::click(2);
        vdrcommands::beep();
        break;
    default:
        break;
    }
}

void TForm2::inputeditEnter()
{
    pendingprefix.clear();
    if (dlgannounce) {
        stopspeech();
        const std::string entry = cptext(inputedit->text());
        speakwait(entry.empty() ? message(29) : entry);
    } else {
        dlgannounce = true;
    }
}

void TForm2::EnterbitbtnEnter()
{
    stopspeech();
    dlgannounce = true;
    speakwait(cptext(Enterbitbtn->text()));
}

void TForm2::exitprogrambtnEnter()
{
    stopspeech();
    dlgannounce = true;
    speakwait(cptext(exitprogrambtn->text()));
}

void TForm2::exitprogrambtnClick()
{
    emit exitprogram();
}

void TForm2::FormClose()
{
    dlgannounce = false;
    pendingprefix.clear();
    activecontrol = nullptr;
}

void TForm2::prepare()
{
    inputedit->clear();
    inputedit->setFocus();
}

bool TForm2::showmodal()
{
    return exec() == QDialog::Accepted;
}

std::string TForm2::text() const
{
    return cptext(inputedit->text());
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    emit shown();
}

void TForm2::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}
