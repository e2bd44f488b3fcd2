// The data-entry dialog that INPUT shows: a one-line edit box, OK and an exit button.
#pragma once

#include "runtime/input.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The text that the chord being typed in the dialog gives, and the prefix state saved after the
// dialog's last completed chord (kept from one showing of the dialog to the next).
extern std::string dlgpending;
extern std::string dlgprefix;

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

public:
    // Braille mode: a chord's key press speaks the cell's text instead of typing the letter.
    // Returns false when the character must not reach the edit box.
    bool inputeditKeyPress(const std::string& character);
    // Braille mode: the first release of a chord inserts the cell's text at the caret.
    void inputeditKeyUp(int key);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
};

extern TForm2* Form2;
