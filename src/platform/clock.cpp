#include "clock.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <thread>

namespace vclock {
namespace {
bool fastmode = false;
std::optional<timeofday> fixed;
}  // namespace

void sleep(int ms)
{
    if (fastmode || ms <= 0)
        return;
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

timeofday now()
{
    if (fixed)
        return *fixed;
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

void setfast(bool f) { fastmode = f; }
bool fast() { return fastmode; }
void setfixedtime(timeofday t) { fixed = t; }

}  // namespace vclock
