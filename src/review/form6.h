// The virtual screen window: reads the text screen back.
#pragma once

#include <QDialog>

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};

extern TForm6* Form6;

// Opens the virtual screen over the text screen, unless memory cell 50730 forbids it.
void openvirtualscreen();
