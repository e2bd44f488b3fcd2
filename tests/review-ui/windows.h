// The program's windows as start-up makes them, over the silent speech engines, with the voice
// made ready by a first run; keys go in as real key events, and what is heard comes back from
// the trace: spoken texts, clicks, beeps and notes, in order.
#pragma once

#include "app/mainwindow.h"
#include "app/settings.h"
#include "input/entrydialog.h"
#include "review/languagedialog.h"
#include "review/screenreview.h"
#include "dialogs/voicedialog.h"

#include <QKeyEvent>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct stroke {
    int key;
    QString text = {};
    Qt::KeyboardModifiers mods = Qt::NoModifier;
};

class Windows : public ::testing::Test {
protected:
    std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::path dir;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm6> form6;

    // The interface language stored in the settings file before start-up.
    int language = 2000;

    void SetUp() override;
    void TearDown() override;
    // Starts the windows in their order, as the program does, and readies the voice.
    void start();
    void stop();

    // What has been heard since the last call, in order: "TEXT" for a spoken text, "click N",
    // "beep", "play NOTES DURATION OCTAVE", and "message TEXT" for a message box.
    std::vector<std::string> heard();

    // Press and release, delivered at once to the widget that has the focus.
    void tap(const stroke& s);
    void tap(const std::vector<stroke>& strokes);
    // Keys delivered one after another from the event loop to whatever widget has the focus when
    // each key's turn comes, so they reach modal windows that earlier keys open. Returns once all
    // are delivered; what then runs is left to run.
    void play(std::vector<stroke> strokes);
    // Runs action, during which keys are played as above.
    void playduring(std::vector<stroke> strokes, const std::function<void()>& action);

    // Shows the data-entry dialog as INPUT does, without its modal loop, with text in the edit box
    // and the caret at its end.
    void opendialog(const QString& text = {});

private:
    std::size_t seen = 0;
};

std::string utf8(const std::string& cp1250);
