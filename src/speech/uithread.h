// Hands work from engine threads to the UI thread, where notifications may touch flags and
// widgets. Posted work runs in posting order when the UI thread next processes messages.
#pragma once

#include <functional>

namespace uithread {

void post(std::function<void()> work);

}  // namespace uithread
