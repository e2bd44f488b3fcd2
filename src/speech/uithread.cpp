#include "uithread.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace uithread {

void post(std::function<void()> work)
{
    // Without an application there is no UI thread to run it (a process winding down).
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

}  // namespace uithread
