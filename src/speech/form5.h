// The sounds settings dialog: voice and sound set on or off, sound volume.
#pragma once

#include <QDialog>

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};

extern TForm5* Form5;
