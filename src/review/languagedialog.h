// The language dialog: picks the language of the user interface. It shows itself at once in the
// language being picked; the rest of the windows take it at the next start.
#pragma once

#include "text/resourcelocalizer.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QGroupBox;
class QPushButton;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // The radio group: one item per language of the catalogue, carrying the language's base.
    QGroupBox* languagergroup;
    QButtonGroup* languageitems;
    QPushButton* okbitbtn;
    QPushButton* cancelbitbtn;

    // The selected item, -1 when none is.
    int itemindex() const;
    // Selects item i (-1: none); when this changes the selection, languagergroupClick runs.
    void setitemindex(int i);
    // The item of a language base: base / 1000 - 1 for the listed bases, -1 for any other.
    int indexofbase(int base) const;
    // Makes the selected item the dialog's active control (the group's first item when none is
    // selected).
    void focusgroup();

    // A language has been picked: it is in force at once, and the dialog re-captions itself.
    void languagergroupClick();

private:
    void FormCreate();
    void recaption();
    std::vector<langitem> languages;
};

extern TForm3* Form3;
