#include "form3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form3");
    setModal(true);
}
