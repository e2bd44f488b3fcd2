#include "form6.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form6");
    setModal(true);
}
