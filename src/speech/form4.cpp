#include "form4.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form4");
    setModal(true);
}
