// The data-entry dialog that INPUT shows: a one-line edit box, OK and an exit button.
#pragma once

#include "runtime/input.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class TForm2 : public QDialog, public inputdialoghost {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLineEdit* inputedit;
    QPushButton* Enterbitbtn;
    QPushButton* exitprogrambtn;

    void prepare() override;
    bool showmodal() override;
    std::string text() const override;

signals:
    // The dialog has been shown (each showing once).
    void shown();
    // The exit button: ram.dat is written and the program ends without returning to the run.
    void exitprogram();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
};

extern TForm2* Form2;
