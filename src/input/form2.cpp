#include "form2.h"

#include "braille.h"

#include "platform/keys.h"
#include "platform/qtext.h"
#include "speech/service.h"
#include "review/resourcelocalizer.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm2* Form2 = nullptr;
std::string dlgpending;
std::string dlgprefix;

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form2");
    setModal(true);
    inputedit = new QLineEdit(this);
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

    inputedit->installEventFilter(this);
    connect(Enterbitbtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(exitprogrambtn, &QPushButton::clicked, this, [this] { emit exitprogram(); });
    FormCreate();
}

void TForm2::FormCreate()
{
    setWindowTitle(qtext(message(23)));
    inputedit->setAccessibleName(windowTitle());
    Enterbitbtn->setText(qtext(message(7)));
    exitprogrambtn->setText(qtext(message(45)));
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != inputedit || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QDialog::eventFilter(watched, event);
    auto* k = static_cast<QKeyEvent*>(event);
    if (!keys::track(k))
        return false;
    bool pass = true;
    try {
        if (event->type() == QEvent::KeyPress) {
            if (keys::code(k) == keys::f4 && (k->modifiers() & Qt::AltModifier)) {
                emit exitprogram();
                return true;
            }
            if (!k->text().isEmpty())
                pass = inputeditKeyPress(cptext(k->text()));
        } else {
            inputeditKeyUp(keys::code(k));
        }
    } catch (const std::exception&) {
        // Speech errors must not cross the event loop; the key is still handled.
    }
    return !pass;
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

void TForm2::inputeditKeyUp(int)
{
    if (!braillekeys)
        return;
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
