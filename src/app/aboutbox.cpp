#include "aboutbox.h"

#include "platform/qtext.h"
#include "text/resourcelocalizer.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

TAboutbox* Aboutbox = nullptr;

namespace {

// The program's picture: a six-dot braille cell on a notetaker's key, 32 x 32.
QPixmap programpicture()
{
    QPixmap p(32, 32);
    p.fill(Qt::darkBlue);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(Qt::yellow);
    g.setPen(Qt::NoPen);
    for (int col = 0; col < 2; ++col)
        for (int row = 0; row < 3; ++row)
            g.drawEllipse(QPointF(11 + col * 10, 7 + row * 9), 3, 3);
    return p;
}

}  // namespace

TAboutbox::TAboutbox(QWidget* parent) : QDialog(parent)
{
    setObjectName("Aboutbox");
    setFixedSize(298, 213);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 281, 161);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(programpicture());

    ProductName = new QLabel(Panel1);
    ProductName->setObjectName("ProductName");
    ProductName->setGeometry(88, 16, 185, 16);

    Version = new QLabel(Panel1);
    Version->setObjectName("Version");
    Version->setGeometry(88, 40, 185, 16);

    Comments = new QLabel(Panel1);
    Comments->setObjectName("Comments");
    Comments->setGeometry(8, 80, 265, 73);
    Comments->setWordWrap(true);

    OKButton = new QPushButton(this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(111, 178, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
    if (const QScreen* s = screen())
        move(s->geometry().center() - rect().center());
}

void TAboutbox::FormCreate()
{
    setWindowTitle(qtext(message(36)));
    ProductName->setText(qtext(message(1)));
    Version->setText(qtext(message(37) + " 1.7"));
    Comments->clear();
    OKButton->setText(qtext(message(7)));
}
