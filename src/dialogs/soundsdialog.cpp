#include "soundsdialog.h"

#include "shell/errorbox.h"
#include "platform/qtext.h"
#include "text/resourcelocalizer.h"
#include "runtime/sound.h"
#include "runtime/vdrcommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form5");
    setModal(true);
    voicecheckbox = new QCheckBox(this);
    voicecheckbox->setObjectName("voicecheckbox");
    vandrelsoundschk = new QCheckBox(this);
    vandrelsoundschk->setObjectName("vandrelsoundschk");
    sndvoltrackbar = new QSlider(Qt::Horizontal, this);
    sndvoltrackbar->setObjectName("sndvoltrackbar");
    sndvoltrackbar->setRange(0, 100);
    sndvoltrackbar->setFocusPolicy(Qt::StrongFocus);
    sndvolstatic = new QLabel(this);
    sndvolstatic->setObjectName("sndvolstatic");
    sndvolstatic->setBuddy(sndvoltrackbar);
    okbitbtn = new QPushButton(this);
    okbitbtn->setObjectName("okbitbtn");
    okbitbtn->setDefault(true);
    cancelbitbtn = new QPushButton(this);
    cancelbitbtn->setObjectName("cancelbitbtn");
    cancelbitbtn->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okbitbtn);
    buttons->addWidget(cancelbitbtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(voicecheckbox);
    layout->addWidget(vandrelsoundschk);
    layout->addWidget(sndvoltrackbar);
    layout->addWidget(sndvolstatic);
    layout->addLayout(buttons);
    setTabOrder(voicecheckbox, vandrelsoundschk);
    setTabOrder(vandrelsoundschk, sndvoltrackbar);
    setTabOrder(sndvoltrackbar, okbitbtn);
    setTabOrder(okbitbtn, cancelbitbtn);

    connect(okbitbtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelbitbtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(vandrelsoundschk, &QCheckBox::toggled, this, [this] { vandrelsoundschkClick(); });
    connect(sndvoltrackbar, &QSlider::valueChanged, this, [this] { guarded([this] { sndvoltrackbarChange(); }); });
    Form5 = this;
    FormCreate();
}

void TForm5::FormCreate()
{
    setWindowTitle(qtext(message(21)));
    voicecheckbox->setText(qtext(message(22)));
    vandrelsoundschk->setText(qtext(message(39)));
    okbitbtn->setText(qtext(message(7)));
    cancelbitbtn->setText(qtext(message(8)));
    sndvolstatic->setText(qtext(message(28)));
    for (QWidget* w : std::initializer_list<QWidget*>{voicecheckbox, vandrelsoundschk, okbitbtn, cancelbitbtn})
        w->setAccessibleName(static_cast<QAbstractButton*>(w)->text());
    sndvoltrackbar->setAccessibleName(sndvolstatic->text());
    sndvolstatic->setAccessibleName(sndvolstatic->text());
    setAccessibleName(windowTitle());
}

void TForm5::vandrelsoundschkClick()
{
    sndvoltrackbar->setEnabled(vandrelsoundschk->isChecked());
}

void TForm5::sndvoltrackbarChange()
{
    sndvolume = sndvoltrackbar->value() * 100 - 10000;
    if (isVisible() && QApplication::activeModalWidget() == this) {
        // A sample of the new volume.
        const double note = 1000;
        vdrcommands::play(&note, 1, 100, 1);
    }
}
