#include "resourcelocalizer.h"

#include "platform/codepage.h"

#include <array>
#include <cstdint>
#include <stdexcept>

int languagebase = 0;

namespace {

using language = std::array<std::string, catalogue::messagecount>;
using table = std::array<language, catalogue::languagecount>;

// Converted once, on first use. Every text is plain code page 1250, so a character without a
// byte is a mistake in the table, not something to show as '?'.
const table& converted()
{
    static const table texts = [] {
        table t;
        for (int lang = 0; lang < catalogue::languagecount; ++lang)
            for (int n = 0; n < catalogue::messagecount; ++n) {
                bool ok = false;
                t[lang][n] = codepage::fromutf8(catalogue::texts[n][lang], &ok);
                if (!ok)
                    throw std::logic_error("message catalogue text " + std::to_string(n)
                                           + " has a character outside code page 1250");
            }
        return t;
    }();
    return texts;
}

}  // namespace

std::string TResourceLocalizer::LoadMessage(int base, int n)
{
    // The identifier is what counts, as with a resource string table; 64 bits keep the sum exact.
    const std::int64_t id = static_cast<std::int64_t>(base) + n;
    if (id < 1000)
        return {};
    const std::int64_t lang = id / 1000 - 1;
    const std::int64_t msg = id % 1000;
    if (lang >= catalogue::languagecount || msg >= catalogue::messagecount)
        return {};
    return converted()[lang][msg];
}

void TResourceLocalizer::ListLanguages(std::vector<langitem>& list)
{
    list.clear();
    for (int base = 1000;; base += 1000) {
        std::string name = LoadMessage(base, 0);
        if (name.empty())
            return;
        list.push_back({std::move(name), base});
    }
}

std::string message(int n)
{
    return TResourceLocalizer::LoadMessage(languagebase, n);
}
