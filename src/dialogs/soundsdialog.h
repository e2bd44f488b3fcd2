// The sounds settings dialog: the voice and the device's sound set on or off, and the sound
// set's volume. It announces nothing; moving the slider plays a sample note.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    QCheckBox* voicecheckbox;
    QCheckBox* vandrelsoundschk;
    QSlider* sndvoltrackbar;
    QPushButton* okbitbtn;
    QPushButton* cancelbitbtn;
    QLabel* sndvolstatic;

    void vandrelsoundschkClick();
    void sndvoltrackbarChange();

private:
    void FormCreate();
};

extern TForm5* Form5;
