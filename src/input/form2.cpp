#include "form2.h"

#include "platform/qtext.h"
#include "review/resourcelocalizer.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm2* Form2 = nullptr;

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
