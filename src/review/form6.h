// The virtual screen window: reads the text screen back.
#pragma once

#include <QDialog>

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};

extern TForm6* Form6;
