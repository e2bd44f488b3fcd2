// Answers message boxes as soon as they show, as a user would: windows under test put up their
// modal boxes from start-up and handlers, which would otherwise wait for ever.
#pragma once

#include "app/driver.h"

#include <QTimer>

class boxanswerer {
public:
    boxanswerer()
    {
        QObject::connect(&timer, &QTimer::timeout, [] { dismissmessagebox(); });
        timer.start(5);
    }

private:
    QTimer timer;
};
