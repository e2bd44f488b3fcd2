// The About box: the program's name and version.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutbox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutbox(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Comments;
    QPushButton* OKButton;

private:
    void FormCreate();
};

extern TAboutbox* Aboutbox;
