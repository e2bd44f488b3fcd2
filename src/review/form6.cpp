#include "form6.h"

#include "runtime/input.h"
#include "runtime/memory.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form6");
    setModal(true);
}

void openvirtualscreen()
{
    if (ram[50730] == 1)
        return;
    keybuffer.clear();
    if (Form6)
        Form6->exec();
}
