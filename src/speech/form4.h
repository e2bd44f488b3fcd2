// The voice settings dialog: chooses and tunes the voice.
#pragma once

#include <QDialog>

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};

extern TForm4* Form4;
