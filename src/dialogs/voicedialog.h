// The voice settings dialog: chooses the SAPI 4 voice and tunes its pitch, speed and volume.
// Every control announces itself when it gets the focus, and every slider change is applied
// to the voice at once and said with it. It carries the SAPI 5 voice too.
#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class TSpVoice;

// Set once the dialog has announced itself since it was last opened.
extern bool voicedlgopen;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    QListWidget* voicelist;
    QLabel* voicestatic;
    QSlider* pitchtb;
    QLabel* pitchstatic;
    QSlider* speedtb;
    QLabel* speedstatic;
    QSlider* volumetb;
    QLabel* volumestatic;
    QPushButton* vyberhlasbitbtn;
    QPushButton* closebitbtn;
    std::unique_ptr<TSpVoice> voice5;

    // Chooses row in voicelist as the program does: no click handler runs.
    void choose(int row);
    // Whether the dialog is the application's active window.
    bool active() const;

    void FormActivate();
    void voicelistEnter();
    void sliderEnter(QSlider* slider, QLabel* label);
    void buttonEnter(QPushButton* button);
    void pitchtbChange();
    void speedtbChange();
    void volumetbChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void FormCreate();
    void sliderChange(QSlider* slider, const char* tag, long long multiplier);
};

extern TForm4* Form4;
