#include "messages.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace messages {
namespace {
bool endrequested = false;
constexpr int wakeupms = 10;
}  // namespace

void process()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void waitfor(int ms)
{
    // The timer bounds the blocking wait: its expiry is an event that wakes the loop.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(ms);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void waitwhile(const std::function<bool()>& busy)
{
    checkend();
    process();
    while (busy()) {
        checkend();
        waitfor(wakeupms);
    }
    checkend();
}

void requestend() { endrequested = true; }
bool ending() { return endrequested; }
void resetend() { endrequested = false; }

void checkend()
{
    if (endrequested)
        throw runaborted{};
}

}  // namespace messages
