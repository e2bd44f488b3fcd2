#include "sapi5.h"

namespace sapi5 {
namespace {
std::function<std::unique_ptr<TSpVoice>()> installed;
}

void registerclass(std::function<std::unique_ptr<TSpVoice>()> create) { installed = std::move(create); }

std::unique_ptr<TSpVoice> create()
{
    return installed ? installed() : nullptr;
}

}  // namespace sapi5
